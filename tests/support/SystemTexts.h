#pragma once

#include <string>

namespace testsupport {

// The system's own words, as the program's file errors carry them, for a file that does not exist
// and for a file whose folder does not exist (the same on POSIX, two texts on Windows).
std::string missingFileReason();
std::string missingFolderReason();

} // namespace testsupport
