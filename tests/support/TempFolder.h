#pragma once

#include <filesystem>
#include <string>

namespace testsupport {

// A fresh folder under the system's temporary folder, removed with everything in it at the end.
class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::filesystem::path& path() const { return path_; }
    std::filesystem::path operator/(const std::filesystem::path& name) const {
        return path_ / name;
    }

private:
    std::filesystem::path path_;
};

// Writes bytes to a file as they are, creating its folders.
void writeBytes(const std::filesystem::path& path, const std::string& bytes);

// The file's bytes, or "<missing>" when it does not exist.
std::string readBytes(const std::filesystem::path& path);

} // namespace testsupport
