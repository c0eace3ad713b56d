#pragma once

#include <filesystem>
#include <string_view>

namespace common {

// Replaces the file at path by content so that a crash or power cut at any moment leaves either
// the old file or the new one: the content goes to a temporary file in the same folder, is
// flushed to disk, renamed over the target, and then the folder itself is flushed. Any failure,
// a failed flush included, leaves the old file as it was and throws EFCreateError
// "Cannot create file "<full path>". <reason>".
void replaceFile(const std::filesystem::path& path, std::string_view content);

} // namespace common
