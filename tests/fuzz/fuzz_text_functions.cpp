// The text functions on any argument: no crash, no read out of bounds, and a valid UTF-8
// argument never gives a slice that cuts a character in half.
#include <array>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <string>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "script/arguments.h"
#include "script/functions.h"
#include "script/value.h"
#include "script/variable_commands.h"
#include "script/variables.h"

using namespace zerin;

namespace {

constexpr std::array<std::string_view, 21> kTextCommands = {
    "len", "left", "right", "mid", "instr", "lcase", "replace", "do_trimquotes",
    "do_value_encode", "do_value_decode", "key.state", "rnd", "int", "abs", "sqr",
    "acos", "atn", "cos", "sin", "asin", "help"};

// Only the slicing functions promise whole characters; the others may echo their input.
bool slices(std::string_view name) {
    return name == "left" || name == "right" || name == "mid" || name == "lcase";
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) return 0;
    std::string_view name = kTextCommands[data[0] % kTextCommands.size()];
    std::string arg(reinterpret_cast<const char*>(data + 1), size - 1);
    test::FakePlatform fp;
    Zerin z(fp.platform);
    registerAllCommands(z);
    Variables locals;
    doSet(z, "s Ångström £$", locals);
    doSet(z, "n 3", locals);

    std::string result = z.dispatcher.chkCommand(std::string(name) + " " + arg, locals);
    if (slices(name) && text::isValidUtf8(arg) && !text::isValidUtf8(result)) __builtin_trap();

    hexColour(z, arg);
    numericArguments(z, arg, locals);
    numericArguments(z, arg, locals, 3);
    trimQuotes(arg);
    std::string lowered = lowerText(arg);
    if (text::isValidUtf8(arg) && !text::isValidUtf8(lowered)) __builtin_trap();

    // The codec is a pair: what is encoded decodes to the same whole number.
    double v = roundHalfEven(val(arg));
    if (std::fabs(v) <= 9007199254740992.0) {
        std::string back = valueDecode(valueEncode(v));
        if (val(back) != v) __builtin_trap();
    }
    valueDecode(arg);
    return 0;
}
