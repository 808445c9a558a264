// clsExifReader: the EXIF tags of a JPEG photo, read for the date a photo was taken.
// The reader keeps every IFD entry it meets as a tag number with a text value. It reads
// untrusted files: every offset and count is checked against the data, so a damaged or
// hostile file makes Load fail instead of reading outside the bytes, and an IFD chain
// that points back into itself ends.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace zerin {

class FileSystem;

inline constexpr std::string_view kExifTagBoxTitle = "Get JPEG file tag";
inline constexpr std::string_view kExifCannotLoad = "Cannot load file";
inline constexpr std::uint32_t kExifTagDateTimeOriginal = 36867;
inline constexpr std::uint32_t kExifTagExifIfd = 34665;
// The EXIF block is an APP1 segment (at most 64 KB) near the start of the file, after at
// most a JFIF segment: this much of a photo is read, however large the file.
inline constexpr std::size_t kExifReadLimit = 128 * 1024;

struct ExifTag {
    std::uint32_t number = 0;
    std::uint32_t type = 0;
    std::uint32_t count = 0;
    std::uint32_t valueOffset = 0;
    std::string value;
};

class ExifReader {
public:
    // `cannotLoad` receives the "Cannot load file" text when Tag finds the picture file
    // unreadable; the command that uses the reader shows it (a reader shows nothing).
    using Report = std::function<void(const std::string& text)>;
    explicit ExifReader(FileSystem& fileSystem, Report cannotLoad = {})
        : m_fileSystem(fileSystem), m_cannotLoad(std::move(cannotLoad)) {}

    // Accepted only when the file exists (not a folder) and the path ends in "g" or "G";
    // otherwise the picture file stays as it was.
    void setPicFile(const std::string& path);
    const std::string& picFile() const { return m_picFile; }
    bool loaded() const { return m_loaded; }

    // Reads the start of the picture file (the given path when none is set; regular files
    // only, so a FIFO never blocks) and parses it. A second
    // Load reads the file again and appends its entries a second time.
    bool Load(const std::string& path = {});
    // Parses bytes already in memory (what Load does after reading the file).
    bool parse(std::span<const std::uint8_t> data);

    // The first record's value for `number`; with 0, the number of records. Loads first
    // when a picture file is set and not yet loaded, and reports "Cannot load file" when
    // that fails.
    std::string Tag(std::uint32_t number);

    const std::vector<ExifTag>& tags() const { return m_tags; }

private:
    FileSystem& m_fileSystem;
    Report m_cannotLoad;
    std::string m_picFile;
    bool m_loaded = false;
    std::vector<ExifTag> m_tags;
};

}  // namespace zerin
