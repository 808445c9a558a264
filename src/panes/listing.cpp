#include "panes/listing.h"

#include <charconv>
#include <cmath>

#include "core/text.h"

namespace zerin {

bool PaneListing::addFolder(ListingEntry entry) {
    if (m_folders.size() >= kMaxEntries) {
        ++m_leftOut;
        return false;
    }
    m_folders.push_back(std::move(entry));
    return true;
}

bool PaneListing::addFile(ListingEntry entry) {
    if (m_files.size() >= kMaxEntries) {
        ++m_leftOut;
        return false;
    }
    m_files.push_back(std::move(entry));
    return true;
}

void PaneListing::clear() {
    m_folders.clear();
    m_files.clear();
    m_leftOut = 0;
}

std::string_view entryName(std::string_view fullPath) {
    const auto slash = fullPath.rfind('/');
    return slash == std::string_view::npos ? fullPath : fullPath.substr(slash + 1);
}

bool holdsLineBreak(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

bool appendListingLine(std::string& out, std::string_view name, std::int64_t size, bool folder,
                       std::int32_t largeIcon, std::int32_t smallIcon) {
    if (holdsLineBreak(name)) return false;
    char number[24];
    if (largeIcon != 0) {
        out += "IL:";
        out.append(number, std::to_chars(number, number + sizeof number, largeIcon).ptr);
        out += ",IS:";
        out.append(number, std::to_chars(number, number + sizeof number, smallIcon).ptr);
        out += ',';
    }
    out.append(number, std::to_chars(number, number + sizeof number, size).ptr);
    out += ',';
    out += name;
    if (folder) out += '/';
    out += text::kCrLf;
    return true;
}

std::string listingText(const PaneListing& listing, std::string_view folderPath) {
    std::string out;
    out.reserve(folderPath.size() + 2 + (listing.folders().size() + listing.files().size()) * 32);
    out += folderPath;
    out += text::kCrLf;
    for (const auto& e : listing.folders())
        appendListingLine(out, entryName(e.path), e.size, true, e.largeIcon, e.smallIcon);
    for (const auto& e : listing.files())
        appendListingLine(out, entryName(e.path), e.size, false, e.largeIcon, e.smallIcon);
    return out;
}

namespace {

// Reads the number after an "IL:"/"IS:" marker (any letter case) and cuts it with its ",".
std::int32_t takeIconPart(std::string_view& line, char kind) {
    if (line.size() < 3 || (line[0] != 'I' && line[0] != 'i') || (line[1] != kind && line[1] != kind + 32) ||
        line[2] != ':')
        return 0;
    const auto comma = line.find(',');
    if (comma == std::string_view::npos) return 0;
    std::int32_t value = 0;
    std::from_chars(line.data() + 3, line.data() + comma, value);
    line.remove_prefix(comma + 1);
    return value;
}

// A size the 64-bit field cannot hold, "nan", "inf" or text without a number reads as 0,
// "not computed": a folder then shows "(Dir)" and gets its size measured again, instead of
// a made-up figure.
std::int64_t readSize(std::string_view digits) {
    digits = text::trim(digits);
    const char* end = digits.data() + digits.size();
    std::int64_t value = 0;
    const auto whole = std::from_chars(digits.data(), end, value);
    if (whole.ec == std::errc() && whole.ptr == end) return value;
    // A fraction or an exponent (a hand-edited file): the number as the language reads it,
    // its whole part kept. Either end of the field is refused as a double: a value beyond it
    // rounds onto it (2^63 itself is exact).
    double d = 0;
    const auto real = std::from_chars(digits.data(), end, d);
    constexpr double kLimit = 9223372036854775808.0;
    if (real.ec != std::errc() || !std::isfinite(d) || d <= -kLimit || d >= kLimit) return 0;
    return static_cast<std::int64_t>(d);
}

}  // namespace

bool parseListingLine(std::string_view line, ListingLine& out) {
    out.largeIcon = takeIconPart(line, 'L');
    out.smallIcon = out.largeIcon != 0 || line.starts_with("IS:") || line.starts_with("is:")
                        ? takeIconPart(line, 'S')
                        : 0;
    const auto comma = line.find(',');
    if (comma == std::string_view::npos) return false;
    out.size = readSize(line.substr(0, comma));
    out.name = line.substr(comma + 1);
    return true;
}

ParseError parseListingText(std::string_view text, std::string& folderPath, PaneListing& listing) {
    auto lineEnd = text.find(text::kCrLf);
    std::string_view first = lineEnd == std::string_view::npos ? text : text.substr(0, lineEnd);
    if (folderPath.empty()) folderPath = std::string(first);
    text.remove_prefix(lineEnd == std::string_view::npos ? text.size() : lineEnd + 2);

    while (!text.empty()) {
        if (text.find(',') == std::string_view::npos) return ParseError::NoComma;
        lineEnd = text.find(text::kCrLf);
        if (lineEnd == std::string_view::npos) return ParseError::NoNewline;
        ListingLine parsed;
        const bool ok = parseListingLine(text.substr(0, lineEnd), parsed);
        text.remove_prefix(lineEnd + 2);
        if (!ok) continue;  // a line without "," in the middle: nothing to read from it
        ListingEntry entry;
        entry.size = parsed.size;
        entry.largeIcon = parsed.largeIcon;
        entry.smallIcon = parsed.smallIcon;
        if (parsed.name.ends_with('/')) {
            entry.path = folderPath + std::string(parsed.name.substr(0, parsed.name.size() - 1));
            listing.addFolder(std::move(entry));
        } else {
            entry.path = folderPath + std::string(parsed.name);
            listing.addFile(std::move(entry));
        }
    }
    return ParseError::None;
}

}  // namespace zerin
