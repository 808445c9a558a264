// Any Zerin.ini must read without a crash, and what the writer makes of it must settle:
// once a file has been written and read back, writing it again gives the same bytes.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/settings_file.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"

using namespace zerin;

namespace {

std::string roundTrip(std::string_view file) {
    test::FakePlatform fp;
    Zerin z(fp.platform);
    loadSettingsText(z, file);
    return settingsText(z);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    // The on\load block runs as a script; scripts may loop for ever, which is not what
    // this target looks for.
    if (text::lower(input).find("on\\load") != std::string::npos) return 0;
    std::string first = roundTrip(input);
    if (!text::isValidUtf8(first)) std::abort();
    std::string second = roundTrip(first);
    std::string third = roundTrip(second);
    if (second != third) std::abort();
    return 0;
}
