#include "ReplaceFileSteps.h"

#include "FileIo.h"

#include <stdexcept>
#include <string>

#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace common::replace_steps {

namespace {

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

} // namespace

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

void moveIntoPlace(const std::filesystem::path& temporary, const std::filesystem::path& path) {
    if (::rename(temporary.c_str(), path.c_str()) != 0) {
        throw std::runtime_error(lastSystemErrorText());
    }
    flushFolder(path);
}

void removeTemporary(const std::filesystem::path& temporary) {
    ::unlink(temporary.c_str());
}

} // namespace common::replace_steps
