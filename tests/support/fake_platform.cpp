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
    FakeRunning(int code, int polls, int& stops) : m_code(code), m_polls(polls), m_stops(stops) {}
    bool finished(int& exitCode) override {
        // A negative count runs until stopped.
        if (!m_stopped && (m_polls < 0 || m_polls-- > 0)) return false;
        exitCode = m_stopped ? 128 + 9 : m_code;
        return true;
    }
    void stop() override {
        m_stopped = true;
        ++m_stops;
    }

private:
    int m_code;
    int m_polls;
    int& m_stops;
    bool m_stopped = false;
};
}  // namespace

std::unique_ptr<RunningProcess> FakeProcesses::start(const std::vector<std::string>& argv, WindowStyle) {
    if (failStart) return nullptr;
    started.push_back(argv);
    if (onStart) onStart(argv);
    return std::make_unique<FakeRunning>(exitCode, pollsUntilExit, stops);
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
