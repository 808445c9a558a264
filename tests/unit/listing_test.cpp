#include <gtest/gtest.h>

#include "panes/listing.h"
#include "panes/listing_cache.h"
#include "panes/pane_colours.h"
#include "panes/pane_paths.h"

using namespace zerin;

TEST(Listing, TextRoundTripKeepsSizesIconsAndKinds) {
    PaneListing listing;
    listing.addFolder({"/d/Photos", 0, 0, 0, {}});
    listing.addFolder({"/d/Old, stuff", 4096, 1, 1, {}});
    listing.addFile({"/d/notes.txt", 20480, 3, 3, {}});
    listing.addFile({"/d/ünï,code.cpp", 7, 0, 0, {}});
    const std::string text = listingText(listing, "/d/");
    EXPECT_EQ(text,
              "/d/\r\n0,Photos/\r\nIL:1,IS:1,4096,Old, stuff/\r\nIL:3,IS:3,20480,notes.txt\r\n7,ünï,code.cpp\r\n");

    PaneListing back;
    std::string folder;
    ASSERT_EQ(parseListingText(text, folder, back), ParseError::None);
    EXPECT_EQ(folder, "/d/");
    ASSERT_EQ(back.folders().size(), 2u);
    ASSERT_EQ(back.files().size(), 2u);
    EXPECT_EQ(back.folders()[1].path, "/d/Old, stuff");
    EXPECT_EQ(back.folders()[1].largeIcon, 1);
    EXPECT_EQ(back.files()[0].size, 20480);
    EXPECT_EQ(back.files()[0].smallIcon, 3);
    EXPECT_EQ(back.files()[1].path, "/d/ünï,code.cpp");
    EXPECT_EQ(listingText(back, "/d/"), text);
}

TEST(Listing, IconMarkersAreReadOnlyAtTheStartOfALine) {
    ListingLine line;
    ASSERT_TRUE(parseListingLine("il:5,is:6,10,a.txt", line));
    EXPECT_EQ(line.largeIcon, 5);
    EXPECT_EQ(line.smallIcon, 6);
    EXPECT_EQ(line.name, "a.txt");
    // A name that contains "IL:" is a name, not an icon index.
    ASSERT_TRUE(parseListingLine("10,FIL:9,x", line));
    EXPECT_EQ(line.largeIcon, 0);
    EXPECT_EQ(line.size, 10);
    EXPECT_EQ(line.name, "FIL:9,x");
}

TEST(Listing, DamagedTextKeepsTheEntriesReadSoFar) {
    PaneListing listing;
    std::string folder = "/d/";
    EXPECT_EQ(parseListingText("/d/\r\n1,a\r\n2,b", folder, listing), ParseError::NoNewline);
    ASSERT_EQ(listing.files().size(), 1u);
    EXPECT_EQ(listing.files()[0].path, "/d/a");

    listing.clear();
    EXPECT_EQ(parseListingText("/d/\r\n1,a\r\n0,sub/\r\nbroken", folder, listing), ParseError::NoComma);
    EXPECT_EQ(listing.files().size(), 1u);
    EXPECT_EQ(listing.folders().size(), 1u);
}

TEST(Listing, TablesStopAt10001EntriesAndCountWhatWasLeftOut) {
    PaneListing listing;
    for (int i = 0; i < 10005; ++i) listing.addFile({"/d/f" + std::to_string(i), 1, 0, 0, {}});
    for (int i = 0; i < 10002; ++i) listing.addFolder({"/d/g" + std::to_string(i), 0, 0, 0, {}});
    EXPECT_EQ(listing.files().size(), PaneListing::kMaxEntries);
    EXPECT_EQ(listing.folders().size(), PaneListing::kMaxEntries);
    EXPECT_EQ(listing.files().back().path, "/d/f10000");
    EXPECT_EQ(listing.leftOut(), 5u);
    listing.clear();
    EXPECT_EQ(listing.leftOut(), 0u);
}

TEST(Listing, SizesTheFieldCannotHoldReadAsNotComputed) {
    auto size = [](std::string_view field) {
        ListingLine line;
        EXPECT_TRUE(parseListingLine(std::string(field) + ",Big/", line)) << field;
        EXPECT_EQ(line.name, "Big/");
        return line.size;
    };
    // The extremes of the 64-bit field still read exactly.
    EXPECT_EQ(size("9223372036854775807"), INT64_MAX);
    EXPECT_EQ(size("-9223372036854775808"), INT64_MIN);
    EXPECT_EQ(size(" 42 "), 42);
    // One past either end, far past it, and every form of a number that is no number.
    for (std::string_view bad : {"9223372036854775808", "-9223372036854775809", "99999999999999999999999",
                                 "1e400", "9.3e18", "-9.3e18", "9223372036854775808.0", "-9223372036854775808.0", "nan", "-nan", "NAN(123)",
                                 "inf", "-inf", "infinity", "abc", "", "  ", "+5", "ï¼"})
        EXPECT_EQ(size(bad), 0) << bad;
    // A fractional size keeps its whole part, the largest that fits included.
    EXPECT_EQ(size("12.7"), 12);
    EXPECT_EQ(size("-3.9"), -3);
    EXPECT_EQ(size("9.2e18"), 9200000000000000000);
    EXPECT_EQ(size("1e3"), 1000);
    EXPECT_EQ(size("12abc"), 12);
    EXPECT_EQ(size(".5"), 0);
}

TEST(Listing, NamesWithALineBreakAreLeftOutOfTheText) {
    PaneListing listing;
    listing.addFile({"/d/cr\rx", 1, 0, 0, {}});
    listing.addFile({"/d/lf\nnew", 2, 0, 0, {}});
    listing.addFile({"/d/both\r\n5,new", 3, 0, 0, {}});
    listing.addFolder({"/d/dir\n9,evil", 0, 0, 0, {}});
    listing.addFile({"/d/plain, with comma", 4, 0, 0, {}});
    const std::string text = listingText(listing, "/d/");
    EXPECT_EQ(text, "/d/\r\n4,plain, with comma\r\n");

    std::string folder;
    PaneListing back;
    ASSERT_EQ(parseListingText(text, folder, back), ParseError::None);
    EXPECT_TRUE(back.folders().empty());
    ASSERT_EQ(back.files().size(), 1u);
    EXPECT_EQ(back.files()[0].path, "/d/plain, with comma");

    std::string out;
    EXPECT_FALSE(appendListingLine(out, "a\rb", 1, false));
    EXPECT_TRUE(appendListingLine(out, "a\tb", 1, false));  // other control characters are names
    EXPECT_EQ(out, "1,a\tb\r\n");
}

TEST(ListingCache, AFolderPathWithALineBreakIsNotCached) {
    ListingCache cache;
    // The path is the text's first line: the rest of it would read as entries.
    EXPECT_FALSE(cache.add("/m/x\r\n5,evil/", "/m/x\r\n5,evil/\r\n1,f\r\n"));
    EXPECT_FALSE(cache.put("/m/y\n/", "/m/y\n/\r\n"));
    EXPECT_FALSE(cache.add("/m/z\r/", "/m/z\r/\r\n"));
    EXPECT_EQ(cache.size(), 0u);
    EXPECT_EQ(cache.find("/m/y\n/"), nullptr);
    EXPECT_TRUE(cache.put("/m/ok/", "/m/ok/\r\n"));
    EXPECT_EQ(cache.size(), 1u);
}

TEST(ListingCache, KeysAreCaseSensitiveAndKeepInsertionOrder) {
    ListingCache cache;
    EXPECT_TRUE(cache.add("/m/Photos/", "A"));
    EXPECT_TRUE(cache.add("/m/photos/", "B"));
    EXPECT_FALSE(cache.add("/m/Photos/", "C"));
    EXPECT_EQ(*cache.find("/m/Photos/"), "A");
    EXPECT_EQ(*cache.find("/m/photos/"), "B");
    EXPECT_EQ(cache.find("/m/PHOTOS/"), nullptr);
    cache.remove("/m/Photos/");
    cache.add("/m/Photos/", "D");
    cache.put("/m/photos/", "E");
    ASSERT_EQ(cache.size(), 2u);
    EXPECT_EQ(cache.entries().front().second, "E");
    EXPECT_EQ(cache.entries().back().second, "D");
}

TEST(PanePaths, SuffixNameAndParent) {
    EXPECT_EQ(fileSuffix("/media/usb:/"), ":/");
    EXPECT_EQ(fileSuffix("/home/Music/"), "/");
    EXPECT_EQ(fileSuffix("README"), "");
    EXPECT_EQ(fileSuffix("/a/archive.tar.GZ"), "GZ");
    // the suffix is the last component's own
    EXPECT_EQ(fileSuffix("/a.b/README"), "");

    std::string p = "/home/Music/";
    EXPECT_EQ(trimName(p), "Music");
    EXPECT_EQ(p, "/home/Music");
    std::string q = "\"/home/my file.txt\"";
    EXPECT_EQ(trimName(q), "my file.txt");
    std::string r = "/home/Music/";
    EXPECT_EQ(trimPath(r), "/home");
    std::string s = "abc";
    EXPECT_EQ(trimPath(s), "false");

    EXPECT_EQ(shortSuffixLower("/a/archive.tar.gz"), "gz");
    EXPECT_EQ(shortSuffixLower("/a/x.abcdefghij"), "");
    EXPECT_EQ(shortSuffixLower("/a/x.abcdefgh"), "abcdefgh");
}

TEST(PaneColours, KindsByRoleAndSuffix) {
    ColourTable t;
    EXPECT_EQ(fileSuffixColour(t, "/"), 0x44ffffu);
    EXPECT_EQ(fileSuffixColour(t, ":/"), 0x66ff66u);
    EXPECT_EQ(fileSuffixColour(t, "MKV"), 0x3090ffu);
    EXPECT_EQ(fileSuffixColour(t, "jpeg"), t.file(3));
    EXPECT_EQ(fileSuffixColour(t, "m3u"), t.file(4));
    EXPECT_EQ(fileSuffixColour(t, "exe"), 0x4040feu);
    EXPECT_EQ(fileSuffixColour(t, "zip"), 0xffffffu);

    EXPECT_EQ(refreshFileColour(t, "/a/film.AVI", true), 0x3090ffu);
    EXPECT_EQ(refreshFileColour(t, "/a/film.avi", false), 0x1060afu);
    EXPECT_EQ(refreshFileColour(t, "/a/p.jpg", false), shade(t.file(2), 60));
    EXPECT_EQ(refreshFileColour(t, "/a/x.abcdefghij", true), 0xffffffu);
    EXPECT_EQ(refreshFileColour(t, "/a/x.txt", false), 0xaaaaaau);

    EXPECT_EQ(roleColour(t, "/a/sub/", true, false), brighten(t.file(1), 140));
    EXPECT_EQ(roleColour(t, "/a/sub/", false, false), shade(t.file(1), 60));
    EXPECT_EQ(roleColour(t, "/home/", true, true), brighten(0x66ff66, 120));
    EXPECT_EQ(roleColour(t, "/a/n.txt", true, false), t.file(3));
    // compared exactly as written
    EXPECT_EQ(roleColour(t, "/a/n.TXT", true, false), brighten(t.file(4), 140));
    EXPECT_EQ(roleColour(t, "/a/s.mp3", false, false), shade(0x3090ff, 60));
}
