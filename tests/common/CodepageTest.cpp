#include "common/Codepage.h"

#include <gtest/gtest.h>

namespace {

// 岚舟垂钓园 in GBK and in UTF-8.
const std::string parkGbk = "\xe1\xb0\xd6\xdb\xb4\xb9\xb5\xf6\xd4\xb0";
const std::string parkUtf8 = "\xe5\xb2\x9a\xe8\x88\x9f\xe5\x9e\x82\xe9\x92\x93\xe5\x9b\xad";

TEST(Codepage, ConvertsBothWaysAndKeepsAscii) {
    EXPECT_EQ(common::gbkToUtf8(parkGbk + " 58#3"), parkUtf8 + " 58#3");
    EXPECT_EQ(common::utf8ToGbk(parkUtf8 + " 58#3"), parkGbk + " 58#3");
    EXPECT_EQ(common::gbkToUtf8(""), "");
    EXPECT_EQ(common::utf8ToGbk(""), "");
}

TEST(Codepage, RefusesCharactersCodePage936CannotHold) {
    EXPECT_EQ(common::utf8ToGbk("\xf0\x9f\x8e\xa3"), std::nullopt); // a fishing-pole emoji
    EXPECT_EQ(common::utf8ToGbk("ok\xe0\xb8\x81"), std::nullopt);   // a Thai letter
}

TEST(Codepage, MarksBytesThatAreNotGbk) {
    EXPECT_EQ(common::gbkToUtf8("a\xff"
                                "b"),
              "a\xef\xbf\xbd"
              "b");
    EXPECT_EQ(common::gbkToUtf8("a\xd6"), "a\xef\xbf\xbd");
    // A lead byte before a line break stands alone; the break survives.
    EXPECT_EQ(common::gbkToUtf8("\xd6\r\n\xd6\xd0"), "\xef\xbf\xbd\r\n\xe4\xb8\xad");
}

TEST(Codepage, TakesTheEuroSignOfCodePage936) {
    EXPECT_EQ(common::gbkToUtf8("\x80"), "\xe2\x82\xac");
    EXPECT_EQ(common::utf8ToGbk("\xe2\x82\xac"), "\x80");
}

} // namespace
