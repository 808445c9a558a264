// Which lines of a run's text have been met, keyed by where they begin. Every line a run
// executes is looked up here first, so it is a flat table probed by a multiplicative hash
// rather than a node-based map whose lookups divide and chase pointers.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

namespace zerin {

class LineIndex {
public:
    static constexpr std::uint32_t kAbsent = 0xFFFFFFFFu;

    // The value stored for `start`, or kAbsent.
    std::uint32_t find(std::size_t start) const {
        if (m_slots.empty()) return kAbsent;
        for (std::size_t i = slotOf(start);; i = (i + 1) & m_mask) {
            const Slot& s = m_slots[i];
            if (s.key == 0) return kAbsent;
            if (s.key == start + 1) return s.value;
        }
    }

    // Stores `value` for `start`, replacing what was there.
    void set(std::size_t start, std::uint32_t value) {
        if ((m_used + 1) * 4 > m_slots.size() * 3) grow();
        for (std::size_t i = slotOf(start);; i = (i + 1) & m_mask) {
            Slot& s = m_slots[i];
            if (s.key == 0) {
                s = {start + 1, value};
                ++m_used;
                return;
            }
            if (s.key == start + 1) {
                s.value = value;
                return;
            }
        }
    }

    void clear() {
        m_slots.clear();
        m_mask = 0;
        m_used = 0;
    }

private:
    struct Slot {
        std::size_t key = 0;  // start + 1; 0 marks a free slot
        std::uint32_t value = 0;
    };

    std::size_t slotOf(std::size_t start) const {
        return static_cast<std::size_t>((static_cast<std::uint64_t>(start) * 0x9E3779B97F4A7C15ull) >> 32) & m_mask;
    }

    void grow() {
        std::vector<Slot> old = std::move(m_slots);
        m_slots.assign(old.empty() ? 64 : old.size() * 2, Slot{});
        m_mask = m_slots.size() - 1;
        m_used = 0;
        for (const Slot& s : old)
            if (s.key != 0) set(s.key - 1, s.value);
    }

    std::vector<Slot> m_slots;
    std::size_t m_mask = 0;
    std::size_t m_used = 0;
};

}  // namespace zerin
