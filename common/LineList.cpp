#include "LineList.h"

#include "FileIo.h"
#include "ReplaceFile.h"

#include <algorithm>

namespace common {

std::vector<std::string> parseLineList(std::string_view text) {
    text = text.substr(0, text.find('\0'));
    std::vector<std::string> lines;
    std::size_t start = 0;
    while (start < text.size()) {
        const std::size_t end = std::min(text.find_first_of("\r\n", start), text.size());
        lines.emplace_back(text.substr(start, std::min(end - start, maxLineBytes)));
        start = end;
        if (start < text.size() && text[start] == '\r') {
            ++start;
            if (start < text.size() && text[start] == '\n') {
                ++start;
            }
        } else if (start < text.size()) {
            ++start;
        }
    }
    return lines;
}

std::string joinLines(std::span<const std::string> lines) {
    std::string text;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        text += i == 0 ? "" : "\n";
        text += lines[i];
    }
    return text;
}

std::string formatLineList(std::span<const std::string> lines) {
    std::size_t size = 0;
    for (const std::string& line : lines) {
        size += line.size() + 2;
    }
    std::string text;
    text.reserve(size);
    for (const std::string& line : lines) {
        text += line;
        text += "\r\n";
    }
    return text;
}

std::vector<std::string> readLineListFile(const std::filesystem::path& path) {
    return parseLineList(readFileBytes(path));
}

void writeLineListFile(const std::filesystem::path& path, std::span<const std::string> lines) {
    replaceFile(path, formatLineList(lines));
}

} // namespace common
