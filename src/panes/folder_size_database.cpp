#include "panes/folder_size_database.h"

#include <cstdint>

#include "core/text.h"
#include "core/zerin.h"
#include "panes/listing_cache.h"
#include "panes/pane_messages.h"

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

std::string utf16leToUtf8(std::string_view bytes) {
    std::string out;
    out.resize(bytes.size() / 2 * 3);  // one unit gives at most three bytes
    char* o = out.data();
    const auto* p = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t units = bytes.size() / 2;
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
    return out;
}

std::string encodeFolderSizeDatabase(const ListingCache& cache) {
    std::string out;
    std::size_t estimate = 2;
    for (const auto& [key, text] : cache.entries()) estimate += (text.size() + 8) * 2;
    out.reserve(estimate);
    out.append(kBom, 2);
    for (const auto& [key, text] : cache.entries()) {
        appendUtf16le(out, "CL:");
        appendUtf16le(out, text);
        appendUtf16le(out, text::kCrLf);
    }
    return out;
}

std::size_t decodeFolderSizeDatabase(std::string_view bytes, ListingCache& cache) {
    if (bytes.starts_with(std::string_view(kBom, 2))) bytes.remove_prefix(2);
    const std::string all = utf16leToUtf8(bytes);
    std::string_view rest = all;

    std::string_view key;
    std::string body;
    std::size_t added = 0;
    auto flush = [&] {
        // A record with no body (an empty folder) is not loaded; lines before the first
        // header have no key and are dropped.
        if (!body.empty() && !key.empty()) {
            std::string value;
            value.reserve(key.size() + 2 + body.size());
            value.append(key).append(text::kCrLf).append(body);
            if (cache.add(std::string(key), std::move(value))) ++added;
        }
        body.clear();
    };
    while (!rest.empty()) {
        auto end = rest.find('\n');
        std::string_view line = rest.substr(0, end);
        rest.remove_prefix(end == std::string_view::npos ? rest.size() : end + 1);
        if (line.ends_with('\r')) line.remove_suffix(1);
        if (line.empty()) continue;
        if (line.size() >= 3 && (line[0] == 'C' || line[0] == 'c') && (line[1] == 'L' || line[1] == 'l') &&
            line[2] == ':') {
            flush();
            key = line.substr(3);
            continue;
        }
        body.append(line).append(text::kCrLf);
    }
    flush();
    return added;
}

std::size_t loadFolderSizeDatabase(Zerin& zerin) {
    std::string bytes;
    if (!zerin.fileSystem->readFile(databasePath(zerin), bytes)) return 0;
    return decodeFolderSizeDatabase(bytes, zerin.panes.cache);
}

bool saveFolderSizeDatabase(Zerin& zerin) {
    const std::string bytes = encodeFolderSizeDatabase(zerin.panes.cache);
    if (!zerin.fileSystem->writeFileAtomic(databasePath(zerin), bytes)) {
        zerin.platform.dialogs.messageBox(paneMessage::kCacheWriteError, "", MsgButtons::Ok);
        return false;
    }
    zerin.output.print(std::string(paneMessage::kDatabaseSaved) + std::to_string(zerin.panes.cache.size()) +
                       std::string(paneMessage::kDatabaseFolders));
    return true;
}

}  // namespace zerin
