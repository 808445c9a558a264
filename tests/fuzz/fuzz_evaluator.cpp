// Any text given to the evaluator, the is-expression test and the identifier lookup must
// come back as a result: no crash, no hang, no read out of bounds.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/program.h"
#include "fake_platform.h"
#include "script/evaluator.h"
#include "script/identifiers.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    std::string input(reinterpret_cast<const char*>(data), size);
    test::FakePlatform fp;
    Zerin z(fp.platform);
    registerAllCommands(z);
    z.settings.textLog = true;
    Variables locals;
    doSet(z, "x 4", locals);
    doSet(z, "s Ångström", locals);
    doPublic(z, "p = 2.5");

    std::string expression = input;
    evaluate(z, expression, locals);
    isExpression(input);
    identifierLookup(z, input, locals);
    numericValueOfName(z, input, locals);
    doSet(z, input, locals);
    doPublic(z, input);
    publicSave(z);
    return 0;
}
