// Archive listings: the parser reads the archiver's technical listing by its columns
// (top level only, folders that are only prefixes of entries, odd names as data); the
// archiver's own lines keep those columns; the listing script quotes every path; a
// listing that does not end in time, a missing archiver and stale listing files fail
// with a reason; real zip, 7z and tar.gz archives made here list the same entries.
#include <gtest/gtest.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <thread>

#include "app/program.h"
#include "archive_entries.h"
#include "disk_file_system.h"
#include "fake_platform.h"
#include "listing_writer.h"
#include "panes/archive_listing_parser.h"
#include "panes/archiver_run.h"
#include "panes/listing.h"
#include "panes/navigation.h"
#include "panes/pane_messages.h"
#include "panes/pane_model.h"
#include "platform/linux/monotonic_clock.h"
#include "platform/linux/posix_processes.h"
#include "temp_folder.h"

using namespace zerin;
namespace fs = std::filesystem;

namespace {

using archiver::ArchiveContents;
using archiver::ArchiveEntry;
using archiver::EntryKind;

ArchiveEntry entry(std::string name, EntryKind kind = EntryKind::File, std::int64_t size = 0) {
    ArchiveEntry e;
    e.name = std::move(name);
    e.kind = kind;
    e.size = size;
    e.hasTime = true;
    e.modified = 1700000000;
    return e;
}

// The archiver's listing of `entries`, as the panes read it.
std::string listingOf(const std::vector<ArchiveEntry>& entries) {
    ArchiveContents contents;
    contents.opened = true;
    contents.entries = entries;
    return archiver::technicalListing("/a/x.zip", contents);
}

struct Shown {
    std::vector<std::string> folders;
    std::vector<std::pair<std::string, std::int64_t>> files;
};

Shown shownOf(const PaneListing& listing) {
    Shown s;
    for (const ListingEntry& e : listing.folders()) s.folders.push_back(e.path);
    for (const ListingEntry& e : listing.files()) s.files.emplace_back(e.path, e.size);
    return s;
}

Shown parse(std::string_view text, ArchiveListingRead* read = nullptr) {
    PaneListing listing;
    ArchiveListingRead r = parseArchiveListing(text, "/a/x.zip", listing);
    if (read) *read = r;
    return shownOf(listing);
}

using Files = std::vector<std::pair<std::string, std::int64_t>>;
using Folders = std::vector<std::string>;

}  // namespace

TEST(ArchiveListingParser, OnlyTheTopLevelWithFoldersThatAreOnlyPrefixes) {
    // a.txt and docs with docs/b.txt: a.txt and docs only.
    Shown s = parse(listingOf({entry("a.txt", EntryKind::File, 5), entry("docs", EntryKind::Folder),
                               entry("docs/b.txt", EntryKind::File, 7)}));
    EXPECT_EQ(s.folders, Folders{"/a/x.zip/docs"});
    EXPECT_EQ(s.files, (Files{{"/a/x.zip/a.txt", 5}}));

    // No entries of their own for "docs", "src" or "src/deep": each top folder once.
    s = parse(listingOf({entry("docs/b.txt"), entry("src/deep/c.txt"), entry("src/d.txt"), entry("top.txt", EntryKind::File, 1),
                         entry("src", EntryKind::Folder)}));
    EXPECT_EQ(s.folders, (Folders{"/a/x.zip/docs", "/a/x.zip/src"}));
    EXPECT_EQ(s.files, (Files{{"/a/x.zip/top.txt", 1}}));

    // An empty archive is an empty pane, and still a listing.
    ArchiveListingRead read;
    s = parse(listingOf({}), &read);
    EXPECT_TRUE(read.listing);
    EXPECT_TRUE(s.folders.empty());
    EXPECT_TRUE(s.files.empty());
}

TEST(ArchiveListingParser, ReadsTheColumnsAndNothingElse) {
    // Column 55 "D" a folder, column 60 "B" left out, the size from the first 23
    // characters, the "-> " form with its ":" one column on; a line between a name and
    // its detail line takes the name's place; a line of "-" ends the listing.
    const std::string dash(40, '-');
    // A line of blanks with the given texts at 1-based columns.
    auto line = [](std::initializer_list<std::pair<int, std::string_view>> parts) {
        std::string l(62, ' ');
        for (auto [column, text] : parts) l.replace(static_cast<std::size_t>(column - 1), text.size(), text);
        return l + "\r\n";
    };
    const std::string text = "title\r\n" + dash + "\r\n" + " big.bin\r\n" +
                             line({{11, "123456789012"}, {33, "100%"}, {47, "04:05"}}) + " dir\r\n" +
                             line({{22, "0"}, {35, "0%"}, {47, "04:05"}, {55, "D"}}) + " fifo\r\n" +
                             line({{22, "0"}, {35, "0%"}, {47, "04:05"}, {60, "B"}}) + " old name\r\n" +
                             " split.part\r\n" + line({{21, "42"}, {35, "-->"}, {48, "04:05"}}) +
                             " no detail line\r\n" + line({{36, "%"}, {50, ":"}}) + dash + "\r\n" +
                             " after.txt\r\n" + line({{22, "9"}, {33, "100%"}, {47, "04:05"}}) +
                             "Error: entry 7: damaged header\r\n";
    ArchiveListingRead read;
    const Shown s = parse(text, &read);
    EXPECT_EQ(s.folders, Folders{"/a/x.zip/dir"});
    EXPECT_EQ(s.files, (Files{{"/a/x.zip/big.bin", 123456789012}, {"/a/x.zip/split.part", 42}}));
    EXPECT_EQ(read.problems, std::vector<std::string>{"entry 7: damaged header"});

    PaneListing none;
    EXPECT_FALSE(parseArchiveListing("no rule here\n 12 % x\n", "/a/x.zip", none).listing);
}

TEST(ArchiveListingParser, NamesAreData) {
    // Quotes, parentheses, the interpreter's escapes, a leading "-", a name that reads like
    // a detail line and one that reads like a rule (after its blank): each is one entry.
    const std::string detailLike = "                     1         1 100% 01-02-03 04:05  .......";
    const std::vector<std::string> names = {"q\"uote's (x).txt", "a:[b:]c&&d", "-rf", detailLike,
                                            "------", "  two blanks", "\xC3\xA5\xC3\xA4\xC3\xB6.txt", "back\\slash"};
    std::vector<ArchiveEntry> entries;
    for (const std::string& n : names) entries.push_back(entry(n, EntryKind::File, 3));
    // "." and ".." never name an entry; a name with a line break is left out and reported.
    entries.push_back(entry(".."));
    entries.push_back(entry("evil\n" + detailLike));
    ArchiveListingRead read;
    const Shown s = parse(listingOf(entries), &read);
    Files expected;
    for (const std::string& n : names) expected.emplace_back("/a/x.zip/" + n, 3);
    EXPECT_EQ(s.files, expected);
    ASSERT_EQ(read.problems.size(), 1u);
    EXPECT_NE(read.problems[0].find("line break"), std::string::npos);
}

TEST(ArchiverLines, DetailLinesKeepTheirColumnsForEveryEntry) {
    for (const ArchiveEntry& e : {entry("f", EntryKind::File, 0), entry("f", EntryKind::File, INT64_MAX),
                                  entry("d", EntryKind::Folder), entry("l", EntryKind::Link, 12),
                                  entry("s", EntryKind::Special)}) {
        ArchiveEntry timeless = e;
        timeless.hasTime = false;
        for (const ArchiveEntry& x : {e, timeless}) {
            const std::string line = archiver::detailLine(x);
            ASSERT_EQ(line.size(), 60u) << line;
            EXPECT_TRUE(isArchiveDetailLine(line)) << line;
            EXPECT_EQ(line[54] == 'D', x.kind == EntryKind::Folder) << line;
            EXPECT_EQ(line[59] == 'B', x.kind == EntryKind::Special) << line;
            EXPECT_EQ(std::stoll(line.substr(0, 23)), x.size) << line;
        }
    }
    EXPECT_EQ(archiver::normalisedName("./a//b/./c/"), "a/b/c");
    EXPECT_EQ(archiver::normalisedName("/abs/x"), "abs/x");
    EXPECT_EQ(archiver::normalisedName("./"), "");
}

namespace {

// The panes with the real file system; the processes and the clock are the fakes unless
// a test puts the real ones in.
class ArchiverRun : public ::testing::Test {
protected:
    ArchiverRun() {
        z.fileSystem = &disk;
        z.programFolder = tmp.path();
        registerAllCommands(z);
    }
    // The test's folder, without the "/" at its end.
    std::string home() const { return fs::path(tmp.path()).parent_path().string(); }
    fs::path dir() const { return fs::path(tmp.path()); }
    void write(const fs::path& path, const std::string& text) { std::ofstream(path, std::ios::binary) << text; }

    test::FakePlatform fp;
    Zerin z{fp.platform};
    test::DiskFileSystem disk;
    test::TempFolder tmp;
};

// Real time and real programs.
class RealClockPump : public EventPump {
public:
    void processEvents() override {}
    void sleepMs(int ms) override { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); }
};

class RealArchiverRun : public ArchiverRun {
protected:
    RealClockPump pump;
    linux_platform::MonotonicClock clock;
    linux_platform::PosixProcesses processes;
    Platform real{pump, clock, fp.keys, fp.dialogs, processes, fp.sound, fp.system, fp.metrics};
    Zerin rz{real};
    RealArchiverRun() {
        rz.fileSystem = &disk;
        rz.programFolder = tmp.path();
    }
    // A command to make test archives with, when the machine has it.
    static bool have(const char* tool) {
        return std::system((std::string("command -v ") + tool + " >/dev/null 2>&1").c_str()) == 0;
    }
    int run(const std::string& command) { return std::system(command.c_str()); }
};

}  // namespace

TEST_F(ArchiverRun, ATimeoutStopsTheArchiverAndTheListingFails) {
    fp.processes.pollsUntilExit = -1;  // never ends by itself
    PaneListing out;
    const FsStatus status = listArchiveWithArchiver(z, "/opt/arc", "/a/x.zip", out);
    EXPECT_FALSE(status);
    EXPECT_EQ(status.message(), std::string(paneMessage::kArchiverTimedOut) + "/opt/arc");
    EXPECT_EQ(fp.processes.stops, 1);
    EXPECT_GE(fp.pump.pumps, 100);  // the window kept running meanwhile
    EXPECT_GE(fp.pump.nowMs - 1000, kArchiverTimeoutMs);

    // A second listing asked for while the first waits (in the events it pumps) is
    // refused rather than deleting the listing files the first one waits for.
    std::string second;
    fp.pump.onPump = [&] {
        if (!second.empty()) return;
        PaneListing other;
        second = listArchiveWithArchiver(z, "/opt/arc", "/a/y.zip", other).message();
    };
    listArchiveWithArchiver(z, "/opt/arc", "/a/x.zip", out);
    fp.pump.onPump = nullptr;
    EXPECT_EQ(second, paneMessage::kArchiverBusy);
    EXPECT_EQ(fp.processes.started.size(), 2u);

    // Through the pane: the message names the archive and the pane stays in its folder.
    z.panes.archiveReader = archiverReader(z, "/opt/arc");
    write(dir() / "x.zip", "PK");
    z.panes.setPath(0, home() + "/");
    ListItem item;
    item.tag = home() + "/x.zip";
    z.panes.list(0).mutableItems() = {item};
    EXPECT_FALSE(openItem(z, 0, 0));
    EXPECT_EQ(z.panes.path(0), home() + "/");
    ASSERT_EQ(fp.dialogs.shown.size(), 1u);
    EXPECT_NE(fp.dialogs.shown[0].text.find(paneMessage::kArchiverTimedOut), std::string::npos);
    EXPECT_NE(fp.dialogs.shown[0].text.find(home() + "/x.zip"), std::string::npos);
}

TEST_F(ArchiverRun, OldListingsAreDeletedBeforeTheArchiverRuns) {
    // A listing left by an earlier run must not be taken for this archive's.
    const std::string stale = listingOf({entry("stale.txt")});
    write(dir() / std::string(kTechnicalListing), stale);
    write(dir() / std::string(kBareListing), "stale.txt\n");
    PaneListing out;
    const FsStatus status = listArchiveWithArchiver(z, "/opt/arc", "/a/x.zip", out);
    EXPECT_EQ(status.message(), std::string(paneMessage::kArchiverNoListing) + "/opt/arc");
    EXPECT_TRUE(out.files().empty());
    ASSERT_EQ(fp.processes.started.size(), 1u);
    EXPECT_EQ(fp.processes.started[0], (std::vector<std::string>{"/bin/sh", home() + "/" + std::string(kArchiverScript)}));

    // What the archiver writes is read, and its problems go to the debug pane.
    fp.processes.onStart = [&](const std::vector<std::string>&) {
        ArchiveContents c;
        c.opened = true;
        c.entries = {entry("ok.txt", EntryKind::File, 2)};
        c.problems = {"entry 2: Truncated input file"};
        write(dir() / std::string(kTechnicalListing), archiver::technicalListing("/a/x.zip", c));
    };
    ASSERT_TRUE(listArchiveWithArchiver(z, "/opt/arc", "/a/x.zip", out));
    EXPECT_EQ(shownOf(out).files, (Files{{"/a/x.zip/ok.txt", 2}}));
    EXPECT_NE(z.txtDebug.text().find(std::string(paneMessage::kArchiveProblem) + "entry 2: Truncated input file"),
              std::string::npos);
}

TEST_F(RealArchiverRun, NoNameBreaksOutOfTheListingScript) {
    // A stand-in archiver that records its arguments, one a line.
    const fs::path recorder = dir() / "it's a \"recorder\"";
    write(recorder, "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done\n");
    fs::permissions(recorder, fs::perms::owner_all);
    const std::string archive = home() + "/a'; touch PWN; ' $(touch PWN2) `touch PWN3`.zip";
    PaneListing out;
    listArchiveWithArchiver(rz, recorder.string(), archive, out);
    std::ifstream base(dir() / std::string(kBareListing));
    std::string all((std::istreambuf_iterator<char>(base)), std::istreambuf_iterator<char>());
    EXPECT_EQ(all, "vb\n-p-\n" + archive + "\n");
    EXPECT_FALSE(fs::exists(dir() / "PWN") || fs::exists(dir() / "PWN2") || fs::exists(dir() / "PWN3"));
    EXPECT_NE(archiverScript("/p", "/a'b", "/h/").find(" '/a'\\''b' >"), std::string::npos);

    // A missing archiver fails at once with its name.
    EXPECT_EQ(listArchiveWithArchiver(rz, home() + "/missing", archive, out).message(),
              std::string(paneMessage::kArchiverNotStarted) + home() + "/missing");
}

TEST_F(RealArchiverRun, RealArchivesOfEveryKindListTheSameEntries) {
    if (!have("zip") || !have("7z") || !have("bsdtar")) GTEST_SKIP() << "zip, 7z and bsdtar make the archives";
    const fs::path src = dir() / "src";
    fs::create_directories(src / "docs" / "deep");
    write(src / "a.txt", "alpha");
    write(src / "docs" / "b.txt", "b");
    write(src / "docs" / "deep" / "c.txt", "c");
    write(src / "-odd (name) 'q\".txt", "odd!");
    const std::string s = "'" + src.string() + "'";
    const std::string h = "'" + home() + "'";
    // zip without folder entries (-D), 7z and tar.gz with them.
    ASSERT_EQ(run("cd " + s + " && zip -qrD " + h + "/t.zip . && 7z a -bd -bso0 " + h + "/t.7z . && bsdtar -czf " + h +
                  "/t.tar.gz ."),
              0);
    for (const char* name : {"t.zip", "t.7z", "t.tar.gz"}) {
        const std::string archive = home() + "/" + name;
        PaneListing out;
        ASSERT_TRUE(listArchiveWithArchiver(rz, ZERIN_ARCHIVER, archive, out)) << name;
        Shown shown = shownOf(out);
        std::sort(shown.files.begin(), shown.files.end());
        EXPECT_EQ(shown.folders, Folders{archive + "/docs"}) << name;
        EXPECT_EQ(shown.files, (Files{{archive + "/-odd (name) 'q\".txt", 4}, {archive + "/a.txt", 5}})) << name;
    }
    // A damaged archive lists what was read and says what was not; an encrypted zip
    // lists its names; a 7z whose names are encrypted says why it lists nothing.
    const fs::path tr = dir() / "tr";
    fs::create_directories(tr);
    write(tr / "a.txt", "a");
    write(tr / "z.txt", "z");
    ASSERT_EQ(run("head -c 300000 /dev/urandom >'" + (tr / "big.bin").string() + "' && bsdtar -czf - -C '" +
                  tr.string() + "' a.txt big.bin z.txt 2>/dev/null | head -c 150000 >" + h + "/cut.tar.gz && cd " + s +
                  " && zip -qr -P secret " + h + "/enc.zip a.txt && 7z a -bd -bso0 -psecret -mhe=on " + h + "/enc.7z ."),
              0);
    PaneListing cut;
    ASSERT_TRUE(listArchiveWithArchiver(rz, ZERIN_ARCHIVER, home() + "/cut.tar.gz", cut));
    EXPECT_EQ(shownOf(cut).files.size(), 2u);
    EXPECT_NE(rz.txtDebug.text().find(std::string(paneMessage::kArchiveProblem) + "cannot read further: Truncated"),
              std::string::npos)
        << rz.txtDebug.text();
    PaneListing enc;
    ASSERT_TRUE(listArchiveWithArchiver(rz, ZERIN_ARCHIVER, home() + "/enc.zip", enc));
    EXPECT_EQ(shownOf(enc).files, (Files{{home() + "/enc.zip/a.txt", 5}}));
    PaneListing names;
    const FsStatus hidden = listArchiveWithArchiver(rz, ZERIN_ARCHIVER, home() + "/enc.7z", names);
    EXPECT_NE(hidden.message().find("encrypted"), std::string::npos) << hidden.message();

    // Not an archive: the archiver's own words, no entries.
    write(dir() / "bad.zip", "this is no archive");
    PaneListing out;
    const FsStatus bad = listArchiveWithArchiver(rz, ZERIN_ARCHIVER, home() + "/bad.zip", out);
    EXPECT_FALSE(bad);
    EXPECT_NE(bad.message().find("cannot open"), std::string::npos) << bad.message();
}
