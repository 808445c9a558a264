#include "script/line_index.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

using zerin::LineIndex;

// The index stands in for a map from line starts to slots: whatever is stored, in any
// order and across its growth, must be found again, and nothing else.
TEST(LineIndex, FindsWhatWasStoredAcrossGrowthAndNothingElse) {
    LineIndex index;
    EXPECT_EQ(index.find(0), LineIndex::kAbsent);
    std::map<std::size_t, std::uint32_t> expected;
    std::mt19937_64 random(7);
    for (std::uint32_t i = 0; i < 5000; ++i) {
        // Line starts of real texts: small, close together, and 0 among them.
        std::size_t start = i == 0 ? 0 : random() % 40000;
        index.set(start, i);
        expected[start] = i;
    }
    for (const auto& [start, value] : expected) EXPECT_EQ(index.find(start), value) << start;
    for (std::size_t start = 40000; start < 40100; ++start) EXPECT_EQ(index.find(start), LineIndex::kAbsent);
}

TEST(LineIndex, SetReplacesAndClearForgets) {
    LineIndex index;
    index.set(12, 1);
    index.set(12, 2);
    EXPECT_EQ(index.find(12), 2u);
    index.clear();
    EXPECT_EQ(index.find(12), LineIndex::kAbsent);
    index.set(12, 3);
    EXPECT_EQ(index.find(12), 3u);
}
