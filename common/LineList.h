#pragma once

#include <cstddef>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// Line-list files: the pool, remainder and export files are lists of byte lines.
namespace common {

inline constexpr std::size_t maxLineBytes = 4096;

// The text ends at its first NUL. CR LF, a lone CR and a lone LF each end a line; a break at the
// very end starts no further line; empty lines count; a line keeps at most maxLineBytes bytes.
std::vector<std::string> parseLineList(std::string_view text);

// The lines joined by LF, as a text editor shows them; parseLineList reads such a text back.
std::string joinLines(std::span<const std::string> lines);

// Every line followed by CR LF; no lines give the empty text.
std::string formatLineList(std::span<const std::string> lines);

// Reads a whole file as a line list; fails like readFileBytes.
std::vector<std::string> readLineListFile(const std::filesystem::path& path);

// Replaces the file atomically and durably with the formatted lines; fails like replaceFile.
void writeLineListFile(const std::filesystem::path& path, std::span<const std::string> lines);

} // namespace common
