#include "media/exif_reader.h"

#include <algorithm>
#include <optional>
#include <unordered_set>

#include "core/text.h"
#include "platform/file_system.h"

namespace zerin {

namespace {

// Real photos have two or three IFDs; a longer chain is damage or a trap, and is ended.
constexpr int kMaxIfds = 64;
// Values of the numeric list types are shown up to this many numbers.
constexpr std::uint64_t kMaxListValues = 256;
// ASCII and UNDEFINED values stored outside their entry keep at most this many bytes.
constexpr std::uint32_t kMaxTextBytes = 61;

std::uint64_t typeUnit(std::uint32_t type) {
    switch (type) {
        case 1: case 2: case 6: case 7: return 1;
        case 3: case 8: return 2;
        case 4: case 9: return 4;
        case 5: case 10: return 8;
        default: return 0;
    }
}

// Bounds-checked reads in the file's byte order. Every read returns nullopt instead of
// reading outside the data; the caller turns that into a failed Load.
class TiffData {
public:
    TiffData(std::span<const std::uint8_t> data, std::size_t tiffBase, bool little)
        : m_data(data), m_base(tiffBase), m_little(little) {}

    bool fits(std::uint64_t pos, std::uint64_t length) const {
        return pos <= m_data.size() && length <= m_data.size() - pos;
    }
    std::optional<std::uint8_t> u8(std::uint64_t pos) const {
        if (!fits(pos, 1)) return std::nullopt;
        return m_data[pos];
    }
    std::optional<std::uint16_t> u16(std::uint64_t pos) const {
        if (!fits(pos, 2)) return std::nullopt;
        std::uint16_t a = m_data[pos], b = m_data[pos + 1];
        return static_cast<std::uint16_t>(m_little ? (b << 8 | a) : (a << 8 | b));
    }
    std::optional<std::uint32_t> u32(std::uint64_t pos) const {
        if (!fits(pos, 4)) return std::nullopt;
        std::uint32_t v = 0;
        for (int i = 0; i < 4; ++i) {
            std::uint32_t byte = m_data[pos + static_cast<std::uint64_t>(m_little ? 3 - i : i)];
            v = v << 8 | byte;
        }
        return v;
    }
    std::uint64_t base() const { return m_base; }
    std::span<const std::uint8_t> bytes() const { return m_data; }

private:
    std::span<const std::uint8_t> m_data;
    std::uint64_t m_base;
    bool m_little;
};

std::string charsOf(std::span<const std::uint8_t> bytes) {
    return text::windows1252ToUtf8(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
}

// One element of a numeric type as decimal text, signed for the S types.
std::optional<std::string> numberAt(const TiffData& d, std::uint32_t type, std::uint64_t pos) {
    switch (type) {
        case 1: if (auto v = d.u8(pos)) return std::to_string(*v); break;
        case 6: if (auto v = d.u8(pos)) return std::to_string(static_cast<std::int8_t>(*v)); break;
        case 3: if (auto v = d.u16(pos)) return std::to_string(*v); break;
        case 8: if (auto v = d.u16(pos)) return std::to_string(static_cast<std::int16_t>(*v)); break;
        case 4: if (auto v = d.u32(pos)) return std::to_string(*v); break;
        case 9: if (auto v = d.u32(pos)) return std::to_string(static_cast<std::int32_t>(*v)); break;
        default: break;
    }
    return std::nullopt;
}

// The value of the entry at `e`; nullopt when it lies outside the data.
std::optional<std::string> readValue(const TiffData& d, ExifTag& tag, std::uint64_t e) {
    std::uint64_t unit = typeUnit(tag.type);
    if (unit == 0) return std::string();
    std::uint64_t size = unit * tag.count;
    std::uint64_t at = e + 8;
    if (size > 4) {
        auto offset = d.u32(e + 8);
        if (!offset) return std::nullopt;
        tag.valueOffset = *offset;
        at = d.base() + *offset;
    }
    switch (tag.type) {
        case 2: case 7: {
            if (size <= 4) {
                if (!d.fits(e + 8, 4)) return std::nullopt;
                return charsOf(d.bytes().subspan(e + 8, 4));
            }
            std::uint32_t keep = std::min(tag.count, kMaxTextBytes);
            if (!d.fits(at, keep)) return std::nullopt;
            auto bytes = d.bytes().subspan(at, keep);
            // The terminating zero is dropped; a last byte that is not 0 stays.
            if (bytes.back() == 0) bytes = bytes.first(keep - 1);
            return charsOf(bytes);
        }
        case 5: case 10: {
            if (tag.count == 0) return std::string();
            auto num = d.u32(at);
            auto den = d.u32(at + 4);
            if (!num || !den) return std::nullopt;
            if (tag.type == 10)
                return std::to_string(static_cast<std::int32_t>(*num)) + "/" +
                       std::to_string(static_cast<std::int32_t>(*den));
            return std::to_string(*num) + "/" + std::to_string(*den);
        }
        case 3: case 8:
            // A single SHORT reads as unsigned whatever its type says.
            if (tag.count == 1) {
                auto v = d.u16(e + 8);
                if (!v) return std::nullopt;
                return std::to_string(*v);
            }
            break;
        default:
            break;
    }
    // BYTE, SBYTE and the multi-valued SHORT and LONG types: plain numbers joined by blanks.
    std::string out;
    std::uint64_t shown = std::min<std::uint64_t>(tag.count, kMaxListValues);
    for (std::uint64_t i = 0; i < shown; ++i) {
        auto v = numberAt(d, tag.type, at + i * unit);
        if (!v) return std::nullopt;
        if (i) out += ' ';
        out += *v;
    }
    return out;
}

}  // namespace

void ExifReader::setPicFile(const std::string& path) {
    if (path.empty()) return;
    char last = path.back();
    if (last != 'g' && last != 'G') return;
    const FsResult<FileInfo> info = m_fileSystem.stat(path);
    if (!info || info.value.kind != FileKind::File) return;
    m_picFile = path;
}

bool ExifReader::Load(const std::string& path) {
    if (m_picFile.empty()) m_picFile = path;
    m_loaded = false;
    if (m_picFile.empty()) return false;
    std::string bytes;
    if (!m_fileSystem.readRegularFile(m_picFile, bytes, kExifReadLimit)) return false;
    return parse(std::span(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()));
}

bool ExifReader::parse(std::span<const std::uint8_t> data) {
    m_loaded = false;
    std::size_t before = m_tags.size();
    auto fail = [&] {
        // Records of a half-read file would answer later lookups as if it had loaded.
        m_tags.resize(before);
        return false;
    };
    if (data.size() < 2) return false;
    // Kept: a file is turned away only when both of its first two bytes are wrong.
    if (data[0] != 0xFF && data[1] != 0xD8) return false;

    std::size_t app1 = 0;
    for (std::size_t i = 2; i + 1 < data.size(); ++i) {
        if (data[i] == 0xFF && data[i + 1] == 0xE1) {
            app1 = i;
            break;
        }
    }
    if (app1 == 0) return false;
    if (data.size() - app1 < 8) return false;
    if (std::string_view(reinterpret_cast<const char*>(data.data() + app1 + 4), 4) != "Exif") return false;

    std::uint64_t tiffBase = app1 + 10;
    if (tiffBase >= data.size()) return false;
    // Kept: only the first byte decides; anything but "I" counts as big-endian.
    TiffData d(data, tiffBase, data[tiffBase] == 0x49);
    auto ifd0 = d.u32(tiffBase + 4);
    if (!ifd0) return false;

    std::unordered_set<std::uint64_t> visited;
    std::uint32_t exifOffset = 0;
    bool exifRead = false;
    bool readingExif = false;
    std::uint64_t p = tiffBase + *ifd0;
    for (;;) {
        visited.insert(p);
        auto n = d.u16(p);
        if (!n) return fail();
        if (!d.fits(p + 2, std::uint64_t{*n} * 12)) return fail();
        for (std::uint32_t k = 0; k < *n; ++k) {
            std::uint64_t e = p + 2 + std::uint64_t{k} * 12;
            ExifTag tag;
            tag.number = *d.u16(e);
            tag.type = *d.u16(e + 2);
            tag.count = *d.u32(e + 4);
            auto value = readValue(d, tag, e);
            if (!value) return fail();
            tag.value = std::move(*value);
            if (tag.number == kExifTagExifIfd) {
                auto raw = d.u32(e + 8);
                exifOffset = (tag.type == 3 || tag.type == 8) ? *d.u16(e + 8) : *raw;
            }
            m_tags.push_back(std::move(tag));
        }
        std::uint64_t next = 0;
        if (!readingExif) {
            auto link = d.u32(p + 2 + std::uint64_t{*n} * 12);
            if (!link) return fail();
            next = *link;
        }
        // A chain that comes back to an IFD already read, or runs on without end, is
        // treated as ending there.
        if (next != 0 && (visited.count(tiffBase + next) || visited.size() >= kMaxIfds)) next = 0;
        readingExif = false;
        if (next == 0 && !exifRead) {
            exifRead = true;
            next = exifOffset;
            readingExif = true;
            if (next != 0 && visited.count(tiffBase + next)) next = 0;
        }
        if (next == 0) break;
        p = tiffBase + next;
    }
    m_loaded = true;
    return true;
}

std::string ExifReader::Tag(std::uint32_t number) {
    if (!m_picFile.empty() && !m_loaded && !Load()) {
        std::string text = std::string(kExifCannotLoad) + "\r\n\r\n" + m_picFile;
        if (m_cannotLoad) m_cannotLoad(text);
        return {};
    }
    if (number == 0) return std::to_string(m_tags.size());
    for (const ExifTag& tag : m_tags)
        if (tag.number == number) return tag.value;
    return {};
}

}  // namespace zerin
