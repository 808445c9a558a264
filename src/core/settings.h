// The settings record: the options Zerin.ini carries, one field per key.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace zerin {

struct Settings {
    bool powerdrop = false;
    bool mouseAutofocus = false;
    bool textLog = false;
    std::int16_t columnHeaders = 0;
    bool columnAutosize = false;
    bool blink = false;
    // Not a field of the record in the file's sense: the blink timer's interval.
    std::int32_t blinkInterval = 500;
    bool folderSizes = false;
    bool useDesktopColor = true;
    bool vlcBackground = false;
    std::int16_t mode = 1;
    bool startMaximized = true;
    std::int32_t slideInterval = 0;
    // The slide timer runs at the interval the file gave it, whatever start-up sets later.
    std::int32_t slideTimerInterval = 3000;
    std::int16_t fontSize = 14;
    std::string leftPath = "Drives";
    std::string rightPath = "Drives";
    bool vlcLoop = false;
    // The archive lister the panes run ("" for zerin-archiver beside the executable).
    std::string archiver;
    // Lines of Zerin.ini that no key of the writer stands for: comments, keys Zerin does
    // not know (or written with a blank before the "="), and vlc_loop, which is read but
    // never written from the record. Each is ignored wherever it stands, so the writer
    // puts them back after the key lines, as the user wrote them.
    std::vector<std::string> keptLines;
};

// The keys of the file's first section, in the order a save writes them: each with its
// field and how its value is read and written. The defaults are the record's own
// initial values. (The reader and the writer both walk this table.)
enum class SettingKind {
    Flag,           // "1" on, any other whole number off
    Number,         // a whole number from -32768 to 32767
    Interval,       // milliseconds, 0 to 2^31-1 after rounding
    SlideInterval,  // an interval that also sets the slide timer's own
    PanePath,       // the folder a pane starts in (`pane` 0 left, 1 right)
    OnlyOn,         // read as a flag that a "1" switches on and nothing switches off; not written
    Text,           // a text taken as written, blanks around it dropped; written only when set
};

struct SettingKey {
    std::string_view key;  // lower case, without "="
    SettingKind kind;
    bool Settings::*flag = nullptr;
    std::int16_t Settings::*number = nullptr;
    std::int32_t Settings::*interval = nullptr;
    int pane = 0;
    std::string Settings::*text = nullptr;
};

inline constexpr SettingKey kSettingKeys[] = {
    {"powerdrop", SettingKind::Flag, &Settings::powerdrop},
    {"mouse_autofocus", SettingKind::Flag, &Settings::mouseAutofocus},
    {"text_log", SettingKind::Flag, &Settings::textLog},
    {"column_headers", SettingKind::Number, nullptr, &Settings::columnHeaders},
    {"column_autosize", SettingKind::Flag, &Settings::columnAutosize},
    {"blink", SettingKind::Flag, &Settings::blink},
    {"blink_interval", SettingKind::Interval, nullptr, nullptr, &Settings::blinkInterval},
    {"foldersizes", SettingKind::Flag, &Settings::folderSizes},
    {"use_desktopcolor", SettingKind::Flag, &Settings::useDesktopColor},
    {"vlc_background", SettingKind::Flag, &Settings::vlcBackground},
    {"mode", SettingKind::Number, nullptr, &Settings::mode},
    {"start_maximized", SettingKind::Flag, &Settings::startMaximized},
    {"slide_interval", SettingKind::SlideInterval, nullptr, nullptr, &Settings::slideInterval},
    {"font_size", SettingKind::Number, nullptr, &Settings::fontSize},
    {"left_path", SettingKind::PanePath, nullptr, nullptr, nullptr, 0},
    {"right_path", SettingKind::PanePath, nullptr, nullptr, nullptr, 1},
    {"vlc_loop", SettingKind::OnlyOn, &Settings::vlcLoop},
    {"archiver", SettingKind::Text, nullptr, nullptr, nullptr, 0, &Settings::archiver},
};

inline const SettingKey* findSettingKey(std::string_view lowerKey) {
    for (const SettingKey& k : kSettingKeys)
        if (k.key == lowerKey) return &k;
    return nullptr;
}

inline std::string& panePathField(Settings& s, int pane) { return pane == 0 ? s.leftPath : s.rightPath; }
inline const std::string& panePathField(const Settings& s, int pane) { return pane == 0 ? s.leftPath : s.rightPath; }

}  // namespace zerin
