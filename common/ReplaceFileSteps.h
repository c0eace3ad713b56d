#pragma once

#include <filesystem>
#include <string_view>

// The system's part of replaceFile; each step throws std::runtime_error with the system's reason.
namespace common::replace_steps {

// Writes content to the temporary file and flushes it to disk.
void writeAndFlush(const std::filesystem::path& temporary, std::string_view content);

// Renames the temporary over the file and makes the rename itself durable.
void moveIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path);

// Removes what is left of the temporary file, if anything.
void removeTemporary(const std::filesystem::path& temporary);

} // namespace common::replace_steps
