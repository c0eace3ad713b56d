#include "SystemTexts.h"

#include "common/FileIo.h"

#ifdef _WIN32
#include <windows.h>
#endif

namespace testsupport {

namespace {

// Windows' ERROR_FILE_NOT_FOUND and ERROR_PATH_NOT_FOUND; POSIX has ENOENT for both.
constexpr unsigned fileNotFound = 2;
constexpr unsigned pathNotFound = 3;

// Windows' own words in its ANSI code page; on Linux glibc's, written out so they are checked.
std::string reasonFor([[maybe_unused]] unsigned windowsCode) {
#ifdef _WIN32
    SetLastError(windowsCode);
    return common::lastSystemErrorText();
#else
    return "No such file or directory";
#endif
}

} // namespace

std::string missingFileReason() {
    return reasonFor(fileNotFound);
}

std::string missingFolderReason() {
    return reasonFor(pathNotFound);
}

} // namespace testsupport
