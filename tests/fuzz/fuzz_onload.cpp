// The on\load script of Zerin.ini runs while the file is read: any script there must end
// within the line budget without a crash, and the file Zerin writes afterwards must be
// valid UTF-8 that reads again. Only the language's own commands are registered, so that a
// command name the fuzzer finds cannot touch the disk or start a program.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "app/settings_file.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "language_commands.h"
#include "script/variable_commands.h"

using namespace zerin;

namespace {

constexpr std::uint64_t kLineBudget = 3000;

std::string loadAndWrite(std::string_view file) {
    test::FakePlatform fp;
    Zerin z(fp.platform);
    test::registerLanguageCommands(z);
    z.interpreter.setLineBudget(kLineBudget);
    loadSettingsText(z, file);
    // What closing with "Yes" stores: the public variables go into on\load first.
    publicSave(z);
    return settingsText(z);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view body(reinterpret_cast<const char*>(data), size);
    std::string file = "text_log=1\r\n\r\n[SCRIPTS]\r\nscript on\\load\r\n#name=load\r\n#location=on\r\n";
    file.append(body);
    file += "\r\nend script\r\n";
    const std::string written = loadAndWrite(file);
    if (!text::isValidUtf8(written)) std::abort();
    if (text::lower(written).find("script on\\load") == std::string::npos) std::abort();
    const std::string again = loadAndWrite(written);
    if (!text::isValidUtf8(again)) std::abort();
    return 0;
}
