#include "TempFolder.h"

#include <fstream>
#include <random>
#include <sstream>

namespace testsupport {

TempFolder::TempFolder() {
    std::random_device device;
    path_ = std::filesystem::temp_directory_path() /
            ("qht-test-" + std::to_string(device()) + "-" + std::to_string(device()));
    std::filesystem::create_directories(path_);
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(path_, ignored);
}

void writeBytes(const std::filesystem::path& path, const std::string& bytes) {
    if (path.has_parent_path()) {
        std::filesystem::create_directories(path.parent_path());
    }
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

std::string readBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return "<missing>";
    }
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

} // namespace testsupport
