#include "ui/window_placement.h"

#include <algorithm>
#include <charconv>
#include <fstream>
#include <iterator>
#include <sstream>
#include <vector>

#include "platform/posix/atomic_file.h"

namespace zerin::ui {

namespace {

// One axis: the client start and length so that [start - before, start + length + after]
// lies inside [lo, lo + room) as far as the length allows.
void fitAxis(int& start, int& length, int wantedLength, int minimum, int before, int after, int lo, int room) {
    length = std::max(minimum, std::min(wantedLength, room - before - after));
    const int hi = lo + room;
    if (start + length + after > hi) start = hi - after - length;
    // When even the smallest window is larger than the screen, its title bar stays on it.
    if (start - before < lo) start = lo + before;
}

std::optional<int> number(std::string_view text) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\r')) text.remove_suffix(1);
    int value = 0;
    const char* end = text.data() + text.size();
    auto [ptr, ec] = std::from_chars(text.data(), end, value);
    if (ec != std::errc() || ptr != end) return std::nullopt;
    return value;
}

std::vector<std::string_view> split(std::string_view text, char separator) {
    std::vector<std::string_view> parts;
    for (std::size_t at = 0;;) {
        std::size_t next = text.find(separator, at);
        parts.push_back(text.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at));
        if (next == std::string_view::npos) return parts;
        at = next + 1;
    }
}

}  // namespace

QRect fitClientRect(const QRect& wanted, const QSize& defaultSize, const QMargins& frame, const QRect& available,
                    const QSize& minimum) {
    const bool placed = wanted.width() > 0 && wanted.height() > 0;
    const QSize size = placed ? wanted.size() : defaultSize;
    int x = 0, width = 0, y = 0, height = 0;
    if (placed) {
        x = wanted.x();
        y = wanted.y();
    }
    // A window with no place of its own is centred; the size is fitted first.
    fitAxis(x, width, size.width(), minimum.width(), frame.left(), frame.right(), available.x(), available.width());
    fitAxis(y, height, size.height(), minimum.height(), frame.top(), frame.bottom(), available.y(), available.height());
    if (!placed) {
        x = available.x() + frame.left() + std::max(0, available.width() - frame.left() - frame.right() - width) / 2;
        y = available.y() + frame.top() + std::max(0, available.height() - frame.top() - frame.bottom() - height) / 2;
    }
    return {x, y, width, height};
}

std::string formatWindowPlacement(const WindowPlacement& p) {
    std::ostringstream out;
    out << "[window]\n";
    if (p.normal.width() > 0 && p.normal.height() > 0) {
        out << "left=" << p.normal.x() << "\ntop=" << p.normal.y() << "\nwidth=" << p.normal.width()
            << "\nheight=" << p.normal.height() << '\n';
    }
    out << "maximised=" << (p.maximised ? 1 : 0) << '\n';
    if (p.frame)
        out << "frame=" << p.frame->left() << ',' << p.frame->top() << ',' << p.frame->right() << ','
            << p.frame->bottom() << '\n';
    return out.str();
}

WindowPlacement parseWindowPlacement(std::string_view text) {
    WindowPlacement p;
    std::optional<int> left, top, width, height;
    for (std::string_view line : split(text, '\n')) {
        const std::size_t eq = line.find('=');
        if (eq == std::string_view::npos) continue;
        const std::string_view key = line.substr(0, eq), value = line.substr(eq + 1);
        if (key == "left") left = number(value);
        else if (key == "top") top = number(value);
        else if (key == "width") width = number(value);
        else if (key == "height") height = number(value);
        else if (key == "maximised") p.maximised = number(value).value_or(0) != 0;
        else if (key == "frame") {
            std::vector<std::string_view> parts = split(value, ',');
            if (parts.size() != 4) continue;
            std::optional<int> l = number(parts[0]), t = number(parts[1]), r = number(parts[2]), b = number(parts[3]);
            // A frame wider than any real one is a damaged line, not a frame.
            auto plausible = [](std::optional<int> v) { return v && *v >= 0 && *v <= 200; };
            if (plausible(l) && plausible(t) && plausible(r) && plausible(b)) p.frame = QMargins(*l, *t, *r, *b);
        }
    }
    if (left && top && width && height && *width > 0 && *height > 0) p.normal = QRect(*left, *top, *width, *height);
    return p;
}

std::filesystem::path windowPlacementPath(const std::filesystem::path& programFolder) {
    // Without a program folder nothing is kept (never a file in the current directory).
    if (programFolder.empty()) return {};
    return programFolder / kWindowPlacementFile;
}

WindowPlacement readWindowPlacement(const std::filesystem::path& file) {
    if (file.empty()) return {};
    std::ifstream in(file, std::ios::binary);
    if (!in) return {};
    std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    return parseWindowPlacement(text);
}

bool writeWindowPlacement(const std::filesystem::path& file, const WindowPlacement& placement) {
    if (file.empty()) return false;
    const std::string text = formatWindowPlacement(placement);
    return writeFileAtomically(file, [&text](const ChunkWriter& write) { return write(text); }).isOk();
}

}  // namespace zerin::ui
