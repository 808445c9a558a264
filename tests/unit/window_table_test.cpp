#include <gtest/gtest.h>

#include "modes/window_table.h"

using namespace zerin;

TEST(WindowTable, OnlyVisibleTitledForeignWindowsInListOrder) {
    const std::vector<TopLevelWindow> listed = {
        {10, "Terminal", true},
        {11, "Program Manager", true},
        {12, "Hidden helper", false},
        {13, "", true},
        {14, "Zerin", true},  // the program's own window
        {15, "program manager", true},  // only the exact title is the desktop's
        {0, "No handle", true},
        {16, "Editor", true},
    };
    const std::vector<WindowEntry> table = buildWindowTable(listed, {14});
    EXPECT_EQ(table, (std::vector<WindowEntry>{{10, "Terminal"}, {15, "program manager"}, {16, "Editor"}}));
}

TEST(WindowTable, HoldsAtMostAHundredEntries) {
    std::vector<TopLevelWindow> listed;
    for (WindowHandle h = 1; h <= 200; ++h) listed.push_back({h, "w" + std::to_string(h), h % 2 == 0 || h > 100});
    const std::vector<WindowEntry> table = buildWindowTable(listed, {});
    ASSERT_EQ(table.size(), window_table::kMaxEntries);
    // Half of the first 100 are invisible, so the table reaches into the later ones.
    EXPECT_EQ(table.front().handle, 2u);
    // 50 even handles up to 100, then 101 to 150.
    EXPECT_EQ(table.back().handle, 150u);
}

TEST(WindowTable, CaptionCutAfterFifteenCharacters) {
    EXPECT_EQ(windowCaption("123456789012345"), "123456789012345");
    EXPECT_EQ(windowCaption("1234567890123456"), "1234567890123...");
    EXPECT_EQ(windowCaption(""), "");
    // Characters, not bytes: fifteen two-byte letters stay whole, sixteen are cut at 13.
    const std::string fifteen = "ääääääääääääääå";
    EXPECT_EQ(windowCaption(fifteen), fifteen);
    EXPECT_EQ(windowCaption(fifteen + "x"), "äääääääääääää...");
}

TEST(WindowTable, TagCarriesTheHandleBeforeTheFirstBlank) {
    const WindowEntry entry{4194311, "Mail - Inbox (3)"};
    EXPECT_EQ(windowTag(entry), "4194311 Mail - Inbox (3)");
    EXPECT_EQ(tagHandle(windowTag(entry)), 4194311u);
    EXPECT_EQ(tagHandle("77"), 77u);
    EXPECT_EQ(tagHandle("x12 title"), 0u);
    EXPECT_EQ(tagHandle("12x title"), 0u);
    EXPECT_EQ(tagHandle(""), 0u);
    EXPECT_EQ(tagHandle("99999999999999999999999 overflow"), 0u);
}
