// The text of a byte count in the Size column. One global mode (1 to 4) decides how every
// size in the program is shown.
#pragma once

#include <cstdint>
#include <string>

namespace zerin {

class SizeFormat {
public:
    static constexpr int kRoundToNearest = 1;
    static constexpr int kBytes = 2;
    static constexpr int kKiloBytes = 3;
    static constexpr int kMegaBytes = 4;

    int mode() const { return m_mode; }
    // Values outside 1..4 are refused (false, mode unchanged).
    bool setMode(int mode);
    void next() { m_mode = m_mode >= 4 ? 1 : m_mode + 1; }

    std::string format(std::int64_t bytes) const { return format(bytes, m_mode); }
    static std::string format(std::int64_t bytes, int mode);

private:
    int m_mode = kRoundToNearest;
};

// "#0.#0": at least one integer digit and two decimals, halves rounded away from zero.
std::string formatTwoDecimals(double value);
// "### ### ##0": the value rounded to a whole number, digits grouped by three with blanks.
std::string formatGrouped(double value);

}  // namespace zerin
