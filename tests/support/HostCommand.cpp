#include "HostCommand.h"

#include <cstdio>
#include <memory>

namespace testsupport {

bool hostCommandsAvailable() {
    return true;
}

std::string hostCommandOutput(const std::string& command) {
    std::unique_ptr<FILE, int (*)(FILE*)> pipe(popen(command.c_str(), "r"), &pclose);
    std::string output;
    if (!pipe) {
        return output;
    }
    char buffer[4096];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, pipe.get())) > 0) {
        output.append(buffer, got);
    }
    return output;
}

std::string hostPath(const std::filesystem::path& path) {
    return std::filesystem::absolute(path).string();
}

} // namespace testsupport
