#include "draw/EventFiles.h"
#include "common/Errors.h"
#include "tests/support/CounterSeedSource.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using testsupport::readBytes;
using testsupport::writeBytes;

class EventFiles : public testing::Test {
protected:
    testsupport::TempFolder folder;
    testsupport::CounterSeedSource seeds{0x12345678u};
    draw::DrawQueue queue{seeds};
    std::filesystem::path pool = folder / "mydb" / "db.cd";
    std::filesystem::path remainder = folder / "skin" / "temp.db";

    Lines sortedEntries() const {
        Lines entries(queue.entries().begin(), queue.entries().end());
        std::sort(entries.begin(), entries.end());
        return entries;
    }
};

TEST_F(EventFiles, LineBreaksOfEveryKindGiveTheSameEvent) {
    for (const std::string text : {"1\r\n2\r\n3\r\n", "1\r\n2\r\n3", "1\n2\n3\n", "1\r2\r3"}) {
        writeBytes(pool, text);
        draw::openNewEvent(queue, pool);
        EXPECT_EQ(sortedEntries(), (Lines{"1", "2", "3"}));
        EXPECT_EQ(queue.eventTotal(), 3);
    }
}

TEST_F(EventFiles, TwoFinalBreaksAddAnEmptyEntry) {
    writeBytes(pool, "1\r\n2\r\n\r\n");
    draw::openNewEvent(queue, pool);
    EXPECT_EQ(sortedEntries(), (Lines{"", "1", "2"}));
    EXPECT_EQ(queue.eventTotal(), 3);
}

TEST_F(EventFiles, AnEmptyPoolOrOneStartingWithNulOpensAnEmptyEvent) {
    for (const std::string& text : {std::string(), std::string("\0"
                                                               "1\r\n",
                                                               4)}) {
        writeBytes(pool, text);
        draw::openNewEvent(queue, pool);
        EXPECT_EQ(queue.count(), 0);
        EXPECT_EQ(queue.eventTotal(), 0);
    }
}

TEST_F(EventFiles, EntriesAfterANulDoNotExist) {
    writeBytes(pool, std::string("1\r\n2\0"
                                 "3\r\n",
                                 7));
    draw::openNewEvent(queue, pool);
    EXPECT_EQ(sortedEntries(), (Lines{"1", "2"}));
}

TEST_F(EventFiles, AMissingPoolFailsAndWritesNothing) {
    EXPECT_THROW(draw::openNewEvent(queue, pool), EFOpenError);
    EXPECT_FALSE(std::filesystem::exists(remainder));
}

TEST_F(EventFiles, AMalformedPinFailsAndLeavesEveryFileAsItWas) {
    writeBytes(pool, "1\r\n2#x\r\n");
    writeBytes(remainder, "9\r\n");
    EXPECT_THROW(draw::openNewEvent(queue, pool), EConvertError);
    EXPECT_EQ(readBytes(pool), "1\r\n2#x\r\n");
    EXPECT_EQ(readBytes(remainder), "9\r\n");
}

TEST_F(EventFiles, ResumingTakesTheRemainderLinesAsTheyStand) {
    writeBytes(remainder, "3#1\r\n*\r\n \xd6\xd0 \r\n");
    draw::resumeEvent(queue, remainder);
    EXPECT_EQ(Lines(queue.entries().begin(), queue.entries().end()),
              (Lines{"3#1", "*", " \xd6\xd0 "}));
    EXPECT_EQ(queue.eventTotal(), 3);
    EXPECT_EQ(seeds.taken(0x12345678u), 0u);
}

TEST_F(EventFiles, ARemainderWithoutFinalBreakResumesTheSameEntries) {
    writeBytes(remainder, "7\r\n8");
    draw::resumeEvent(queue, remainder);
    EXPECT_EQ(Lines(queue.entries().begin(), queue.entries().end()), (Lines{"7", "8"}));
}

TEST_F(EventFiles, AMissingRemainderFailsTheResume) {
    EXPECT_THROW(draw::resumeEvent(queue, remainder), EFOpenError);
}

TEST_F(EventFiles, TheRemainderFollowsEveryDrawAndEndsAtZeroBytes) {
    writeBytes(pool, "a#1\r\nb#2\r\nc#3\r\n");
    draw::openNewEvent(queue, pool);
    std::filesystem::create_directories(remainder.parent_path());
    const Lines expected = {"b\r\nc\r\n", "c\r\n", ""};
    for (const std::string& bytes : expected) {
        queue.removeHead();
        draw::writeQueueFile(queue, remainder);
        EXPECT_EQ(readBytes(remainder), bytes);
    }
    EXPECT_EQ(readBytes(pool), "a#1\r\nb#2\r\nc#3\r\n");

    draw::DrawQueue resumed(seeds);
    draw::resumeEvent(resumed, remainder);
    EXPECT_EQ(resumed.count(), 0);
    EXPECT_EQ(resumed.eventTotal(), 0);
}

TEST_F(EventFiles, ExportWritesTheQueueOfThatMomentAndChangesNothingElse) {
    queue.setEntries({"5", "6"});
    writeBytes(remainder, "5\r\n6\r\n7\r\n");
    const auto exported = folder / "lzreport.txt";
    draw::writeQueueFile(queue, exported);
    const std::string first = readBytes(exported);
    draw::writeQueueFile(queue, exported);
    EXPECT_EQ(first, "5\r\n6\r\n");
    EXPECT_EQ(readBytes(exported), first);
    EXPECT_EQ(readBytes(remainder), "5\r\n6\r\n7\r\n");
    EXPECT_EQ(queue.count(), 2);
}

TEST_F(EventFiles, AWriteIntoAMissingFolderFailsAndTheQueueStands) {
    queue.setEntries({"5"});
    EXPECT_THROW(draw::writeQueueFile(queue, remainder), EFCreateError);
    EXPECT_EQ(queue.count(), 1);
}

TEST(EventFilePaths, AreTheProgramsRelativePathsAndAnAbsoluteExport) {
    EXPECT_EQ(draw::poolFilePath, std::filesystem::path("mydb") / "db.cd");
    EXPECT_EQ(draw::remainderFilePath, std::filesystem::path("skin") / "temp.db");
    EXPECT_TRUE(draw::exportFilePath().is_absolute());
    EXPECT_EQ(draw::exportFilePath().filename(), "lzreport.txt");
}

#ifdef _WIN32
// The export lands in the root of drive C:, where the park's staff have always found it. A file
// already there is put back as it was.
TEST(EventFilePaths, TheExportIsWrittenToTheRootOfDriveC) {
    const std::filesystem::path exported = draw::exportFilePath();
    EXPECT_EQ(exported.native(), L"C:\\lzreport.txt");
    const std::string before = readBytes(exported);
    testsupport::CounterSeedSource seeds{1};
    draw::DrawQueue queue(seeds);
    queue.setEntries({"3", "1", "2"});
    draw::writeQueueFile(queue, exported);
    EXPECT_EQ(readBytes(exported), "3\r\n1\r\n2\r\n");
    if (before == "<missing>") {
        std::filesystem::remove(exported);
    } else {
        writeBytes(exported, before);
    }
}
#endif

} // namespace
