#include "FileIo.h"

#include "Codepage.h"
#include "Errors.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <system_error>

#ifdef _WIN32
#include <windows.h>
#endif

namespace common {

std::string fullPathText(const std::filesystem::path& path) {
    std::error_code ec;
    std::filesystem::path full = std::filesystem::absolute(path, ec);
    // An absolute path keeps the separators it was given; the system's messages use its own.
    full.make_preferred();
#ifdef _WIN32
    // The system's own texts are in the ANSI code page; the library's string() would be UTF-8.
    return ansiFromWide((ec ? path : full).native());
#else
    return (ec ? path : full).string();
#endif
}

std::string lastSystemErrorText() {
#ifdef _WIN32
    const DWORD code = GetLastError();
    char* buffer = nullptr;
    const DWORD length = FormatMessageA(
        FORMAT_MESSAGE_ALLOCATE_BUFFER | FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
        nullptr, code, 0, reinterpret_cast<char*>(&buffer), 0, nullptr);
    std::string text = length > 0 ? std::string(buffer, length) : "Error " + std::to_string(code);
    LocalFree(buffer);
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) {
        text.pop_back();
    }
    return text;
#else
    return std::strerror(errno);
#endif
}

std::string readFileBytes(const std::filesystem::path& path) {
    const auto fail = [&path]() -> std::string {
        throw EFOpenError("Cannot open file \"" + fullPathText(path) + "\". " +
                          lastSystemErrorText());
    };
#ifdef _WIN32
    const std::unique_ptr<FILE, int (*)(FILE*)> file(_wfopen(path.c_str(), L"rb"), &std::fclose);
#else
    const std::unique_ptr<FILE, int (*)(FILE*)> file(std::fopen(path.c_str(), "rb"), &std::fclose);
#endif
    if (!file) {
        return fail();
    }
    std::string content;
    char buffer[65536];
    std::size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) {
        content.append(buffer, got);
    }
    if (std::ferror(file.get())) {
        return fail();
    }
    return content;
}

} // namespace common
