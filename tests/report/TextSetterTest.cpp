#include "report/TextSetter.h"
#include "FakeMeasurer.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

// With 10 pixels a byte and one pixel added to every width, a label of W pixels holds
// (W - 1) div 10 bytes on a line.
Lines set(const std::string& text, int widthPixels) {
    testsupport::FakeMeasurer measurer;
    return report::setLabelText(text, widthPixels, report::Font{}, measurer);
}

TEST(TextSetting, WrapsAfterSpacesAndHyphens) {
    EXPECT_EQ(set("aaa bbb ccc", 81), (Lines{"aaa bbb ", "ccc"}));
    EXPECT_EQ(set("0571-1234-5678", 101), (Lines{"0571-1234-", "5678"}));
    EXPECT_EQ(set("aaa bbb", 71), (Lines{"aaa bbb"}));
    EXPECT_EQ(set("aaa bbb", 70), (Lines{"aaa ", "bbb"}));
}

TEST(TextSetting, CutsAWordWiderThanTheLabelAndDropsTheRest) {
    // At the start of a line the characters that fit stay.
    EXPECT_EQ(set("abcdefghij", 51), (Lines{"abcde"}));
    // After other words the line is closed first, then the word is shortened.
    EXPECT_EQ(set("ab abcdefghij xy", 51), (Lines{"ab ", "abcde", "xy"}));
}

TEST(TextSetting, ChineseTextWithoutBreaksIsOneWordCutAtWholeCharacters) {
    // 杭州市西湖区: six characters of two bytes, 20 pixels each.
    const std::string text = "\xba\xbc\xd6\xdd\xca\xd0\xce\xf7\xba\xfe\xc7\xf8";
    EXPECT_EQ(set(text, 61), (Lines{"\xba\xbc\xd6\xdd\xca\xd0"}));
    EXPECT_EQ(set(text, 51), (Lines{"\xba\xbc\xd6\xdd"}));
    EXPECT_EQ(set(text, 500), (Lines{text}));
}

TEST(TextSetting, CrEndsALineAndLfIsDropped) {
    EXPECT_EQ(set("road 1\r\n0571", 500), (Lines{"road 1", "0571"}));
    EXPECT_EQ(set("\r\n0571", 500), (Lines{"", "0571"}));
    EXPECT_EQ(set("a\rb\nc", 500), (Lines{"a", "bc"}));
    EXPECT_EQ(set("a\r\n\r\nb", 500), (Lines{"a", "", "b"}));
    EXPECT_EQ(set("", 500), (Lines{""}));
}

TEST(TextSetting, TheDashedRuleKeepsWholeHyphenWords) {
    std::string rule = "-";
    for (int i = 1; i < 60; ++i) {
        rule += " -";
    }
    const Lines lines = set(rule, 101);
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[0], "- - - - - ");
}

TEST(TextSetting, ALabelWithoutWidthShowsNothingAndEnds) {
    EXPECT_EQ(set("abc def", 0), (Lines{"", ""}));
    EXPECT_EQ(set("abc", -30), (Lines{""}));
}

} // namespace
