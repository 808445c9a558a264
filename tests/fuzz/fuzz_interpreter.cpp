// Any text run as a script (compiled, in the code editor, or as one typed line) must end
// within the line budget: no crash, no hang, no read out of bounds. Only the language's
// own commands are registered, so that a found command name cannot touch the disk.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/program.h"
#include "fake_platform.h"
#include "language_commands.h"
#include "script/compiler.h"

using namespace zerin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string script(reinterpret_cast<const char*>(data), size);
    test::FakePlatform fp;
    Zerin z(fp.platform);
    test::registerLanguageCommands(z);

    z.interpreter.setLineBudget(3000);
    z.txtBuffer.setText(script);
    z.interpreter.RunEditor("", &z.txtBuffer, "fuzz");

    z.interpreter.setLineBudget(3000);
    z.txtCode.setText(script);
    z.interpreter.RunEditor("", &z.txtCode, "");

    z.interpreter.setLineBudget(3000);
    z.interpreter.RunEditor(script.substr(0, script.find('\n')), nullptr, "");

    // The compiler on a text that does not look like a run's buffer.
    TextBox raw;
    raw.setText(script);
    compile(z, raw);
    return 0;
}
