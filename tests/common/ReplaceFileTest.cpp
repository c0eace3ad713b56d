#include "common/ReplaceFile.h"
#include "RewrittenQueues.h"
#include "common/Codepage.h"
#include "common/Errors.h"
#include "common/LineList.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/SystemTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <set>
#include <string>
#include <thread>

namespace {

using testsupport::readBytes;

TEST(FileReplacement, CreatesAndReplacesTheWholeFileLeavingNoTemporary) {
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

TEST(FileReplacement, AMissingFolderFailsWithTheTargetNamedInTheSystemsEncoding) {
    testsupport::TempFolder folder;
    const auto path = folder / u8"钓场" / "temp.db";
#ifdef _WIN32
    // The folder's name in code page 936, the system's ANSI encoding there.
    const std::string expectedPath =
        common::ansiFromWide(std::filesystem::absolute(folder.path()).native()) +
        "\\\xb5\xf6\xb3\xa1\\temp.db";
#else
    const std::string expectedPath = path.string();
#endif
    try {
        common::replaceFile(path, "1\r\n");
        FAIL() << "wrote into a missing folder";
    } catch (const EFCreateError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot create file \"" + expectedPath + "\". " +
                                                 testsupport::missingFolderReason());
    }
}

TEST(FileReplacement, AFailedReplacementLeavesTheOldFileAndNoTemporary) {
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
TEST(FileReplacement, AKilledWriterNeverLeavesAHalfWrittenFile) {
    testsupport::TempFolder folder;
    const auto path = folder / "temp.db";
    const auto queues = rewrittenQueues();
    std::set<std::string> written;
    for (const auto& queue : queues) {
        written.insert(common::formatLineList(queue));
    }
    const std::string first = common::formatLineList(queues[0]);

    std::mt19937 random(7);
    int killedWhileWriting = 0;
    for (int round = 0; round < 300; ++round) {
        common::writeLineListFile(path, queues[0]);
        testsupport::ChildProcess writer(QHT_REWRITE_FOREVER, {path.string()});
        // The writer starts with another queue; its first change shows it is at work.
        const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(20);
        while (readBytes(path) == first && std::chrono::steady_clock::now() < deadline) {
            std::this_thread::yield();
        }
        std::this_thread::sleep_for(std::chrono::microseconds(random() % 3000));
        ASSERT_TRUE(writer.kill()) << "the writer ended on its own";
        killedWhileWriting += std::filesystem::exists(folder / "temp.db.tmp") ? 1 : 0;
        const std::string content = readBytes(path);
        ASSERT_TRUE(written.count(content) == 1)
            << "round " << round << ": " << content.size() << " bytes that were never written";
    }
    // The kills must land inside writes for the test to mean anything.
    EXPECT_GT(killedWhileWriting, 10);
}

} // namespace
