#include "draw/QueueBuilder.h"
#include "common/Errors.h"
#include "tests/support/CounterSeedSource.h"
#include "tests/support/ReferenceQueueBuild.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <random>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;
using testsupport::CounterSeedSource;

class Mt19937SeedSource final : public draw::SeedSource {
public:
    explicit Mt19937SeedSource(std::uint32_t seed) : random_(seed) {}
    std::uint32_t nextSeed() override { return static_cast<std::uint32_t>(random_()); }

private:
    std::mt19937 random_;
};

TEST(QueueBuilding, AnEmptyPoolGivesAnEmptyQueue) {
    CounterSeedSource seeds;
    EXPECT_TRUE(draw::buildQueue({}, seeds).empty());
}

TEST(QueueBuilding, DealsPlainLinesWithTheRandomIndexFromTheHeadOn) {
    // Counter seeds from 123456789 give the picks 3, 4, 4, 4, 4, 4, 5 (see RandomIndex tests)
    // for counts of 7; the counts shrink here as lines are taken out of the pool.
    CounterSeedSource seeds(123456789);
    EXPECT_EQ(draw::buildQueue({"1", "2", "3", "4", "5", "6", "7"}, seeds),
              (Lines{"4", "5", "6", "3", "7", "2", "1"}));
    EXPECT_EQ(seeds.taken(123456789), 7u);
}

TEST(QueueBuilding, PinnedLinesStandAtTheirPositionsAndTheRestIsDealtAroundThem) {
    CounterSeedSource seeds(123456789);
    EXPECT_EQ(draw::buildQueue({"a", "b#2", "c", "d", "e#5"}, seeds),
              (Lines{"c", "b", "d", "a", "e"}));
    EXPECT_EQ(seeds.taken(123456789), 3u);
}

TEST(QueueBuilding, AFullyPinnedPoolNeedsNoRandomPick) {
    CounterSeedSource seeds;
    EXPECT_EQ(draw::buildQueue({"c#3", "a#1", "d#4", "b#2"}, seeds), (Lines{"a", "b", "c", "d"}));
    EXPECT_EQ(seeds.taken(), 0u);
}

TEST(QueueBuilding, TheLastFreeSlotTakesTheLastLine) {
    CounterSeedSource seeds(0xFFFFFFFFu);
    EXPECT_EQ(draw::buildQueue({"x", "p#1"}, seeds), (Lines{"p", "x"}));
}

struct PinnedForm {
    std::string line;
    std::string entry;
};

void PrintTo(const PinnedForm& form, std::ostream* out) {
    *out << '"' << form.line << '"';
}

class PinnedPositionForms : public testing::TestWithParam<PinnedForm> {};

TEST_P(PinnedPositionForms, PinTheEntryToPositionSeven) {
    Lines pool = {"1", "2", "3", "4", "5", "6", "8", "9"};
    pool.insert(pool.begin() + 3, GetParam().line);
    CounterSeedSource seeds;
    const Lines queue = draw::buildQueue(pool, seeds);
    EXPECT_EQ(queue[6], GetParam().entry);
}

INSTANTIATE_TEST_SUITE_P(Forms, PinnedPositionForms,
                         testing::Values(PinnedForm{"x#7", "x"}, PinnedForm{"x#   7", "x"},
                                         PinnedForm{"x#+7", "x"}, PinnedForm{"x#$7", "x"},
                                         PinnedForm{"x#0x7", "x"}, PinnedForm{"x#X7", "x"},
                                         PinnedForm{"#7", ""}, PinnedForm{" x y #7", " x y "},
                                         PinnedForm{"\xd6\xd0#07", "\xd6\xd0"},
                                         PinnedForm{"*#7", "*"}));

class MalformedPositions : public testing::TestWithParam<std::pair<std::string, std::string>> {};

TEST_P(MalformedPositions, EndTheBuildingWithTheConversionError) {
    CounterSeedSource seeds;
    try {
        draw::buildQueue({"1", GetParam().first, "3"}, seeds);
        FAIL() << "built with " << GetParam().first;
    } catch (const EConvertError& error) {
        EXPECT_EQ(std::string(error.what()), GetParam().second);
    }
}

INSTANTIATE_TEST_SUITE_P(Forms, MalformedPositions,
                         testing::Values(std::pair{"x#7 ", "'7 ' is not a valid integer value"},
                                         std::pair{"x#7a", "'7a' is not a valid integer value"},
                                         std::pair{"x#", "'' is not a valid integer value"},
                                         std::pair{"x#7#2", "'7#2' is not a valid integer value"},
                                         std::pair{"x##7", "'#7' is not a valid integer value"},
                                         std::pair{"x#\t7", "'\t7' is not a valid integer value"},
                                         std::pair{"x#4294967296",
                                                   "'4294967296' is not a valid integer value"}));

TEST(QueueBuilding, TheFailingLineNearestTheEndIsReported) {
    CounterSeedSource seeds;
    EXPECT_THROW(
        {
            try {
                draw::buildQueue({"a#first", "b#2", "c#last"}, seeds);
            } catch (const EConvertError& error) {
                EXPECT_EQ(std::string(error.what()), "'last' is not a valid integer value");
                throw;
            }
        },
        EConvertError);
}

TEST(QueueBuilding, EmptyAndStarLinesAreDealtLikeAnyOther) {
    CounterSeedSource seeds;
    Lines queue = draw::buildQueue({"", "*", "1", "", "*"}, seeds);
    std::sort(queue.begin(), queue.end());
    EXPECT_EQ(queue, (Lines{"", "", "*", "*", "1"}));
}

TEST(QueueBuilding, ARepeatedPositionGoesToTheLineNearestTheTopAndNoLineIsLost) {
    CounterSeedSource seeds(99);
    const Lines queue = draw::buildQueue({"1", "top#2", "3", "low#2", "5"}, seeds);
    EXPECT_EQ(queue[1], "top");
    Lines sorted = queue;
    std::sort(sorted.begin(), sorted.end());
    EXPECT_EQ(sorted, (Lines{"1", "3", "5", "low", "top"}));
}

TEST(QueueBuilding, OutOfRangePositionsAreDealtAsTheirEntryText) {
    CounterSeedSource seeds(5);
    Lines queue = draw::buildQueue({"zero#0", "a", "far#4", "neg#-1", "huge#$7FFFFFFF"}, seeds);
    std::sort(queue.begin(), queue.end());
    EXPECT_EQ(queue, (Lines{"a", "far", "huge", "neg", "zero"}));
}

TEST(QueueBuilding, APinnedStarIsNotDealtOver) {
    CounterSeedSource seeds;
    const Lines queue = draw::buildQueue({"a", "*#2", "b"}, seeds);
    EXPECT_EQ(queue[1], "*");
    EXPECT_TRUE((queue == Lines{"a", "*", "b"}) || (queue == Lines{"b", "*", "a"}));
}

// A pool of random lines, some pinned: a few in range, some repeated, some out of range.
Lines randomPool(std::mt19937& random) {
    const int n = static_cast<int>(random() % 40);
    Lines pool;
    for (int i = 0; i < n; ++i) {
        std::string entry = "e" + std::to_string(i);
        switch (random() % 6) {
        case 0:
            entry += "#" + std::to_string(1 + random() % static_cast<unsigned>(n));
            break;
        case 1:
            entry +=
                "#" + std::to_string(static_cast<int>(random() % static_cast<unsigned>(n + 6)) - 3);
            break;
        case 2:
            entry =
                random() % 2 ? "*" : "*#" + std::to_string(1 + random() % static_cast<unsigned>(n));
            break;
        default:
            break;
        }
        pool.push_back(entry);
    }
    return pool;
}

std::string entryText(const std::string& line) {
    return line.substr(0, line.find('#'));
}

TEST(QueueBuildingProperties, EveryLineLandsOnceAndPinsHoldTheirPositions) {
    std::mt19937 random(4242);
    for (int round = 0; round < 5000; ++round) {
        const Lines pool = randomPool(random);
        Mt19937SeedSource seeds(static_cast<std::uint32_t>(round));
        const Lines queue = draw::buildQueue(pool, seeds);

        std::multiset<std::string> expected;
        std::map<int, std::string> topmostPin;
        for (std::size_t i = pool.size(); i-- > 0;) {
            expected.insert(entryText(pool[i]));
            const auto hash = pool[i].find('#');
            if (hash != std::string::npos) {
                const int position = std::stoi(pool[i].substr(hash + 1));
                if (position >= 1 && position <= static_cast<int>(pool.size())) {
                    topmostPin[position] = entryText(pool[i]);
                }
            }
        }
        ASSERT_EQ(std::multiset<std::string>(queue.begin(), queue.end()), expected)
            << "round " << round;
        for (const auto& [position, entry] : topmostPin) {
            ASSERT_EQ(queue[static_cast<std::size_t>(position) - 1], entry)
                << "round " << round << " position " << position;
        }
    }
}

TEST(QueueBuildingProperties, TheFastBuildingGivesTheReferenceWalksQueue) {
    std::mt19937 random(777);
    for (int round = 0; round < 5000; ++round) {
        const Lines pool = randomPool(random);
        Mt19937SeedSource fastSeeds(static_cast<std::uint32_t>(round));
        Mt19937SeedSource referenceSeeds(static_cast<std::uint32_t>(round));
        ASSERT_EQ(draw::buildQueue(pool, fastSeeds),
                  testsupport::referenceBuildQueue(pool, referenceSeeds))
            << "round " << round;
    }
}

TEST(QueueBuildingProperties, LargePoolsMatchTheReferenceToo) {
    std::mt19937 random(31);
    Lines pool;
    for (int i = 0; i < 3000; ++i) {
        pool.push_back(std::to_string(i) +
                       (i % 10 == 0 ? "#" + std::to_string(1 + random() % 3000) : ""));
    }
    Mt19937SeedSource fastSeeds(1);
    Mt19937SeedSource referenceSeeds(1);
    EXPECT_EQ(draw::buildQueue(pool, fastSeeds),
              testsupport::referenceBuildQueue(pool, referenceSeeds));
}

} // namespace
