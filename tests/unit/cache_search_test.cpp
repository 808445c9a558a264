// Searching the listing cache from the path box: which texts search, which entries a
// search of several words lists, what their items look like, and the pane staying usable
// while the search pumps the events.
#include <gtest/gtest.h>

#include "app/program.h"
#include "fake_platform.h"
#include "memory_file_system.h"
#include "panes/cache_search.h"
#include "panes/listing.h"
#include "panes/pane_colours.h"
#include "panes/pane_model.h"
#include "panes/pane_refresh.h"

namespace zerin {
namespace {

class CacheSearch : public ::testing::Test {
protected:
    CacheSearch() {
        z.fileSystem = &fs;
        fs.addFolder("/tmp");
        z.panes.cache.put("/music/", "/music/\r\n0,Holiday Songs/\r\n4096,holiday.ogg\r\n100,Songs of work.txt\r\n");
        z.panes.cache.put("/photos/2020/",
                          "/photos/2020/\r\nIL:3,IS:3,2048,Holiday beach.JPG\r\n512,beach.txt\r\n700,holiday.mp3\r\n");
        z.panes.cache.put("/empty/", "/empty/\r\n");
    }
    std::vector<std::string> tags() const {
        std::vector<std::string> out;
        for (const ListItem& item : z.panes.list(0).items()) out.push_back(item.tag);
        return out;
    }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    test::MemoryFileSystem fs;
};

TEST_F(CacheSearch, TextsThatAreNoSearch) {
    for (const char* typed : {"/tmp", "  /tmp/x", "ab", "ab cdef", "Reading: /music/", "Drives", "drives", "Text List",
                              "scripts", "Projects:", ""})
        EXPECT_FALSE(isSearchText(typed)) << typed;
    for (const char* typed : {"abc", "holiday songs", "Holiday  x"}) EXPECT_TRUE(isSearchText(typed)) << typed;

    // Enter on a path does not search: the pane keeps what it showed.
    z.panes.setPath(0, "/music/");
    listUpdate(z, 0);
    EXPECT_FALSE(searchFromPathBox(z, 0, "/tmp"));
    EXPECT_EQ(z.panes.path(0), "/music/");
    EXPECT_EQ(tags().size(), 3u);
}

TEST_F(CacheSearch, WordsAreLowerCasedAtMostTwentyAndDoubleBlanksDropped) {
    EXPECT_EQ(searchWords("Holiday  BEACH x"), (std::vector<std::string>{"holiday", "beach", "x"}));
    std::string many;
    for (int i = 0; i < 25; ++i) many += "w" + std::to_string(i) + " ";
    const auto words = searchWords(many);
    ASSERT_EQ(words.size(), 20u);
    EXPECT_EQ(words.back(), "w19");
}

TEST_F(CacheSearch, TwoWordsListOnlyEntriesWhoseLinesHoldBoth) {
    ASSERT_TRUE(searchFromPathBox(z, 0, "HOLIDAY songs"));
    EXPECT_EQ(z.panes.path(0), "HOLIDAY songs");
    // "Songs of work.txt" lies in a folder that holds both words, but its own line lacks
    // "holiday"; the photos folder lacks "songs" altogether.
    EXPECT_EQ(tags(), std::vector<std::string>{"/music/Holiday Songs/"});

    ASSERT_TRUE(searchFromPathBox(z, 0, "holiday beach"));
    EXPECT_EQ(tags(), std::vector<std::string>{"/photos/2020/Holiday beach.JPG"});
    const ListItem& item = z.panes.list(0).items().front();
    // The name is shown without the icon prefixes, in its own letter case.
    EXPECT_EQ(item.text, "Holiday beach.JPG");
    EXPECT_EQ(item.colour, fileSuffixColour(z.panes.colours, "JPG"));
    ASSERT_EQ(item.subItems.size(), 1u);
    EXPECT_EQ(item.subItems[0].tag, "2048");
    EXPECT_EQ(item.subItems[0].text, z.panes.sizeFormat.format(2048));
    EXPECT_EQ(z.panes.controls(0).columns.at(1).tag, "Size");
    // Results have no parent folder; going nowhere is not offered.
    EXPECT_FALSE(z.panes.controls(0).parentEnabled);

    // One word: every line holding it, folders with their "/" and the folder colour.
    ASSERT_TRUE(searchFromPathBox(z, 0, "holiday"));
    EXPECT_EQ(tags(), (std::vector<std::string>{"/music/Holiday Songs/", "/music/holiday.ogg",
                                                 "/photos/2020/Holiday beach.JPG", "/photos/2020/holiday.mp3"}));
    EXPECT_EQ(z.panes.list(0).items().front().text, "Holiday Songs");
    EXPECT_EQ(z.panes.list(0).items().front().colour, fileSuffixColour(z.panes.colours, "/"));

    // A word that is only in a folder's path line finds nothing in it.
    EXPECT_TRUE(searchFromPathBox(z, 0, "photos"));
    EXPECT_TRUE(tags().empty());
}

TEST_F(CacheSearch, TheCopyFollowsTheCacheAndAnEmptyCacheListsNothing) {
    ASSERT_TRUE(searchFromPathBox(z, 0, "beach"));
    EXPECT_EQ(tags().size(), 2u);
    const auto before = z.panes.searchIndex.current(z.panes.cache);
    z.panes.cache.put("/music/", "/music/\r\n5,Beach party.ogg\r\n");
    ASSERT_TRUE(searchFromPathBox(z, 0, "beach"));
    // Only the folder that changed was copied again; the others share their texts.
    const auto after = z.panes.searchIndex.current(z.panes.cache);
    ASSERT_EQ(before->size(), after->size());
    for (std::size_t i = 0; i < after->size(); ++i)
        EXPECT_EQ((*after)[i].lower == (*before)[i].lower, (*after)[i].key != "/music/") << (*after)[i].key;
    // The copy held from before still shows the cache as it was.
    for (const CacheSearchIndex::Folder& folder : *before)
        if (folder.key == "/music/") EXPECT_EQ(folder.text->find("Beach party"), std::string::npos);
    EXPECT_EQ(tags(), (std::vector<std::string>{"/music/Beach party.ogg", "/photos/2020/Holiday beach.JPG",
                                                 "/photos/2020/beach.txt"}));
    z.panes.cache.clear();
    ASSERT_TRUE(searchFromPathBox(z, 0, "beach"));
    EXPECT_TRUE(tags().empty());
}

TEST_F(CacheSearch, ResultsAppearEveryHundredHitsAndAMoveDuringThePumpEndsTheSearch) {
    std::string body = "/big/\r\n";
    for (int i = 0; i < 250; ++i) body += std::to_string(i) + ",match" + std::to_string(i) + ".dat\r\n";
    z.panes.cache.put("/big/", body);
    z.panes.cache.put("/later/", "/later/\r\n1,match-late.dat\r\n");
    std::vector<std::size_t> seen;
    fp.pump.onPump = [&] { seen.push_back(z.panes.list(0).items().size()); };
    ASSERT_TRUE(searchFromPathBox(z, 0, "match"));
    EXPECT_EQ(seen, (std::vector<std::size_t>{100, 200}));
    EXPECT_EQ(tags().size(), 251u);

    // The pane is sent to a folder while the events run: the search stops touching it.
    fp.pump.onPump = [&] {
        z.panes.setPath(0, "/tmp/");
        listUpdate(z, 0);
    };
    ASSERT_TRUE(searchFromPathBox(z, 0, "match"));
    EXPECT_EQ(z.panes.path(0), "/tmp/");
    EXPECT_TRUE(tags().empty());

    // The cache changing under a running search does not disturb it.
    int pumps = 0;
    fp.pump.onPump = [&] {
        if (++pumps == 1) z.panes.cache.clear();
    };
    ASSERT_TRUE(searchFromPathBox(z, 0, "match"));
    EXPECT_EQ(tags().size(), 251u);
}

TEST(WordFinder, FindsWhatFindFindsFromEveryPlace) {
    // Texts over a few letters, so that first and last letters of the words stand almost
    // everywhere, the words overlap themselves and matches fall on every byte of a block.
    std::uint32_t seed = 7;
    auto random = [&seed] { return (seed = seed * 1103515245u + 12345u) >> 16; };
    for (const std::string word : {"ab", "aba", "abca", "aaaa", "cabbac", "abcabcabcab"}) {
        const WordFinder finder(word);
        for (int round = 0; round < 40; ++round) {
            std::string text(random() % 70, 'a');
            for (char& c : text) c = "abc"[random() % 3];
            const std::string_view view = text;
            for (std::size_t from = 0; from <= text.size() + 1; ++from)
                ASSERT_EQ(finder.next(view, from), view.find(word, from)) << word << " in " << text << " from " << from;
        }
    }
}

}  // namespace
}  // namespace zerin
