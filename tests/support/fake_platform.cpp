#include "fake_platform.h"

#include "core/text.h"

namespace zerin::test {

void FakeEventPump::sleepMs(int ms) { nowMs += ms; }

MsgResult FakeDialogs::messageBox(std::string_view text, std::string_view title, MsgButtons buttons, MsgIcon) {
    shown.push_back({std::string(text), std::string(title), buttons});
    if (answers.empty()) return MsgResult::Cancel;
    MsgResult r = answers.front();
    answers.pop_front();
    return r;
}

std::optional<std::string> FakeDialogs::inputBox(std::string_view prompt, int) {
    prompts.emplace_back(prompt);
    if (inputs.empty()) return std::nullopt;
    auto r = inputs.front();
    inputs.pop_front();
    return r;
}

namespace {
class FakeRunning : public RunningProcess {
public:
    FakeRunning(int code, int polls) : m_code(code), m_polls(polls) {}
    bool finished(int& exitCode) override {
        if (m_polls-- > 0) return false;
        exitCode = m_code;
        return true;
    }

private:
    int m_code;
    int m_polls;
};
}  // namespace

std::unique_ptr<RunningProcess> FakeProcesses::start(const std::vector<std::string>& argv, WindowStyle) {
    if (failStart) return nullptr;
    started.push_back(argv);
    return std::make_unique<FakeRunning>(exitCode, pollsUntilExit);
}

bool FakeSound::playAsync(PcmSound data, std::string& reason) {
    if (!refuseReason.empty()) {
        reason = refuseReason;
        return false;
    }
    played.push_back(std::move(data));
    return true;
}

int FakeTextMetrics::width(std::string_view text, int pointSize, FontFace) {
    return static_cast<int>(text::charCount(text)) * 7 * pointSize / 10;
}

int FakeTextMetrics::height(std::string_view, int pointSize, FontFace) { return 16 * pointSize / 10; }

}  // namespace zerin::test
