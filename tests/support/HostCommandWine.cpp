#include "HostCommand.h"

#include "TempFolder.h"

#include <windows.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace testsupport {

namespace {

// Wine's own exports: present only when the program runs under Wine.
using UnixFileName = char*(CDECL*)(const wchar_t*);

UnixFileName unixFileName() {
    return reinterpret_cast<UnixFileName>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "wine_get_unix_file_name")));
}

} // namespace

bool hostCommandsAvailable() {
    return unixFileName() != nullptr;
}

std::string hostPath(const std::filesystem::path& path) {
    const UnixFileName convert = unixFileName();
    if (!convert) {
        return {};
    }
    char* name = convert(std::filesystem::absolute(path).c_str());
    if (!name) {
        return {};
    }
    std::string result = name;
    HeapFree(GetProcessHeap(), 0, name);
    return result;
}

// Wine starts a Linux program named by its path, but gives it no pipes and does not tell when it
// ends: the command runs from a script whose output goes to a file, and whose last step renames
// that file, which marks the end.
std::string hostCommandOutput(const std::string& command) {
    if (!hostCommandsAvailable()) {
        return {};
    }
    static std::atomic<int> counter = 0;
    const std::string base =
        "/tmp/qht-host-" + std::to_string(GetCurrentProcessId()) + "-" + std::to_string(++counter);
    const std::filesystem::path script = "Z:" + base + ".sh";
    const std::filesystem::path done = "Z:" + base + ".done";
    writeBytes(script, "{\n" + command + "\n} >" + base + ".out 2>/dev/null </dev/null\nmv " +
                           base + ".out " + base + ".done\n");
    std::wstring commandLine = L"sh " + std::filesystem::path(base + ".sh").wstring();
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    std::string output;
    if (CreateProcessW(L"Z:\\bin\\sh", commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                       nullptr, &startup, &started)) {
        CloseHandle(started.hThread);
        CloseHandle(started.hProcess);
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::minutes(5);
        while (!std::filesystem::exists(done) && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
        }
        output = readBytes(done);
        if (output == "<missing>") {
            output.clear();
        }
    }
    std::error_code ignored;
    std::filesystem::remove(script, ignored);
    std::filesystem::remove(done, ignored);
    return output;
}

} // namespace testsupport
