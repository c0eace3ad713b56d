#include "common/Entropy.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <chrono>
#include <thread>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#endif

namespace {

TEST(Entropy, FillsEveryByteAndNeverRepeats) {
    std::array<unsigned char, 1> one{};
    EXPECT_NO_THROW(common::fillEntropy(one.data(), one.size()));
    // 1 000 bytes from a real source are never all zero, and two draws of 32 bytes never match.
    std::vector<unsigned char> many(1000, 0);
    common::fillEntropy(many.data(), many.size());
    EXPECT_NE(std::count(many.begin(), many.end(), 0), 1000);
    std::array<unsigned char, 32> first{}, second{};
    common::fillEntropy(first.data(), first.size());
    common::fillEntropy(second.data(), second.size());
    EXPECT_NE(first, second);
}

#ifdef _WIN32
// The Windows suite runs as on the PCs the program is made for; without code page 936 its
// expectations of system texts and file names would not hold.
TEST(WindowsPlatform, RunsWithCodePage936) {
    EXPECT_EQ(GetACP(), 936u);
}
#endif

} // namespace
