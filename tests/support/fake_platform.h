// In-memory stand-ins for every platform service, for headless tests.
#pragma once

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/mixer.h"
#include "platform/platform.h"

namespace zerin::test {

class FakeEventPump : public EventPump {
public:
    void processEvents() override {
        ++pumps;
        if (onPump) onPump();
    }
    void sleepMs(int ms) override;
    int pumps = 0;
    std::function<void()> onPump;
    // Virtual time, advanced by sleeps; the fake clock reads it.
    std::int64_t nowMs = 1000;
};

class FakeClock : public Clock {
public:
    explicit FakeClock(FakeEventPump& pump) : m_pump(pump) {}
    std::int64_t tickCount() override { return m_pump.nowMs; }
    LocalTime now() override { return time; }
    LocalTime time{2026, 12, 6, 14, 30, 15, 340, 0};

private:
    FakeEventPump& m_pump;
};

class FakeKeyState : public KeyState {
public:
    bool asyncKeyState(int vk) override {
        if (pressedOnce.erase(vk)) return true;
        return down.count(vk) > 0;
    }
    Point cursorPos() override { return cursor; }
    void setCursorPos(Point p) override { cursor = p; }
    int mouseButtons() override { return buttons; }
    std::set<int> down;
    std::set<int> pressedOnce;
    Point cursor;
    int buttons = 0;
};

class FakeDialogs : public Dialogs {
public:
    MsgResult messageBox(std::string_view text, std::string_view title, MsgButtons buttons,
                         MsgIcon icon) override;
    std::optional<std::string> inputBox(std::string_view prompt, int fontSize) override;

    struct Shown {
        std::string text, title;
        MsgButtons buttons;
    };
    std::vector<Shown> shown;
    std::deque<MsgResult> answers;              // default Cancel when empty
    std::deque<std::optional<std::string>> inputs;
    std::vector<std::string> prompts;
};

class FakeProcesses : public Processes {
public:
    std::unique_ptr<RunningProcess> start(const std::vector<std::string>& argv, WindowStyle style) override;
    std::vector<std::vector<std::string>> started;
    bool failStart = false;
    int exitCode = 0;
    // Polls before the program ends; a negative count: it runs until stopped.
    int pollsUntilExit = 0;
    int stops = 0;
    // Called with the arguments of each start, to act as the program would.
    std::function<void(const std::vector<std::string>&)> onStart;
};

class FakeSound : public Sound {
public:
    void setWaveVolume(std::uint32_t v) override { volume = v; }
    bool playAsync(PcmSound sound, std::string& reason) override;
    std::uint32_t volume = 0xFFFFFFFF;
    std::vector<PcmSound> played;
    // When set, playing fails with this reason.
    std::string refuseReason;
};

// A mixer with a volume control of the given bounds, or none when `present` is false.
class FakeMixer : public Mixer {
public:
    bool open(VolumeBounds& b) override {
        ++opens;
        if (present) b = bounds;
        return present;
    }
    bool readVolume(std::int64_t& v) override {
        if (!level) return false;
        v = *level;
        return true;
    }
    void setVolume(std::int64_t v) override { written.push_back(v); }
    bool present = true;
    std::optional<std::int64_t> level;
    VolumeBounds bounds{0, 65535};
    int opens = 0;
    std::vector<std::int64_t> written;
};

class FakeSystem : public SystemServices {
public:
    int threadPriority() override { return priority; }
    bool setThreadPriority(int level) override {
        priority = level;
        return true;
    }
    bool hibernate(std::string& reason) override {
        reason = "refused by the fake";
        ++hibernateCalls;
        return false;
    }
    int priority = 0;
    int hibernateCalls = 0;
};

// Every character is 7 pixels wide and text is 16 pixels high per 10 points.
class FakeTextMetrics : public TextMetrics {
public:
    int width(std::string_view text, int pointSize, FontFace face) override;
    int height(std::string_view text, int pointSize, FontFace face) override;
};

// A whole platform of fakes.
struct FakePlatform {
    FakeEventPump pump;
    FakeClock clock{pump};
    FakeKeyState keys;
    FakeDialogs dialogs;
    FakeProcesses processes;
    FakeSound sound;
    FakeSystem system;
    FakeTextMetrics metrics;
    Platform platform{pump, clock, keys, dialogs, processes, sound, system, metrics};
};

}  // namespace zerin::test
