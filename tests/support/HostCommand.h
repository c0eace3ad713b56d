#pragma once

#include <filesystem>
#include <string>

// Commands of the Linux machine the tests run on, for tests that read results back with its tools
// (lpstat, poppler-utils) or change its file systems. Under Wine a Windows test program reaches
// them too; on a Windows machine of its own there is no such host.
namespace testsupport {

// True where hostCommandOutput can run commands: on Linux, and under Wine.
bool hostCommandsAvailable();

// The output of a command of the host's /bin/sh; empty when it failed or there is no host.
std::string hostCommandOutput(const std::string& command);

// The path as the host's commands see it (under Wine C:\x is somewhere in the Wine prefix).
std::string hostPath(const std::filesystem::path& path);

} // namespace testsupport
