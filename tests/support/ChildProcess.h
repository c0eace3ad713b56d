#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace testsupport {

// A program started for a test and killed without warning: SIGKILL on POSIX, TerminateProcess on
// Windows, so nothing of the program runs after the kill.
class ChildProcess {
public:
    // Starts program with the arguments; throws std::runtime_error when it cannot be started.
    ChildProcess(const std::filesystem::path& program, const std::vector<std::string>& arguments);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    // Kills the program and waits until it is gone; true when it was still running.
    bool kill();
    // True once the program has ended, by itself or by kill().
    bool ended();

private:
#ifdef _WIN32
    void* process_ = nullptr;
#else
    int pid_ = 0;
#endif
    bool ended_ = false;
};

} // namespace testsupport
