#include "draw/DrawQueue.h"
#include "common/Errors.h"
#include "tests/support/CounterSeedSource.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

namespace {

using Lines = std::vector<std::string>;

Lines entriesOf(const draw::DrawQueue& queue) {
    return Lines(queue.entries().begin(), queue.entries().end());
}

TEST(DrawQueue, AnEmptyQueueReadsAsEmptyTextEverywhere) {
    testsupport::CounterSeedSource seeds;
    draw::DrawQueue queue(seeds);
    EXPECT_EQ(queue.count(), 0);
    EXPECT_EQ(queue.head(), "");
    EXPECT_EQ(queue.entryAt(0), "");
    queue.removeHead();
    EXPECT_EQ(queue.count(), 0);
    EXPECT_TRUE(queue.entries().empty());
}

TEST(DrawQueue, LosesItsHeadOneDrawAtATime) {
    testsupport::CounterSeedSource seeds;
    draw::DrawQueue queue(seeds);
    queue.setEntries({"a#1", "*", " b "});
    queue.setEventTotal(3);
    EXPECT_EQ(queue.head(), "a#1");
    EXPECT_EQ(queue.entryAt(2), " b ");
    EXPECT_EQ(queue.entryAt(3), "");
    EXPECT_EQ(queue.entryAt(-1), "");
    queue.removeHead();
    EXPECT_EQ(queue.count(), 2);
    EXPECT_EQ(queue.head(), "*");
    EXPECT_EQ(queue.entryAt(1), " b ");
    EXPECT_EQ(entriesOf(queue), (Lines{"*", " b "}));
    queue.removeHead();
    queue.removeHead();
    queue.removeHead();
    EXPECT_EQ(queue.count(), 0);
    EXPECT_EQ(queue.head(), "");
    EXPECT_EQ(queue.eventTotal(), 3);
}

TEST(DrawQueue, AFailedBuildingLeavesTheQueueAsItWas) {
    testsupport::CounterSeedSource seeds;
    draw::DrawQueue queue(seeds);
    queue.setEntries({"kept"});
    EXPECT_THROW(queue.build({"a#1", "b#x"}), EConvertError);
    EXPECT_EQ(entriesOf(queue), Lines{"kept"});
}

TEST(DrawQueue, TheFlickerCanShowEveryEntryIncludingTheHead) {
    testsupport::CounterSeedSource seeds(0x9E3779B9u);
    draw::DrawQueue queue(seeds);
    queue.setEntries({"1", "2", "3", "4"});
    std::set<std::string> shown;
    for (int tick = 0; tick < 2000; ++tick) {
        shown.insert(queue.entryAt(queue.randomIndex(queue.count())));
    }
    EXPECT_EQ(shown, (std::set<std::string>{"1", "2", "3", "4"}));
}

} // namespace
