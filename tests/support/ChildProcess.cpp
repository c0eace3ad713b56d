#include "ChildProcess.h"

#include <stdexcept>

#ifdef _WIN32
#include <windows.h>
#else
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
extern char** environ;
#endif

namespace testsupport {

#ifdef _WIN32

namespace {

// One argument of a command line as the C runtime splits it again: quoted, inner quotes and the
// backslashes before them escaped.
std::wstring quotedArgument(const std::wstring& argument) {
    std::wstring quoted = L"\"";
    std::size_t backslashes = 0;
    for (const wchar_t c : argument) {
        if (c == L'\\') {
            ++backslashes;
        } else {
            quoted.append(c == L'"' ? backslashes * 2 + 1 : backslashes, L'\\');
            backslashes = 0;
        }
        quoted += c;
    }
    quoted.append(backslashes, L'\\');
    return quoted + L"\"";
}

} // namespace

ChildProcess::ChildProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments) {
    std::wstring commandLine = quotedArgument(program.wstring());
    for (const auto& argument : arguments) {
        commandLine += L" " + quotedArgument(std::filesystem::path(argument).wstring());
    }
    STARTUPINFOW startup{};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION started{};
    if (!CreateProcessW(program.c_str(), commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr,
                        nullptr, &startup, &started)) {
        throw std::runtime_error("cannot start " + program.string());
    }
    CloseHandle(started.hThread);
    process_ = started.hProcess;
}

ChildProcess::~ChildProcess() {
    kill();
    CloseHandle(process_);
}

bool ChildProcess::kill() {
    if (ended_) {
        return false;
    }
    ended_ = true;
    const bool running = WaitForSingleObject(process_, 0) == WAIT_TIMEOUT;
    TerminateProcess(process_, 9);
    WaitForSingleObject(process_, INFINITE);
    return running;
}

bool ChildProcess::ended() {
    ended_ = ended_ || WaitForSingleObject(process_, 0) == WAIT_OBJECT_0;
    return ended_;
}

#else

ChildProcess::ChildProcess(const std::filesystem::path& program,
                           const std::vector<std::string>& arguments) {
    std::vector<std::string> words{program.string()};
    words.insert(words.end(), arguments.begin(), arguments.end());
    std::vector<char*> argv;
    for (auto& word : words) {
        argv.push_back(word.data());
    }
    argv.push_back(nullptr);
    if (posix_spawn(&pid_, words[0].c_str(), nullptr, nullptr, argv.data(), environ) != 0) {
        throw std::runtime_error("cannot start " + words[0]);
    }
}

ChildProcess::~ChildProcess() {
    kill();
}

bool ChildProcess::kill() {
    if (ended_) {
        return false;
    }
    ended_ = true;
    ::kill(pid_, SIGKILL);
    int status = 0;
    waitpid(pid_, &status, 0);
    return WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
}

bool ChildProcess::ended() {
    int status = 0;
    ended_ = ended_ || waitpid(pid_, &status, WNOHANG) == pid_;
    return ended_;
}

#endif

} // namespace testsupport
