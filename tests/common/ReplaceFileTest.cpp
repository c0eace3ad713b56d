#include "common/ReplaceFile.h"
#include "common/Errors.h"
#include "common/LineList.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <csignal>
#include <random>
#include <set>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using testsupport::readBytes;

TEST(ReplaceFile, CreatesAndReplacesTheWholeFileLeavingNoTemporary) {
    testsupport::TempFolder folder;
    const auto path = folder / "temp.db";
    common::replaceFile(path, "1\r\n2\r\n3\r\n");
    EXPECT_EQ(readBytes(path), "1\r\n2\r\n3\r\n");
    common::replaceFile(path, "2\r\n");
    EXPECT_EQ(readBytes(path), "2\r\n");
    common::replaceFile(path, "");
    EXPECT_EQ(readBytes(path), "");
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder.path()), {}), 1);
}

TEST(ReplaceFile, AMissingFolderFailsWithTheTargetNamed) {
    testsupport::TempFolder folder;
    const auto path = folder / "skin" / "temp.db";
    try {
        common::replaceFile(path, "1\r\n");
        FAIL() << "wrote into a missing folder";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()),
                  "Cannot create file \"" + path.string() + "\". No such file or directory");
    }
}

TEST(ReplaceFile, AFailedReplacementLeavesTheOldFileAndNoTemporary) {
    testsupport::TempFolder folder;
    // A folder cannot be renamed over, so the new content never lands.
    const auto target = folder / "target";
    std::filesystem::create_directories(target / "inside");
    EXPECT_THROW(common::replaceFile(target, "new"), EFCreateError);
    EXPECT_TRUE(std::filesystem::is_directory(target / "inside"));
    EXPECT_FALSE(std::filesystem::exists(folder / "target.tmp"));
}

// A writer killed at random moments never leaves a half-written file behind: whatever is on
// disk after the kill is one of the queues that were written, whole.
TEST(ReplaceFile, AKilledWriterNeverLeavesAHalfWrittenFile) {
    testsupport::TempFolder folder;
    const auto path = folder / "temp.db";
    std::vector<std::vector<std::string>> queues;
    std::set<std::string> written;
    for (int length = 0; length < 6; ++length) {
        std::vector<std::string> queue;
        for (int i = 0; i < 200 * length; ++i) {
            queue.push_back(std::to_string(length * 1000 + i));
        }
        written.insert(common::formatLineList(queue));
        queues.push_back(std::move(queue));
    }
    common::writeLineListFile(path, queues[0]);

    std::mt19937 random(7);
    int killedWhileWriting = 0;
    for (int round = 0; round < 300; ++round) {
        const pid_t child = fork();
        ASSERT_GE(child, 0);
        if (child == 0) {
            for (std::size_t i = 0;; ++i) {
                common::writeLineListFile(path, queues[i % queues.size()]);
            }
        }
        usleep(200 + random() % 3000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status));
        killedWhileWriting += std::filesystem::exists(folder / "temp.db.tmp") ? 1 : 0;
        const std::string content = readBytes(path);
        ASSERT_TRUE(written.count(content) == 1)
            << "round " << round << ": " << content.size() << " bytes that were never written";
    }
    // The kills must land inside writes for the test to mean anything.
    EXPECT_GT(killedWhileWriting, 10);
}

} // namespace
