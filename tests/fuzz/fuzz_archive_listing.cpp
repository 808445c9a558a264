// Any archiver listing and any archive must read without a crash or a read out of
// bounds. The bytes go both ways: as the technical listing the panes parse, and as an
// archive the archiver reads, whose listing the panes then parse. Whatever is shown is a
// top-level entry of the archive: a path under the archive's, one name without "/", never
// "." or "..", and every entry the archiver listed at the top appears.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string>

#include "archive_entries.h"
#include "listing_writer.h"
#include "panes/archive_listing_parser.h"
#include "panes/listing.h"

using namespace zerin;

namespace {

constexpr std::string_view kArchive = "/fuzz/x.zip";

std::set<std::string> shownNames(const PaneListing& listing) {
    std::set<std::string> names;
    for (const auto* table : {&listing.folders(), &listing.files()})
        for (const ListingEntry& e : *table) {
            if (!e.path.starts_with(std::string(kArchive) + "/")) std::abort();
            const std::string name = e.path.substr(kArchive.size() + 1);
            if (name.empty() || name == "." || name == ".." || name.find('/') != std::string::npos) std::abort();
            names.insert(name);
        }
    return names;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view raw(reinterpret_cast<const char*>(data), size);

    PaneListing fromText;
    parseArchiveListing(raw, kArchive, fromText);
    shownNames(fromText);
    for (std::size_t i = 0; i < raw.size() && i < 256; i += 61) isArchiveDetailLine(raw.substr(i));

    const archiver::ArchiveContents contents = archiver::readArchiveBytes(raw);
    PaneListing fromArchive;
    const ArchiveListingRead read =
        parseArchiveListing(archiver::technicalListing(std::string(kArchive), contents), kArchive, fromArchive);
    if (!read.listing) std::abort();
    const std::set<std::string> shown = shownNames(fromArchive);
    for (const archiver::ArchiveEntry& e : contents.entries) {
        const std::string top = e.name.substr(0, e.name.find('/'));
        if (e.kind == archiver::EntryKind::Special && top == e.name) continue;
        if (top == "." || top == ".." || top.find_first_of("\r\n") != std::string::npos) continue;
        if (e.name.find_first_of("\r\n") != std::string::npos) continue;
        if (!shown.count(top) && fromArchive.leftOut() == 0) std::abort();
    }
    return 0;
}
