// The small commands the dispatcher answers itself: help, the clock, event pumping,
// the stop request and the command table.
#pragma once

#include <array>
#include <string_view>

namespace zerin {

class Zerin;

// The names `help` lists, in order. Three of them are not commands and answer nothing.
inline constexpr std::array<std::string_view, 23> kHelpList = {
    "do_column_autosize", "do_column_headers", "do_font_larger",   "do_font_smaller",
    "do_is_folder",       "do_list_update",    "do_mouse_autofocus", "do_query_okcancel",
    "do_run",             "do_run_s",          "do_runwait",       "do_runwait_s",
    "do_script_break",    "do_sizeformat",     "do_set",           "do_get",
    "do_text_loadunicode", "do_text_loadhex",  "do_text_save",     "do_text_filelist",
    "do_text_insertmode", "do_text_log",       "do_wait"};

inline constexpr std::size_t kHelpNameWidth = 26;

void registerDispatcherCommands(Zerin& zerin);

}  // namespace zerin
