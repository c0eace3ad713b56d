#include "draw/ConsecutivePool.h"

#include <gtest/gtest.h>

namespace {

using Pool = std::vector<std::string>;

TEST(ConsecutivePool, HoldsEveryNumberFromFirstToLast) {
    EXPECT_EQ(draw::consecutivePool("1", "5"), (Pool{"1", "2", "3", "4", "5"}));
    EXPECT_EQ(draw::consecutivePool(" 7 ", "\t7"), Pool{"7"});
    EXPECT_EQ(draw::consecutivePool("-2", "2"), (Pool{"-2", "-1", "0", "1", "2"}));
    EXPECT_EQ(draw::consecutivePool("$A", "0xC"), (Pool{"10", "11", "12"}));
    EXPECT_EQ(draw::consecutivePool("9", "3"), Pool{});
}

TEST(ConsecutivePool, HoldsAHundredThousandNumbersAtMost) {
    EXPECT_EQ(draw::consecutivePool("1", "100000")->size(), 100000u);
    EXPECT_EQ(draw::consecutivePool("1", "100001"), std::nullopt);
    EXPECT_EQ(draw::consecutivePool("-2147483648", "2147483647"), std::nullopt);
}

TEST(ConsecutivePool, BoundsThatAreNoNumbersMakeNothing) {
    EXPECT_EQ(draw::consecutivePool("abc", "5"), std::nullopt);
    EXPECT_EQ(draw::consecutivePool("1", ""), std::nullopt);
    EXPECT_EQ(draw::consecutivePool("1", "2147483648"), std::nullopt);
}

} // namespace
