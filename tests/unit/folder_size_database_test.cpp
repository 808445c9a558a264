#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "pane_fixture.h"
#include "panes/folder_size_database.h"

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
