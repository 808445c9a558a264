#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <future>

#include "app/program.h"
#include "fake_platform.h"
#include "temp_dir.h"
#include "media/exif_reader.h"
#include "platform/posix/posix_file_system.h"

using namespace zerin;
using Bytes = std::vector<std::uint8_t>;

namespace {

// Writes TIFF structures in either byte order, for photos made up by the tests.
struct Entry {
    std::uint16_t tag, type;
    std::uint32_t count;
    Bytes value;  // already in the file's byte order
};

class Tiff {
public:
    explicit Tiff(bool little) : m_little(little) {}
    Bytes u16(std::uint16_t v) const {
        return m_little ? Bytes{std::uint8_t(v), std::uint8_t(v >> 8)} : Bytes{std::uint8_t(v >> 8), std::uint8_t(v)};
    }
    Bytes u32(std::uint32_t v) const {
        Bytes b{std::uint8_t(v >> 24), std::uint8_t(v >> 16), std::uint8_t(v >> 8), std::uint8_t(v)};
        if (m_little) std::reverse(b.begin(), b.end());
        return b;
    }
    Entry ascii(std::uint16_t tag, const std::string& s) const {
        Bytes b(s.begin(), s.end());
        b.push_back(0);
        return {tag, 2, std::uint32_t(b.size()), b};
    }
    Entry shortValue(std::uint16_t tag, std::uint16_t v) const { return {tag, 3, 1, pad(u16(v))}; }
    Entry longValue(std::uint16_t tag, std::uint32_t v) const { return {tag, 4, 1, u32(v)}; }
    Entry rational(std::uint16_t tag, std::uint32_t n, std::uint32_t d) const {
        Bytes b = u32(n);
        Bytes e = u32(d);
        b.insert(b.end(), e.begin(), e.end());
        return {tag, 5, 1, b};
    }
    static Bytes pad(Bytes b) {
        b.resize(std::max<std::size_t>(b.size(), 4), 0);
        return b;
    }

    static std::size_t size(const std::vector<Entry>& entries) {
        std::size_t n = 2 + entries.size() * 12 + 4;
        for (const Entry& e : entries)
            if (e.value.size() > 4) n += e.value.size();
        return n;
    }
    // The IFD placed at `at` (TIFF offset), its outside values right after it.
    Bytes ifd(const std::vector<Entry>& entries, std::uint32_t at, std::uint32_t next) const {
        Bytes out = u16(std::uint16_t(entries.size()));
        Bytes data;
        std::uint32_t dataAt = at + std::uint32_t(2 + entries.size() * 12 + 4);
        for (const Entry& e : entries) {
            append(out, u16(e.tag));
            append(out, u16(e.type));
            append(out, u32(e.count));
            if (e.value.size() > 4) {
                append(out, u32(dataAt + std::uint32_t(data.size())));
                append(data, e.value);
            } else {
                append(out, pad(e.value));
            }
        }
        append(out, u32(next));
        append(out, data);
        return out;
    }
    Bytes header(std::uint32_t ifd0) const {
        Bytes h = m_little ? Bytes{'I', 'I'} : Bytes{'M', 'M'};
        append(h, u16(42));
        append(h, u32(ifd0));
        return h;
    }
    static void append(Bytes& a, const Bytes& b) { a.insert(a.end(), b.begin(), b.end()); }

private:
    bool m_little;
};

Bytes app1(const std::string& signature, const Bytes& body) {
    Bytes seg{0xFF, 0xE1};
    std::size_t length = 2 + signature.size() + body.size();
    seg.push_back(std::uint8_t(length >> 8));
    seg.push_back(std::uint8_t(length));
    for (char c : signature) seg.push_back(std::uint8_t(c));
    Tiff::append(seg, body);
    return seg;
}

const std::string kDate = "2024:05:17 10:20:30";

// A photo as cameras write it: IFD0 -> IFD1, and the Exif IFD last with the date.
Bytes photo(bool little, bool xmpFirst = false) {
    Tiff t(little);
    std::vector<Entry> ifd1{t.shortValue(0x0103, 6)};
    std::vector<Entry> exif{t.ascii(kExifTagDateTimeOriginal, kDate), t.rational(0x829A, 1, 250)};
    std::vector<Entry> ifd0{t.ascii(0x010F, "Canon"), t.shortValue(0x0112, 6), t.longValue(kExifTagExifIfd, 0)};
    std::uint32_t at0 = 8;
    std::uint32_t at1 = at0 + std::uint32_t(Tiff::size(ifd0));
    std::uint32_t atExif = at1 + std::uint32_t(Tiff::size(ifd1));
    ifd0[2] = t.longValue(kExifTagExifIfd, atExif);
    Bytes tiff = t.header(at0);
    Tiff::append(tiff, t.ifd(ifd0, at0, at1));
    Tiff::append(tiff, t.ifd(ifd1, at1, 0));
    Tiff::append(tiff, t.ifd(exif, atExif, 0));

    Bytes jpeg{0xFF, 0xD8};
    if (xmpFirst) Tiff::append(jpeg, app1("http://ns.adobe.com/xap/1.0/", Bytes(40, 'x')));
    Tiff::append(jpeg, app1(std::string("Exif\0\0", 6), tiff));
    Tiff::append(jpeg, Bytes{0xFF, 0xD9});
    return jpeg;
}

// A photo with one IFD0 whose entries and next link the test chooses.
Bytes singleIfdPhoto(const Tiff& t, const std::vector<Entry>& entries, std::uint32_t next) {
    Bytes tiff = t.header(8);
    Tiff::append(tiff, t.ifd(entries, 8, next));
    Bytes jpeg{0xFF, 0xD8};
    Tiff::append(jpeg, app1(std::string("Exif\0\0", 6), tiff));
    return jpeg;
}

class ExifReaderTest : public ::testing::Test {
protected:
    test::FakePlatform fp;
    PosixFileSystem fs;
    ExifReader reader{fs};
};

}  // namespace

TEST_F(ExifReaderTest, ReadsBothByteOrdersThroughIfd1AndTheExifIfd) {
    for (bool little : {true, false}) {
        ExifReader r(fs);
        ASSERT_TRUE(r.parse(photo(little))) << little;
        EXPECT_EQ(r.Tag(kExifTagDateTimeOriginal), kDate);
        EXPECT_EQ(r.Tag(0x010F), "Canon");
        EXPECT_EQ(r.Tag(0x0112), "6");
        EXPECT_EQ(r.Tag(0x0103), "6");  // from IFD1
        EXPECT_EQ(r.Tag(0x829A), "1/250");
        EXPECT_EQ(r.Tag(0), "6");
        EXPECT_EQ(r.Tag(0x1234), "");
        // The order of the walk: IFD0, IFD1, then the Exif IFD.
        ASSERT_EQ(r.tags().size(), 6u);
        EXPECT_EQ(r.tags()[3].number, 0x0103u);
        EXPECT_EQ(r.tags()[4].number, kExifTagDateTimeOriginal);
    }
}

TEST_F(ExifReaderTest, FirstApp1MustBeExif) {
    EXPECT_FALSE(reader.parse(photo(true, /*xmpFirst=*/true)));
    EXPECT_EQ(reader.Tag(0), "0");
    Bytes noApp1{0xFF, 0xD8, 0xFF, 0xDB, 0, 4, 1, 2, 0xFF, 0xD9};
    EXPECT_FALSE(reader.parse(noApp1));
    // Kept: only a file wrong in both first bytes is turned away before the search.
    Bytes p = photo(true);
    p[0] = 0x00;
    EXPECT_TRUE(ExifReader(fs).parse(p));
    p[1] = 0x00;
    EXPECT_FALSE(ExifReader(fs).parse(p));
}

TEST_F(ExifReaderTest, EveryTruncationFailsWithoutReadingPastTheEnd) {
    Bytes full = photo(false);
    std::size_t tiffEnd = full.size() - 2;  // the end-of-image marker is not needed
    for (std::size_t cut = 0; cut < tiffEnd; ++cut) {
        ExifReader r(fs);
        Bytes part(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(cut));
        EXPECT_FALSE(r.parse(part)) << cut;
        EXPECT_EQ(r.Tag(0), "0") << cut;  // a failed parse keeps no records
    }
    EXPECT_TRUE(reader.parse(Bytes(full.begin(), full.begin() + static_cast<std::ptrdiff_t>(tiffEnd))));
}

TEST_F(ExifReaderTest, ChainsThatPointBackEnd) {
    Tiff t(true);
    // IFD0 links to itself and names itself as the Exif IFD.
    Bytes self = singleIfdPhoto(t, {t.shortValue(0x0112, 1), t.longValue(kExifTagExifIfd, 8)}, 8);
    ASSERT_TRUE(reader.parse(self));
    EXPECT_EQ(reader.Tag(0), "2");

    // IFD0 -> IFD1 -> IFD0: both read once, then the Exif IFD.
    std::vector<Entry> ifd0{t.longValue(kExifTagExifIfd, 0)};
    std::vector<Entry> ifd1{t.shortValue(0x0103, 6)};
    std::vector<Entry> exif{t.ascii(kExifTagDateTimeOriginal, kDate)};
    std::uint32_t at1 = 8 + std::uint32_t(Tiff::size(ifd0));
    std::uint32_t atExif = at1 + std::uint32_t(Tiff::size(ifd1));
    ifd0[0] = t.longValue(kExifTagExifIfd, atExif);
    Bytes tiff = t.header(8);
    Tiff::append(tiff, t.ifd(ifd0, 8, at1));
    Tiff::append(tiff, t.ifd(ifd1, at1, 8));
    Tiff::append(tiff, t.ifd(exif, atExif, 0));
    Bytes jpeg{0xFF, 0xD8};
    Tiff::append(jpeg, app1(std::string("Exif\0\0", 6), tiff));
    ExifReader r(fs);
    ASSERT_TRUE(r.parse(jpeg));
    EXPECT_EQ(r.Tag(0), "3");
    EXPECT_EQ(r.Tag(kExifTagDateTimeOriginal), kDate);
}

TEST_F(ExifReaderTest, HostileOffsetsAndCountsFail) {
    Tiff t(false);
    EXPECT_FALSE(reader.parse(singleIfdPhoto(t, {{0x010F, 2, 10, t.u32(0xFFFFFFF0)}}, 0)));
    EXPECT_FALSE(reader.parse(singleIfdPhoto(t, {{0x829A, 5, 1, t.u32(0x7FFFFFFF)}}, 0)));
    EXPECT_FALSE(reader.parse(singleIfdPhoto(t, {{0x0111, 4, 0x40000000, t.u32(0x10)}}, 0)));
    EXPECT_FALSE(reader.parse(singleIfdPhoto(t, {t.shortValue(1, 1)}, 0xFFFFFFFF)));
    Bytes bigCount = singleIfdPhoto(t, {t.shortValue(1, 1)}, 0);
    bigCount[12 + 8] = 0xFF;  // the entry count of IFD0 (big-endian): 0xFF01
    EXPECT_FALSE(reader.parse(bigCount));
    EXPECT_EQ(reader.Tag(0), "0");
}

TEST_F(ExifReaderTest, ValueRules) {
    Tiff t(true);
    std::string hundred(100, 'a');
    hundred[60] = 'Z';
    std::string sixtyOne(60, 'b');  // its 61st byte is the terminating 0
    Entry bytes{0x0001, 1, 3, {1, 2, 255, 0}};
    Entry sshorts{0x0002, 8, 2, {0xFF, 0xFF, 5, 0}};
    Entry slong{0x0003, 9, 1, t.u32(0xFFFFFFFE)};
    Entry longs{0x0004, 4, 2, {}};
    Tiff::append(longs.value, t.u32(7));
    Tiff::append(longs.value, t.u32(4000000000u));
    Entry shortText{0x0005, 2, 2, {'A', 0, 0, 0}};
    Entry unknownType{0x0006, 42, 1, t.u32(9)};
    ASSERT_TRUE(reader.parse(singleIfdPhoto(
        t, {t.ascii(0x0100, hundred), t.ascii(0x0101, sixtyOne), bytes, sshorts, slong, longs, shortText, unknownType},
        0)));
    EXPECT_EQ(reader.Tag(0x0100), hundred.substr(0, 60) + "Z");
    EXPECT_EQ(reader.Tag(0x0101), sixtyOne);
    EXPECT_EQ(reader.Tag(0x0001), "1 2 255");
    EXPECT_EQ(reader.Tag(0x0002), "-1 5");
    EXPECT_EQ(reader.Tag(0x0003), "-2");
    EXPECT_EQ(reader.Tag(0x0004), "7 4000000000");
    EXPECT_EQ(reader.Tag(0x0005), std::string("A\0\0\0", 4));
    EXPECT_EQ(reader.Tag(0x0006), "");
}

TEST_F(ExifReaderTest, FilesAndTheCannotLoadBox) {
    auto dir = std::filesystem::temp_directory_path() / ("zerin_exif_" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    auto write = [&](const std::string& name, const Bytes& b) {
        std::ofstream(dir / name, std::ios::binary).write(reinterpret_cast<const char*>(b.data()), std::streamsize(b.size()));
        return (dir / name).string();
    };
    std::string good = write("photo.JPG", photo(false));
    std::string png = write("photo.png", Bytes{0x89, 'P', 'N', 'G'});
    std::string txt = write("notes.txt", photo(true));

    ExifReader r(fs);
    r.setPicFile(txt);
    EXPECT_EQ(r.picFile(), "");
    r.setPicFile((dir / "missing.jpg").string());
    EXPECT_EQ(r.picFile(), "");
    r.setPicFile(good);
    EXPECT_EQ(r.Tag(kExifTagDateTimeOriginal), kDate);  // loads on first use
    EXPECT_TRUE(fp.dialogs.shown.empty());

    std::vector<std::string> reported;
    ExifReader p(fs, [&](const std::string& text) { reported.push_back(text); });
    p.setPicFile(png);  // accepted: it ends in "g"
    EXPECT_EQ(p.picFile(), png);
    EXPECT_EQ(p.Tag(kExifTagDateTimeOriginal), "");
    ASSERT_EQ(reported.size(), 1u);
    EXPECT_EQ(reported[0], "Cannot load file\r\n\r\n" + png);

    // Load without a picture file takes the path it is given, whatever its name.
    ExifReader q(fs);
    EXPECT_TRUE(q.Load(txt));
    EXPECT_FALSE(ExifReader(fs).Load());
    std::filesystem::remove_all(dir);
}

TEST(PhotoDate, DateTakenAsYearMonthDay) {
    test::FakePlatform fp;
    Zerin z(fp.platform);
    registerAllCommands(z);
    z.settings.textLog = true;
    test::TempDir dir;
    auto save = [&](const std::string& name, const Bytes& b) {
        dir.write(name, std::string_view(reinterpret_cast<const char*>(b.data()), b.size()));
        return (dir / name).string();
    };
    EXPECT_EQ(z.dispatcher.call("do_photo_date " + save("le.jpg", photo(true))), "2024-05-17");
    EXPECT_EQ(z.dispatcher.call("do_photo_date " + save("be.jpg", photo(false))), "2024-05-17");
    EXPECT_EQ(z.dispatcher.call("do_photo_date"), "");
    EXPECT_EQ(z.txtDebug.text(), "");

    std::string xmp = save("xmp first.jpg", photo(true, true));
    EXPECT_EQ(z.dispatcher.call("do_photo_date " + xmp), "");
    EXPECT_EQ(z.txtDebug.text(), "Error in photo: " + xmp + "\r\n");
    EXPECT_TRUE(fp.dialogs.shown.empty());

    // A photo without the date tag loads and gives no date.
    Tiff t(true);
    EXPECT_EQ(z.dispatcher.call("do_photo_date " + save("nodate.jpg", singleIfdPhoto(t, {t.shortValue(0x0112, 1)}, 0))), "");
}

namespace {

// Bytes this process has read through read(2) and its kin so far.
std::uint64_t bytesReadSoFar() {
    std::ifstream io("/proc/self/io");
    std::string key;
    std::uint64_t value = 0;
    while (io >> key >> value)
        if (key == "rchar:") return value;
    return 0;
}

}  // namespace

TEST(PhotoDate, AFifoADeviceOrAHugeFileNeverStallsIt) {
    test::FakePlatform fp;
    Zerin z(fp.platform);
    registerAllCommands(z);
    z.settings.textLog = true;
    test::TempDir dir;

    // A FIFO named like a photo, with no writer: the answer comes at once.
    const std::string fifo = (dir / "pipe.jpg").string();
    ASSERT_EQ(::mkfifo(fifo.c_str(), 0600), 0);
    auto pending = std::async(std::launch::async, [&] { return z.dispatcher.call("do_photo_date " + fifo); });
    if (pending.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Let the blocked reader go before failing, so the test ends.
        const int fd = ::open(fifo.c_str(), O_WRONLY | O_NONBLOCK);
        if (fd >= 0) ::close(fd);
        ADD_FAILURE() << "do_photo_date waited on a FIFO";
    }
    EXPECT_EQ(pending.get(), "");
    EXPECT_EQ(z.txtDebug.text(), "Error in photo: " + fifo + "\r\n");

    // A device that never ends.
    z.txtDebug.clear();
    EXPECT_EQ(z.dispatcher.call("do_photo_date /dev/zero"), "");
    EXPECT_EQ(z.txtDebug.text(), "Error in photo: /dev/zero\r\n");

    // A 1 GB photo (sparse on disk): the date is found and only the head of the file is read.
    const Bytes head = photo(true);
    dir.write("huge.jpg", std::string_view(reinterpret_cast<const char*>(head.data()), head.size()));
    const std::string huge = (dir / "huge.jpg").string();
    std::filesystem::resize_file(huge, std::uintmax_t{1} << 30);
    const std::uint64_t before = bytesReadSoFar();
    EXPECT_EQ(z.dispatcher.call("do_photo_date " + huge), "2024-05-17");
    const std::uint64_t read = bytesReadSoFar() - before;
    EXPECT_GT(read, 0u);
    EXPECT_LE(read, 2 * kExifReadLimit);
}
