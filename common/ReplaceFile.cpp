#include "ReplaceFile.h"

#include "Errors.h"
#include "FileIo.h"

#include <string>

#ifdef _WIN32
#include <windows.h>
#else
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>
#endif

namespace common {

namespace {

std::filesystem::path temporaryPathFor(const std::filesystem::path& path) {
    std::filesystem::path temporary = path;
    temporary += ".tmp";
    return temporary;
}

[[noreturn]] void failCreate(const std::filesystem::path& path, const std::string& reason) {
    throw EFCreateError("Cannot create file \"" + fullPathText(path) + "\". " + reason);
}

#ifdef _WIN32

void writeAndFlush(const std::filesystem::path& temporary, std::string_view content) {
    HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) {
        throw std::runtime_error(lastSystemErrorText());
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < content.size()) {
        const DWORD chunk =
            static_cast<DWORD>(std::min<std::size_t>(content.size() - done, 1 << 20));
        DWORD written = 0;
        ok = WriteFile(file, content.data() + done, chunk, &written, nullptr) && written > 0;
        done += written;
    }
    ok = ok && FlushFileBuffers(file);
    const std::string reason = ok ? std::string() : lastSystemErrorText();
    CloseHandle(file);
    if (!ok) {
        throw std::runtime_error(reason);
    }
}

void moveIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    // A virus scanner or indexer may hold the target for a moment; wait a little for it.
    for (int attempt = 0;; ++attempt) {
        if (MoveFileExW(temporary.c_str(), path.c_str(),
                        MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
            return;
        }
        const DWORD code = GetLastError();
        if (attempt >= 20 || (code != ERROR_SHARING_VIOLATION && code != ERROR_ACCESS_DENIED &&
                              code != ERROR_LOCK_VIOLATION)) {
            throw std::runtime_error(lastSystemErrorText());
        }
        Sleep(25);
    }
}

void removeTemporary(const std::filesystem::path& temporary) {
    DeleteFileW(temporary.c_str());
}

#else

void writeAndFlush(const std::filesystem::path& temporary, std::string_view content) {
    const int fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
    if (fd < 0) {
        throw std::runtime_error(lastSystemErrorText());
    }
    bool ok = true;
    std::size_t done = 0;
    while (ok && done < content.size()) {
        const ssize_t written = ::write(fd, content.data() + done, content.size() - done);
        if (written < 0 && errno == EINTR) {
            continue;
        }
        ok = written > 0;
        done += ok ? static_cast<std::size_t>(written) : 0;
    }
    if (ok && done < content.size()) {
        errno = ENOSPC;
    }
    ok = ok && ::fsync(fd) == 0;
    const std::string reason = ok ? std::string() : lastSystemErrorText();
    ok = (::close(fd) == 0) && ok;
    if (!ok) {
        throw std::runtime_error(reason.empty() ? lastSystemErrorText() : reason);
    }
}

void flushFolder(const std::filesystem::path& path) {
    std::filesystem::path folder = path.parent_path();
    if (folder.empty()) {
        folder = ".";
    }
    const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (fd < 0) {
        throw std::runtime_error(lastSystemErrorText());
    }
    const bool ok = ::fsync(fd) == 0;
    const std::string reason = ok ? std::string() : lastSystemErrorText();
    ::close(fd);
    if (!ok) {
        throw std::runtime_error(reason);
    }
}

void moveIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        throw std::runtime_error(lastSystemErrorText());
    }
    flushFolder(path);
}

void removeTemporary(const std::filesystem::path& temporary) {
    ::unlink(temporary.c_str());
}

#endif

} // namespace

void replaceFile(const std::filesystem::path& path, std::string_view content) {
    const std::filesystem::path temporary = temporaryPathFor(path);
    try {
        writeAndFlush(temporary, content);
        moveIntoPlace(temporary, path);
    } catch (const std::runtime_error& failure) {
        removeTemporary(temporary);
        failCreate(path, failure.what());
    }
}

} // namespace common
