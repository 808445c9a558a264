// The script compiler: rewrites a script buffer in place into the numbered form.
#pragma once

namespace zerin {

class Zerin;
class TextBox;

// Always returns 0; syntax errors are debug lines and leave the buffer partly compiled.
int compile(Zerin& zerin, TextBox& buffer);

}  // namespace zerin
