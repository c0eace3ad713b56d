#include "tests/support/HostCommand.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <regex>
#include <sstream>
#include <string>

namespace {

#ifdef _WIN32

TEST(FlushOrder, TheTemporaryIsFlushedBeforeTheRenameAndTheFolderAfter) {
    GTEST_SKIP() << "strace watches Linux system calls only; the Windows writer's order "
                    "(FlushFileBuffers, then MoveFileExW with MOVEFILE_WRITE_THROUGH) has no such "
                    "witness here";
}

#else

// One rewrite of the remainder file seen through strace: the new content is flushed to disk
// before it is renamed over the old file, and the folder is flushed after the rename.
TEST(FlushOrder, TheTemporaryIsFlushedBeforeTheRenameAndTheFolderAfter) {
    testsupport::TempFolder folder;
    const std::string trace = (folder / "trace").string();
    const std::string command =
        "strace -f -o '" + trace + "' -e trace=openat,fsync,fdatasync,rename,renameat,renameat2 '" +
        std::string(QHT_WRITE_QUEUE_ONCE) + "' '" + folder.path().string() + "' 2>&1";
    testsupport::hostCommandOutput(command);
    ASSERT_EQ(testsupport::readBytes(folder / "temp.db"), "1\r\n2\r\n3\r\n") << command;

    std::istringstream lines(testsupport::readBytes(folder / "trace"));
    const std::string target = (folder / "temp.db").string();
    const std::string temporary = target + ".tmp";
    std::string temporaryFd, folderFd;
    int step = 0; // 1: temporary opened, 2: flushed, 3: renamed, 4: folder opened, 5: flushed
    for (std::string line; std::getline(lines, line);) {
        std::smatch match;
        if (std::regex_search(line, match,
                              std::regex(R"re(openat\([^,]*, "([^"]*)".*= (\d+))re"))) {
            if (match[1] == temporary) {
                temporaryFd = match[2];
                step = step == 0 ? 1 : step;
            } else if (match[1] == folder.path().string() && step == 3) {
                folderFd = match[2];
                step = 4;
            }
        } else if (std::regex_search(line, match,
                                     std::regex(R"re(f(data)?sync\((\d+)\)\s+= 0)re"))) {
            if (step == 1 && match[2] == temporaryFd) {
                step = 2;
            } else if (step == 4 && match[2] == folderFd) {
                step = 5;
            }
        } else if (line.find("rename") != std::string::npos &&
                   line.find("\"" + temporary + "\"") != std::string::npos &&
                   line.find("\"" + target + "\"") != std::string::npos) {
            EXPECT_EQ(step, 2) << "renamed before the temporary was flushed: " << line;
            step = 3;
        }
    }
    EXPECT_EQ(step, 5) << testsupport::readBytes(folder / "trace");
}

#endif

} // namespace
