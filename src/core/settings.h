// The settings record: the options Zerin.ini carries, one field per key.
#pragma once

#include <cstdint>
#include <string>
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
    // Lines of Zerin.ini that no key of the writer stands for: comments, keys Zerin does
    // not know (or written with a blank before the "="), and vlc_loop, which is read but
    // never written from the record. Each is ignored wherever it stands, so the writer
    // puts them back after the key lines, as the user wrote them.
    std::vector<std::string> keptLines;
};

}  // namespace zerin
