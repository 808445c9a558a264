#include "panes/folder_size_database.h"

#include <cerrno>
#include <cstdint>
#include <cstring>
#if defined(__SSE2__)
#include <emmintrin.h>
#endif
#include <memory>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/listing_cache.h"
#include "panes/pane_messages.h"
#include "panes/pane_model.h"
#include "platform/file_system.h"
#include "platform/platform.h"

namespace zerin {

namespace {

constexpr char kBom[] = "\xFF\xFE";

std::string databasePath(const Zerin& zerin) {
    return (zerin.programFolder / std::string(paneMessage::kCacheFileName)).string();
}

inline void putUnit(char*& out, std::uint32_t unit) {
    *out++ = static_cast<char>(unit & 0xff);
    *out++ = static_cast<char>(unit >> 8);
}

}  // namespace

void appendUtf16le(std::string& out, std::string_view s) {
    const std::size_t start = out.size();
    out.resize(start + s.size() * 4);  // never more than two units per input byte
    char* o = out.data() + start;
    const auto* p = reinterpret_cast<const unsigned char*>(s.data());
    const auto* end = p + s.size();
    while (p < end) {
        const unsigned char c = *p;
        if (c < 0x80) {
            *o++ = static_cast<char>(c);
            *o++ = 0;
            ++p;
            continue;
        }
        std::uint32_t cp = 0xFFFD;
        int len = 1;
        if ((c & 0xE0) == 0xC0 && end - p >= 2 && (p[1] & 0xC0) == 0x80) {
            cp = ((c & 0x1Fu) << 6) | (p[1] & 0x3Fu);
            len = cp >= 0x80 ? 2 : 1;
            if (len == 1) cp = 0xFFFD;
        } else if ((c & 0xF0) == 0xE0 && end - p >= 3 && (p[1] & 0xC0) == 0x80 && (p[2] & 0xC0) == 0x80) {
            cp = ((c & 0x0Fu) << 12) | ((p[1] & 0x3Fu) << 6) | (p[2] & 0x3Fu);
            len = 3;
            if (cp < 0x800 || (cp >= 0xD800 && cp <= 0xDFFF)) cp = 0xFFFD;
        } else if ((c & 0xF8) == 0xF0 && end - p >= 4 && (p[1] & 0xC0) == 0x80 && (p[2] & 0xC0) == 0x80 &&
                   (p[3] & 0xC0) == 0x80) {
            cp = ((c & 0x07u) << 18) | ((p[1] & 0x3Fu) << 12) | ((p[2] & 0x3Fu) << 6) | (p[3] & 0x3Fu);
            len = 4;
            if (cp < 0x10000 || cp > 0x10FFFF) cp = 0xFFFD;
        }
        p += len;
        if (cp >= 0x10000) {
            cp -= 0x10000;
            putUnit(o, 0xD800 + (cp >> 10));
            putUnit(o, 0xDC00 + (cp & 0x3FF));
        } else {
            putUnit(o, cp);
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

void appendUtf8FromUtf16le(std::string& out, std::string_view bytes) {
    const std::size_t start = out.size();
    const std::size_t units = bytes.size() / 2;
    out.resize(start + units * 3);  // one unit gives at most three bytes
    char* o = out.data() + start;
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    for (std::size_t i = 0; i < units; ++i) {
        std::uint32_t cp = p[2 * i] | (static_cast<std::uint32_t>(p[2 * i + 1]) << 8);
        if (cp < 0x80) {
            *o++ = static_cast<char>(cp);
            continue;
        }
        if (cp >= 0xD800 && cp <= 0xDBFF && i + 1 < units) {
            const std::uint32_t low = p[2 * i + 2] | (static_cast<std::uint32_t>(p[2 * i + 3]) << 8);
            if (low >= 0xDC00 && low <= 0xDFFF) {
                cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                ++i;
            } else {
                cp = 0xFFFD;
            }
        } else if (cp >= 0xD800 && cp <= 0xDFFF) {
            cp = 0xFFFD;
        }
        if (cp < 0x800) {
            *o++ = static_cast<char>(0xC0 | (cp >> 6));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            *o++ = static_cast<char>(0xE0 | (cp >> 12));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            *o++ = static_cast<char>(0xF0 | (cp >> 18));
            *o++ = static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            *o++ = static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            *o++ = static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    out.resize(static_cast<std::size_t>(o - out.data()));
}

namespace {

constexpr std::uint64_t kHighBits = 0x8080808080808080ULL;

// Writes bytes as UTF-16 LE units while they are ASCII; returns how many it took.
// (Byte order: the output is built in a 64-bit word, which is little-endian here.)
std::size_t widenAscii(const char* in, std::size_t n, char* out) {
    std::size_t i = 0;
#if defined(__SSE2__)
    // Sixteen bytes at a time: a save of a large cache is bound by this loop and the write.
    const __m128i zero = _mm_setzero_si128();
    for (; i + 16 <= n; i += 16) {
        const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
        if (_mm_movemask_epi8(v) != 0) break;
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i), _mm_unpacklo_epi8(v, zero));
        _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 2 * i + 16), _mm_unpackhi_epi8(v, zero));
    }
#endif
    for (; i + 8 <= n; i += 8) {
        std::uint64_t w;
        std::memcpy(&w, in + i, 8);
        if (w & kHighBits) break;
        for (int half = 0; half < 2; ++half) {
            std::uint64_t x = half == 0 ? (w & 0xFFFFFFFFULL) : (w >> 32);
            x = (x | (x << 16)) & 0x0000FFFF0000FFFFULL;
            x = (x | (x << 8)) & 0x00FF00FF00FF00FFULL;
            std::memcpy(out + 2 * i + 8 * half, &x, 8);
        }
    }
    for (; i < n && static_cast<unsigned char>(in[i]) < 0x80; ++i) {
        out[2 * i] = in[i];
        out[2 * i + 1] = 0;
    }
    return i;
}

// Narrows UTF-16 LE units to bytes while they are ASCII and not a line feed; returns how
// many units it took.
std::size_t narrowAscii(const unsigned char* in, std::size_t units, char* out) {
    std::size_t i = 0;
    for (; i + 4 <= units; i += 4) {
        std::uint64_t w;
        std::memcpy(&w, in + 2 * i, 8);
        if (w & 0xFF80FF80FF80FF80ULL) break;
        const std::uint64_t v = w ^ 0x000A000A000A000AULL;  // a line feed becomes a zero unit
        if ((v - 0x0001000100010001ULL) & ~v & 0x8000800080008000ULL) break;
        std::uint64_t x = w & 0x00FF00FF00FF00FFULL;
        x = (x | (x >> 8)) & 0x0000FFFF0000FFFFULL;
        x = (x | (x >> 16)) & 0xFFFFFFFFULL;
        const std::uint32_t four = static_cast<std::uint32_t>(x);
        std::memcpy(out + i, &four, 4);
    }
    for (; i < units && in[2 * i + 1] == 0 && in[2 * i] < 0x80 && in[2 * i] != '\n'; ++i) out[i] = static_cast<char>(in[2 * i]);
    return i;
}

}  // namespace

std::string utf16leToUtf8(std::string_view bytes) {
    std::string out;
    appendUtf8FromUtf16le(out, bytes);
    return out;
}

namespace {

// Collects UTF-16 output in a reused buffer and hands it to the sink in large pieces, so
// that saving never holds the whole file in memory.
class Utf16Writer {
public:
    explicit Utf16Writer(FileSink& sink) : m_sink(sink) { m_buffer.resize(kChunk); }

    void append(std::string_view utf8) {
        if (!m_ok) return;
        if (m_used + utf8.size() * 2 > m_buffer.size()) {
            flush();
            if (utf8.size() * 2 > m_buffer.size()) m_buffer.resize(utf8.size() * 2);
        }
        // The ASCII text of listings is widened eight bytes at a time; the rest of a text
        // from its first other byte goes through the full conversion.
        char* o = m_buffer.data() + m_used;
        const std::size_t done = widenAscii(utf8.data(), utf8.size(), o);
        m_used += done * 2;
        if (done == utf8.size()) return;
        m_scratch.clear();
        appendUtf16le(m_scratch, utf8.substr(done));
        std::memcpy(m_buffer.data() + m_used, m_scratch.data(), m_scratch.size());
        m_used += m_scratch.size();
    }

    bool finish() {
        flush();
        return m_ok;
    }

private:
    static constexpr std::size_t kChunk = 1 << 20;

    void flush() {
        if (m_used > 0 && m_ok) m_ok = m_sink.write(std::string_view(m_buffer.data(), m_used));
        m_used = 0;
    }

    FileSink& m_sink;
    std::string m_buffer;
    std::string m_scratch;
    std::size_t m_used = 0;
    bool m_ok = true;
};

class StringSink : public FileSink {
public:
    bool write(std::string_view bytes) override {
        text.append(bytes);
        return true;
    }
    std::string text;
};

bool writeDatabase(const ListingCache& cache, FileSink& sink) {
    if (!sink.write(std::string_view(kBom, 2))) return false;
    Utf16Writer writer(sink);
    for (const auto& [key, text] : cache.entries()) {
        writer.append("CL:");
        writer.append(text);
        writer.append(text::kCrLf);
    }
    return writer.finish();
}

}  // namespace

std::string encodeFolderSizeDatabase(const ListingCache& cache) {
    StringSink sink;
    writeDatabase(cache, sink);
    return std::move(sink.text);
}

std::size_t decodeFolderSizeDatabase(std::string_view bytes, ListingCache& cache) {
    if (bytes.starts_with(std::string_view(kBom, 2))) bytes.remove_prefix(2);
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 2;

    std::string key;
    std::string body;  // reused: lines are decoded straight onto its end
    constexpr std::size_t kLineChunk = 4096;
    const auto scratch = std::make_unique<char[]>(kLineChunk);
    std::size_t added = 0;
    auto flush = [&] {
        // A record with no body (an empty folder) is not loaded; lines before the first
        // header have no key and are dropped.
        if (!body.empty() && !key.empty()) {
            std::string value;
            value.reserve(key.size() + 2 + body.size());
            value.append(key).append(text::kCrLf).append(body);
            if (cache.add(key, std::move(value))) ++added;
        }
        body.clear();
    };
    for (std::size_t i = 0; i < units;) {
        const std::size_t mark = body.size();
        // Most lines are ASCII: narrow them in place; a line with other characters is
        // finished by the full conversion.
        const std::size_t chunk = std::min<std::size_t>(units - i, kLineChunk);
        const std::size_t taken = narrowAscii(p + 2 * i, chunk, scratch.get());
        body.append(scratch.get(), taken);
        std::size_t end = i + taken;
        while (end < units && !(p[2 * end] == '\n' && p[2 * end + 1] == 0)) ++end;
        if (end > i + taken) appendUtf8FromUtf16le(body, bytes.substr(2 * (i + taken), 2 * (end - i - taken)));
        i = end + 1;
        if (body.size() > mark && body.back() == '\r') body.pop_back();
        const std::string_view line = std::string_view(body).substr(mark);
        if (line.empty()) continue;
        if (line.size() >= 3 && (line[0] == 'C' || line[0] == 'c') && (line[1] == 'L' || line[1] == 'l') &&
            line[2] == ':') {
            std::string next(line.substr(3));
            body.resize(mark);
            flush();
            key = std::move(next);
            continue;
        }
        body.append(text::kCrLf);
    }
    flush();
    return added;
}

std::size_t loadFolderSizeDatabase(Zerin& zerin) {
    std::size_t added = 0;
    const FsStatus status = zerin.fileSystem->withFileBytes(databasePath(zerin), [&](std::string_view bytes) {
        added = decodeFolderSizeDatabase(bytes, zerin.panes.cache);
    });
    // A missing file is an empty database; a file that could not be read stays unread, so
    // that no save replaces it with what this run happens to hold.
    if (status || status.error() == ENOENT) zerin.panes.databaseRead = true;
    return added;
}

bool saveFolderSizeDatabase(Zerin& zerin) {
    // A run that has not read the file yet (a command-line run) merges it first: the folders
    // it listed itself win, every other folder of the file is kept.
    if (!zerin.panes.databaseRead) loadFolderSizeDatabase(zerin);
    const ListingCache& cache = zerin.panes.cache;
    if (!zerin.panes.databaseRead ||
        !zerin.fileSystem->writeFileAtomic(databasePath(zerin), [&cache](FileSink& sink) { return writeDatabase(cache, sink); })) {
        zerin.platform.dialogs.messageBox(paneMessage::kCacheWriteError, "", MsgButtons::Ok);
        return false;
    }
    zerin.output.print(std::string(paneMessage::kDatabaseSaved) + std::to_string(zerin.panes.cache.size()) +
                       std::string(paneMessage::kDatabaseFolders));
    return true;
}

}  // namespace zerin
