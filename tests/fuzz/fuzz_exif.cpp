// The EXIF reader on any bytes: no read outside the data, no endless IFD walk, and a
// failed parse keeps no records.
#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include "memory_file_system.h"
#include "media/exif_reader.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static zerin::test::MemoryFileSystem fs;
    zerin::ExifReader reader(fs);
    bool ok = reader.parse({data, size});
    if (!ok && !reader.tags().empty()) std::abort();
    for (const zerin::ExifTag& tag : reader.tags()) {
        // Out-of-entry text keeps at most 61 bytes, each of which may widen to 3 in UTF-8.
        if ((tag.type == 2 || tag.type == 7) && tag.value.size() > 61 * 3) std::abort();
    }
    (void)reader.Tag(zerin::kExifTagDateTimeOriginal);
    return 0;
}
