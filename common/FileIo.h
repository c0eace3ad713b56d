#pragma once

#include <filesystem>
#include <string>

namespace common {

// The whole content of a file; fails with EFOpenError "Cannot open file "<full path>". <reason>"
// when the file cannot be opened or read.
std::string readFileBytes(const std::filesystem::path& path);

// The absolute form of path in the system's narrow encoding (the ANSI code page on Windows), for
// error texts.
std::string fullPathText(const std::filesystem::path& path);

// The system's own words for the last failed file operation (errno, or GetLastError on Windows).
std::string lastSystemErrorText();

} // namespace common
