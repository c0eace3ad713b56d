#include "common/ByteText.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(TrimBlanks, RemovesEveryByteUpToSpaceAtBothEnds) {
    EXPECT_EQ(common::trimBlanks(" \t\r\n 12 \x01"), "12");
    EXPECT_EQ(common::trimBlanks(std::string("\0a b\0", 5)), "a b");
    EXPECT_EQ(common::trimBlanks(" \t \x1f"), "");
    EXPECT_EQ(common::trimBlanks(""), "");
    // GBK bytes are above 127 and are never blanks, not even the double-byte space A1 A1.
    EXPECT_EQ(common::trimBlanks("\xa1\xa1 \xd6\xd0 "), "\xa1\xa1 \xd6\xd0");
}

TEST(WithFullStop, AppendsOneWhenTheLastByteSortsAfterTheStop) {
    EXPECT_EQ(common::withFullStop("No such file or directory"), "No such file or directory.");
    EXPECT_EQ(common::withFullStop("error 7"), "error 7.");
    EXPECT_EQ(common::withFullStop("\xce\xc4"), "\xce\xc4.");
    EXPECT_EQ(common::withFullStop("done."), "done.");
    EXPECT_EQ(common::withFullStop("stop!"), "stop!");
    EXPECT_EQ(common::withFullStop("(x)"), "(x)");
    EXPECT_EQ(common::withFullStop("a-"), "a-");
    EXPECT_EQ(common::withFullStop(""), "");
}

TEST(GbkCharLength, ALeadByteWithoutItsTrailCountsAsOneByte) {
    const std::string damaged = "ab\xd6";
    EXPECT_EQ(common::gbkCharLength(damaged, 2), 1u);
    // A line break or a byte below 0x40 never trails: the break stays a break.
    EXPECT_EQ(common::gbkCharLength("\xb7\r", 0), 1u);
    EXPECT_EQ(common::gbkCharLength("\xb7\x7f", 0), 1u);
    EXPECT_EQ(common::gbkCharLength("\xb7\x40", 0), 2u);
    EXPECT_EQ(common::gbkCharLength("\x81\xfe", 0), 2u);
}

} // namespace
