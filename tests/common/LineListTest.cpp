#include "common/LineList.h"
#include "common/Errors.h"
#include "common/FileIo.h"
#include "tests/support/SystemTexts.h"
#include "tests/support/TempFolder.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

struct Parsed {
    std::string name;
    std::string text;
    Lines lines;
};

void PrintTo(const Parsed& parsed, std::ostream* out) {
    *out << parsed.name;
}

class LineListParsing : public testing::TestWithParam<Parsed> {};

TEST_P(LineListParsing, GivesTheLines) {
    EXPECT_EQ(common::parseLineList(GetParam().text), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Breaks, LineListParsing,
    testing::Values(Parsed{"Empty", "", {}}, Parsed{"OneLineNoBreak", "12", {"12"}},
                    Parsed{"FinalCrLf", "1\r\n2\r\n", {"1", "2"}},
                    Parsed{"NoFinalBreak", "1\r\n2", {"1", "2"}},
                    Parsed{"LoneLf", "1\n2\n", {"1", "2"}}, Parsed{"LoneCr", "1\r2\r", {"1", "2"}},
                    Parsed{"MixedBreaks", "1\r2\n3\r\n4", {"1", "2", "3", "4"}},
                    Parsed{"LfCrIsTwoBreaks", "1\n\r2", {"1", "", "2"}},
                    Parsed{"TwoFinalBreaks", "1\r\n2\r\n\r\n", {"1", "2", ""}},
                    Parsed{"OnlyABreak", "\r\n", {""}},
                    Parsed{"BlankLineBetween", "1\r\n\r\n2\r\n", {"1", "", "2"}},
                    Parsed{"NulFirst",
                           std::string("\0"
                                       "1\r\n",
                                       4),
                           {}},
                    Parsed{"NulInside",
                           std::string("1\r\n2\0"
                                       "3\r\n4\r\n",
                                       10),
                           {"1", "2"}},
                    Parsed{"BlanksKept", " 1 \t\r\n", {" 1 \t"}},
                    Parsed{"GbkBytesKept", "\xd6\xd0#3\r\n", {"\xd6\xd0#3"}}),
    [](const testing::TestParamInfo<Parsed>& info) { return info.param.name; });

TEST(LineListParsing, KeepsAtMost4096BytesOfALine) {
    const std::string longLine(5000, 'x');
    const Lines lines = common::parseLineList(longLine + "\r\n" + std::string(4096, 'y') + "\nz");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0], std::string(4096, 'x'));
    EXPECT_EQ(lines[1], std::string(4096, 'y'));
    EXPECT_EQ(lines[2], "z");
}

TEST(LineListFormatting, EndsEveryLineWithCrLf) {
    EXPECT_EQ(common::formatLineList(Lines{}), "");
    EXPECT_EQ(common::formatLineList(Lines{""}), "\r\n");
    EXPECT_EQ(common::formatLineList(Lines{"1", "", "*", "a#2"}), "1\r\n\r\n*\r\na#2\r\n");
}

TEST(LineListFormatting, WhatIsWrittenReadsBackTheSame) {
    std::mt19937 random(20261209);
    const std::string alphabet = std::string("ab #*\r\n\x01\xd6\xd0", 11) + std::string(1, '\0');
    for (int round = 0; round < 2000; ++round) {
        std::string text;
        const int length = static_cast<int>(random() % 40);
        for (int i = 0; i < length; ++i) {
            text += alphabet[random() % alphabet.size()];
        }
        const Lines lines = common::parseLineList(text);
        EXPECT_EQ(common::parseLineList(common::formatLineList(lines)), lines)
            << "text of " << text.size() << " bytes";
    }
}

TEST(LineListJoining, GivesTheEditorTextThatParsesBackToTheLines) {
    EXPECT_EQ(common::joinLines(Lines{}), "");
    EXPECT_EQ(common::joinLines(Lines{"1", "", "a#2"}), "1\n\na#2");
    EXPECT_EQ(common::parseLineList(common::joinLines(Lines{"1", "", "a#2"})),
              (Lines{"1", "", "a#2"}));
}

TEST(LineListFile, ReadsAndWritesThroughTheDisk) {
    testsupport::TempFolder folder;
    const auto path = folder / "db.cd";
    common::writeLineListFile(path, Lines{"1", "\xd6\xd0", ""});
    EXPECT_EQ(testsupport::readBytes(path), "1\r\n\xd6\xd0\r\n\r\n");
    EXPECT_EQ(common::readLineListFile(path), (Lines{"1", "\xd6\xd0", ""}));
    common::writeLineListFile(path, Lines{});
    EXPECT_EQ(testsupport::readBytes(path), "");
}

TEST(LineListFile, AMissingFileFailsWithItsFullPathAndTheReason) {
    testsupport::TempFolder folder;
    const auto path = folder / "missing.cd";
    try {
        common::readLineListFile(path);
        FAIL() << "read a missing file";
    } catch (const EFOpenError& error) {
        EXPECT_EQ(std::string(error.what()), "Cannot open file \"" + path.string() + "\". " +
                                                 testsupport::missingFileReason());
    }
}

TEST(LineListFile, AFolderIsNoReadableFile) {
    testsupport::TempFolder folder;
    EXPECT_THROW(common::readLineListFile(folder.path()), EFOpenError);
}

} // namespace
