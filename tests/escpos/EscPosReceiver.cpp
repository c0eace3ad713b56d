// A receipt printer for the tests, on a loopback port:
//   escpos_receiver PORT FOLDER
//       listens on 127.0.0.1:PORT (FOLDER/ready says so) and reads one job per connection; job n
//       becomes FOLDER/job-n.png, its picture, or FOLDER/job-n.error, what is wrong with it, and
//       FOLDER/job-n.done follows either with the milliseconds since the epoch at its last byte
//   escpos_receiver --read JOB PICTURE.png
//       the same for a job in a file: exit 0 with the picture, or 1 with the fault on stderr
#include "EscPosReading.h"

#include "imaging/PngEncoder.h"
#include "tests/support/TempFolder.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#ifdef _WIN32
#include <winsock2.h>
using Socket = SOCKET;
void closeSocket(Socket s) {
    closesocket(s);
}
#else
#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>
using Socket = int;
void closeSocket(Socket s) {
    close(s);
}
#endif

namespace {

// Writes the job's picture; what is wrong with the job instead, when something is.
std::string store(const std::string& job, const std::filesystem::path& picture) {
    const testsupport::EscPosReading reading = testsupport::readEscPos(job);
    if (!reading.error.empty()) {
        return reading.error;
    }
    if (reading.bands == 0 || !reading.cut) {
        return reading.bands == 0 ? "a job without a picture" : "a job without a cut";
    }
    testsupport::writeBytes(picture, imaging::encodePng(reading.picture));
    return {};
}

int listenOn(int port, const std::filesystem::path& folder) {
#ifdef _WIN32
    WSADATA data;
    WSAStartup(MAKEWORD(2, 2), &data);
#endif
    const Socket server = socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_port = htons(static_cast<unsigned short>(port));
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    const int yes = 1;
    setsockopt(server, SOL_SOCKET, SO_REUSEADDR, reinterpret_cast<const char*>(&yes), sizeof yes);
    if (bind(server, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        listen(server, 4) != 0) {
        std::fprintf(stderr, "cannot listen on 127.0.0.1:%d\n", port);
        return 1;
    }
    testsupport::writeBytes(folder / "ready", "");
    for (int n = 1;; ++n) {
        const Socket client = accept(server, nullptr, nullptr);
        std::string job;
        char buffer[65536];
        for (int got; (got = recv(client, buffer, sizeof buffer, 0)) > 0;) {
            job.append(buffer, std::size_t(got));
        }
        const auto last = std::chrono::duration_cast<std::chrono::milliseconds>(
                              std::chrono::system_clock::now().time_since_epoch())
                              .count();
        closeSocket(client);
        const std::string name = "job-" + std::to_string(n);
        const std::string fault = store(job, folder / (name + ".png"));
        if (!fault.empty()) {
            testsupport::writeBytes(folder / (name + ".error"), fault + "\n");
        }
        testsupport::writeBytes(folder / (name + ".done"), std::to_string(last) + "\n");
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc == 4 && std::strcmp(argv[1], "--read") == 0) {
        const std::string fault = store(testsupport::readBytes(argv[2]), argv[3]);
        if (!fault.empty()) {
            std::fprintf(stderr, "%s\n", fault.c_str());
        }
        return fault.empty() ? 0 : 1;
    }
    if (argc == 3) {
        return listenOn(std::atoi(argv[1]), argv[2]);
    }
    std::fprintf(stderr, "usage: %s PORT FOLDER | --read JOB PICTURE.png\n", argv[0]);
    return 2;
}
