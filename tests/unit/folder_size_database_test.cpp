#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pane_fixture.h"
#include "panes/folder_size_database.h"
#include "panes/listing.h"
#include "panes/pane_refresh.h"

using namespace zerin;

namespace {

std::string utf16(std::string_view utf8) {
    std::string out("\xFF\xFE", 2);
    appendUtf16le(out, utf8);
    return out;
}

class FolderSizeDatabase : public test::PaneFixture {
protected:
    std::string file() const { return tmp.path() + "Zerin_Cache.ini"; }
    std::string readBytes() const {
        std::ifstream in(file(), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
};

}  // namespace

TEST_F(FolderSizeDatabase, SaveAndLoadGiveTheSameCache) {
    ListingCache& cache = z.panes.cache;
    cache.add("/srv/a:b/", "/srv/a:b/\r\n12,x.txt\r\nIL:2,IS:2,0,Sub/\r\n");
    cache.add("/home/Åsa/", "/home/Åsa/\r\n5,räksmörgås 🦐.jpg\r\n");
    cache.add("/empty/", "/empty/\r\n");
    ASSERT_TRUE(saveFolderSizeDatabase(z));
    EXPECT_NE(printed().find("Database saved - 3 folders\r\n"), std::string::npos);
    const std::string bytes = readBytes();
    ASSERT_GE(bytes.size(), 2u);
    EXPECT_EQ(bytes.substr(0, 2), "\xFF\xFE");
    EXPECT_EQ(utf16leToUtf8(bytes.substr(2)).substr(0, 24), "CL:/srv/a:b/\r\n12,x.txt\r\n");

    Zerin other{fp.platform};
    other.fileSystem = &fs;
    other.programFolder = z.programFolder;
    EXPECT_EQ(loadFolderSizeDatabase(other), 2u);  // the empty folder's record has no body
    ASSERT_EQ(other.panes.cache.size(), 2u);
    EXPECT_EQ(*other.panes.cache.find("/srv/a:b/"), *cache.find("/srv/a:b/"));
    EXPECT_EQ(*other.panes.cache.find("/home/Åsa/"), *cache.find("/home/Åsa/"));
}

TEST_F(FolderSizeDatabase, ReaderAcceptsLowerCaseMarkersDuplicatesAndStrayLines) {
    ListingCache cache;
    const std::string bytes = utf16("stray,line\r\ncl:/x/\r\n5,f\r\n\r\nCL:/x/\r\n9,g\r\n\r\nCl:/y/\r\n1,h\r\n");
    EXPECT_EQ(decodeFolderSizeDatabase(bytes, cache), 2u);
    ASSERT_EQ(cache.size(), 2u);
    EXPECT_EQ(*cache.find("/x/"), "/x/\r\n5,f\r\n");
    EXPECT_EQ(*cache.find("/y/"), "/y/\r\n1,h\r\n");
    EXPECT_EQ(cache.find(""), nullptr);
}

TEST_F(FolderSizeDatabase, EmptyCacheAndMissingFile) {
    EXPECT_EQ(loadFolderSizeDatabase(z), 0u);
    EXPECT_TRUE(fp.dialogs.shown.empty());
    ASSERT_TRUE(saveFolderSizeDatabase(z));
    EXPECT_NE(printed().find("Database saved - 0 folders"), std::string::npos);
    EXPECT_EQ(readBytes(), "\xFF\xFE");
}

TEST_F(FolderSizeDatabase, FailedWriteKeepsTheOldFileAndSaysSo) {
    z.panes.cache.add("/a/", "/a/\r\n1,b\r\n");
    ASSERT_TRUE(saveFolderSizeDatabase(z));
    const std::string before = readBytes();
    z.panes.cache.add("/c/", "/c/\r\n2,d\r\n");
    fs.failWrites = true;
    EXPECT_FALSE(saveFolderSizeDatabase(z));
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Some error writing cache-file");
    EXPECT_EQ(readBytes(), before);
    EXPECT_EQ(z.panes.cache.size(), 2u);

    // A real failure: the program folder cannot take the temporary file.
    fs.failWrites = false;
    z.programFolder = tmp.path() + "no/such/folder";
    EXPECT_FALSE(saveFolderSizeDatabase(z));
    EXPECT_EQ(fp.dialogs.shown.size(), 2u);
}

TEST_F(FolderSizeDatabase, NamesWithLineBreaksNeverComeBackAsOtherEntries) {
    const std::string root = tmp.path() + "data/";
    tmp.file("data/plain.txt", 3);
    tmp.file("data/cr\rx", 1);
    tmp.file("data/lf\nnew", 1);
    tmp.file("data/both\r\n5,new", 1);
    tmp.folder("data/sub");
    tmp.file("data/dir\n9,evil/inner.txt", 2);

    // The pane read from the disk shows every name; the cache keeps only what its text can hold.
    z.panes.setPath(0, root);
    listUpdate(z, 0);
    EXPECT_EQ(z.panes.listing(0).files().size(), 4u);
    EXPECT_EQ(z.panes.listing(0).folders().size(), 2u);
    call("do_scanfolder " + root);
    for (const auto& [key, text] : z.panes.cache.entries()) EXPECT_FALSE(holdsLineBreak(key)) << key;
    ASSERT_NE(z.panes.cache.find(root), nullptr);
    EXPECT_EQ(*z.panes.cache.find(root), root + "\r\n3,plain.txt\r\n0,sub/\r\n");
    ASSERT_TRUE(saveFolderSizeDatabase(z));

    Zerin other{fp.platform};
    other.fileSystem = &fs;
    other.programFolder = z.programFolder;
    EXPECT_EQ(loadFolderSizeDatabase(other), 1u);  // sub/ is empty: its record has no body
    ASSERT_NE(other.panes.cache.find(root), nullptr);
    EXPECT_EQ(*other.panes.cache.find(root), *z.panes.cache.find(root));
    // Shown from the cache after the restart: the same two entries, nothing invented.
    other.panes.setPath(0, root);
    listUpdate(other, 0);
    ASSERT_EQ(other.panes.listing(0).files().size(), 1u);
    EXPECT_EQ(other.panes.listing(0).files()[0].path, root + "plain.txt");
    ASSERT_EQ(other.panes.listing(0).folders().size(), 1u);
    EXPECT_EQ(other.panes.listing(0).folders()[0].path, root + "sub");
}

TEST_F(FolderSizeDatabase, ALoneCarriageReturnInAnOlderFileStaysInItsName) {
    // Earlier files could hold a CR inside a line: it stays one entry, and a save keeps it.
    ListingCache cache;
    const std::string bytes = utf16("CL:/d/\r\n1,cr\rx\r\n2,y\r\n\r\nCL:/e\r/\r\n3,z\r\n\r\n");
    EXPECT_EQ(decodeFolderSizeDatabase(bytes, cache), 1u);  // a folder path with a CR is not taken
    ASSERT_NE(cache.find("/d/"), nullptr);
    EXPECT_EQ(*cache.find("/d/"), "/d/\r\n1,cr\rx\r\n2,y\r\n");
    ListingCache again;
    EXPECT_EQ(decodeFolderSizeDatabase(encodeFolderSizeDatabase(cache), again), 1u);
    EXPECT_EQ(*again.find("/d/"), *cache.find("/d/"));
    PaneListing listing;
    std::string folder;
    parseListingText(*again.find("/d/"), folder, listing);
    ASSERT_EQ(listing.files().size(), 2u);
    EXPECT_EQ(listing.files()[0].path, "/d/cr\rx");
}

TEST_F(FolderSizeDatabase, ASizeThatDoesNotFitShowsAsNotComputed) {
    const std::string root = tmp.path() + "big/";
    tmp.folder("big/Huge");
    tmp.folder("big/Nan");
    tmp.file("big/film.mkv", 1);
    std::ofstream(file(), std::ios::binary)
        << utf16("CL:" + root + "\r\n99999999999999999999,Huge/\r\nnan,Nan/\r\n1e999,film.mkv\r\n\r\n");
    ASSERT_EQ(loadFolderSizeDatabase(z), 1u);
    z.panes.setPath(0, root);
    listUpdate(z, 0);
    const auto& items = z.panes.list(0).items();
    ASSERT_EQ(items.size(), 3u);
    for (const ListItem& item : items) {
        ASSERT_EQ(item.subItems.size(), 1u);
        EXPECT_EQ(item.subItems[0].text.find('-'), std::string::npos) << item.text << ": " << item.subItems[0].text;
    }
    EXPECT_EQ(items[0].subItems[0].text, "(Dir)");
    EXPECT_EQ(items[1].subItems[0].text, "(Dir)");
}

TEST_F(FolderSizeDatabase, ARunThatNeverLoadedTheFileMergesItBeforeSaving) {
    std::ofstream(file(), std::ios::binary)
        << utf16("CL:/a/\r\n1,x\r\n\r\nCL:/b/\r\n2,y\r\n\r\nCL:/c/\r\n3,stale\r\n\r\n");
    // A command-line run: nothing loaded, two folders listed by the script.
    z.panes.cache.add("/c/", "/c/\r\n4,fresh\r\n");
    z.panes.cache.add("/d/", "/d/\r\n5,new\r\n");
    ASSERT_TRUE(saveFolderSizeDatabase(z));
    EXPECT_NE(printed().find("Database saved - 4 folders"), std::string::npos);

    ListingCache back;
    EXPECT_EQ(decodeFolderSizeDatabase(readBytes(), back), 4u);
    EXPECT_EQ(*back.find("/a/"), "/a/\r\n1,x\r\n");
    EXPECT_EQ(*back.find("/b/"), "/b/\r\n2,y\r\n");
    EXPECT_EQ(*back.find("/c/"), "/c/\r\n4,fresh\r\n");  // this run's listing wins
    EXPECT_EQ(*back.find("/d/"), "/d/\r\n5,new\r\n");

    // Once read, the cache in memory is the database: a folder the run dropped stays dropped.
    z.panes.cache.remove("/a/");
    ASSERT_TRUE(saveFolderSizeDatabase(z));
    ListingCache after;
    EXPECT_EQ(decodeFolderSizeDatabase(readBytes(), after), 3u);
    EXPECT_EQ(after.find("/a/"), nullptr);
}

TEST_F(FolderSizeDatabase, AFileThatCannotBeReadIsNeverReplaced) {
    // A folder where the file should be: it exists and cannot be read.
    std::filesystem::create_directory(file());
    EXPECT_EQ(loadFolderSizeDatabase(z), 0u);
    z.panes.cache.add("/only/", "/only/\r\n1,f\r\n");
    EXPECT_FALSE(saveFolderSizeDatabase(z));
    EXPECT_EQ(fs.writes, 0);
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_EQ(fp.dialogs.shown[0].text, "Some error writing cache-file");
    EXPECT_EQ(printed().find("Database saved"), std::string::npos);
}

TEST(Utf16, LongAndMixedLinesSurviveTheFastPaths) {
    ListingCache cache;
    const std::string longName(5000, 'n');
    const std::string text = "/p/\r\n1," + longName + "ü.txt\r\n2,abcdefghijklmnop\r\n3,äbcdefghijklmnöp\r\n";
    cache.add("/p/", text);
    ListingCache back;
    ASSERT_EQ(decodeFolderSizeDatabase(encodeFolderSizeDatabase(cache), back), 1u);
    EXPECT_EQ(*back.find("/p/"), text);
}

TEST(Utf16, SurrogatesAndInvalidBytes) {
    std::string out;
    appendUtf16le(out, "a\xF0\x9F\xA6\x90\xFF");
    EXPECT_EQ(out, std::string("a\0\x3E\xD8\x90\xDD\xFD\xFF", 8));
    EXPECT_EQ(utf16leToUtf8(out), "a\xF0\x9F\xA6\x90\xEF\xBF\xBD");
    // a lone high surrogate
    EXPECT_EQ(utf16leToUtf8(std::string("\x3E\xD8x\0", 4)), "\xEF\xBF\xBDx");
}
