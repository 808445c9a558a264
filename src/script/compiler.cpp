#include "script/compiler.h"

#include <string>

#include "core/text.h"
#include "core/zerin.h"
#include "script/compiler_messages.h"
#include "script/jump_pass.h"
#include "script/line_rewriter.h"
#include "platform/platform.h"

namespace zerin {

namespace {

constexpr int kFlagNoJumps = 1;
constexpr int kFlagListing = 2;

// Every line after the first CR LF with its 1-based position, then the size report.
void printListing(Output& output, const std::string& text) {
    std::size_t pos = text.find(text::kCrLf);
    if (pos == std::string::npos) return;
    pos += 2;
    // Positions count characters, like the size report and the jump codes.
    std::size_t charPos = text::charCount(std::string_view(text).substr(0, pos));
    while (pos + 1 < text.size()) {
        std::size_t end = text.find(text::kCrLf, pos);
        std::size_t lineEnd = end == std::string::npos ? text.size() : end;
        std::string_view line = std::string_view(text).substr(pos, lineEnd - pos);
        output.debugMessage(std::to_string(charPos + 1) + ":" + std::string(line));
        if (end == std::string::npos) break;
        charPos += text::charCount(line) + 2;
        pos = end + 2;
    }
    std::size_t chars = text::charCount(text);
    output.debugMessage(std::string(text::kCrLf) + std::string(compiler_messages::kCompiledSize) +
                        std::to_string(chars) + " characters or " + std::to_string(chars * 2) + " bytes.");
    output.debugMessage(std::string(compiler_messages::kAllocatedVariables) + "0");
}

}  // namespace

int compile(Zerin& zerin, TextBox& buffer) {
    RewrittenScript script = rewriteLines(buffer.text());
    bool complete = true;
    if (!(script.compileFlags & kFlagNoJumps)) {
        JumpPass jumps(zerin.output, zerin.platform.pump);
        script.text = jumps.run(script.text);
        complete = !jumps.failed();
    }
    if (script.text != buffer.text()) buffer.setText(script.text);
    if (complete && (script.compileFlags & kFlagListing)) printListing(zerin.output, script.text);
    return 0;
}

}  // namespace zerin
