#include "ReplaceFileSteps.h"

#include "FileIo.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include <windows.h>

namespace common::replace_steps {

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

} // namespace common::replace_steps
