// RunEditor: the one entry point through which every script runs.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zerin {

class Zerin;
class TextBox;

class Interpreter {
public:
    explicit Interpreter(Zerin& zerin) : m_zerin(zerin) {}

    // With a non-empty command line: a single-line run of that line. Otherwise runs the
    // buffer: editor mode when it is the code editor, compiled mode for any other buffer.
    // Returns the APP.RETURN value.
    std::string RunEditor(std::string_view commandLine, TextBox* buffer, std::string_view commandName);

private:
    Zerin& m_zerin;
};

}  // namespace zerin
