// The 150 commands of the language: the single source of truth for every fact about a
// command. `enum class Cmd`, the command table string, the name lookup, the dispatcher's
// slots, the reserved numbers and the order of `help`'s list are all made from it.
// Columns: number, identifier, the name scripts write, flags, place in `help`'s list
// (0: not listed).
// ORDER: ascending by number; checked at compile time below and by a test.
#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace zerin {

inline constexpr unsigned kPlain = 0;
// In the table (so the name is taken) but answered by the keywords, not by a handler.
inline constexpr unsigned kReserved = 1u << 0;
// Does not know the help convention and acts on "/??" as on any argument (asks the user,
// starts a program, stops the script, makes a variable, shows or hides the column
// headers): `help` and the editors name it and no more, so that asking for help never
// changes anything. Called directly with "/??" or "/?", it does what it does with any
// other argument.
inline constexpr unsigned kActsOnAnyArgument = 1u << 1;  // also: waits, saves a file, makes a button

}  // namespace zerin

#define ZERIN_COMMANDS(X) \
    X(  1, Rnd,                 "rnd",                   kPlain, 0) \
    X(  2, Int,                 "int",                   kPlain, 0) \
    X(  3, Abs,                 "abs",                   kPlain, 0) \
    X(  4, Len,                 "len",                   kPlain, 0) \
    X(  5, Sqr,                 "sqr",                   kPlain, 0) \
    X(  6, Acos,                "acos",                  kPlain, 0) \
    X(  7, Atn,                 "atn",                   kPlain, 0) \
    X(  8, Cos,                 "cos",                   kPlain, 0) \
    X(  9, Sin,                 "sin",                   kPlain, 0) \
    X( 10, Help,                "help",                  kPlain, 0) \
    X( 11, DoSet,               "do_set",                kActsOnAnyArgument, 15) \
    X( 12, Print,               "?",                     kPlain, 0) \
    X( 13, DoFileCopy,          "do_file_copy",          kActsOnAnyArgument, 0) \
    X( 14, DoIsFolder,          "do_is_folder",          kPlain, 5) \
    X( 15, DoTrimname,          "do_trimname",           kPlain, 0) \
    X( 16, DoTime,              "do_time",               kPlain, 0) \
    X( 17, DoDate,              "do_date",               kPlain, 0) \
    X( 18, DoIf,                "do_if",                 kReserved, 0) \
    X( 19, DoElse,              "do_else",               kReserved, 0) \
    X( 20, DoEndIf,             "do_end_if",             kReserved, 0) \
    X( 21, DoForEach,           "do_for_each",           kReserved, 0) \
    X( 22, DoDirsize,           "do_dirsize",            kPlain, 0) \
    X( 23, DoTextLoad,          "do_text_load",          kPlain, 0) \
    X( 24, DoListUpdate,        "do_list_update",        kPlain, 6) \
    X( 25, DoListFoldersFirst,  "do_list_folders_first", kPlain, 0) \
    X( 26, DoTextLoadunicode,   "do_text_loadunicode",   kPlain, 17) \
    X( 27, DoTextLoadhex,       "do_text_loadhex",       kPlain, 18) \
    X( 28, DoTextFilelist,      "do_text_filelist",      kPlain, 20) \
    X( 29, DoFontLarger,        "do_font_larger",        kPlain, 3) \
    X( 30, DoFontSmaller,       "do_font_smaller",       kPlain, 4) \
    X( 31, DoColumnHeaders,     "do_column_headers",     kActsOnAnyArgument, 2) \
    X( 32, DoColumnAutosize,    "do_column_autosize",    kPlain, 1) \
    X( 33, DoSizeformat,        "do_sizeformat",         kPlain, 14) \
    X( 34, DoVlcWallpaper,      "do_vlc_wallpaper",      kPlain, 0) \
    X( 35, DoImagePrev,         "do_image_prev",         kPlain, 0) \
    X( 36, DoImageNext,         "do_image_next",         kPlain, 0) \
    X( 37, DoImageSlide,        "do_image_slide",        kPlain, 0) \
    X( 38, DoImageSlower,       "do_image_slower",       kPlain, 0) \
    X( 39, DoImageFaster,       "do_image_faster",       kPlain, 0) \
    X( 40, DoImageClear,        "do_image_clear",        kPlain, 0) \
    X( 41, DoDefaultSave,       "do_default_save",       kPlain, 0) \
    X( 42, DoTextExecute,       "do_text_execute",       kPlain, 0) \
    X( 43, Circlef,             "circlef",               kPlain, 0) \
    X( 44, DoGet,               "do_get",                kPlain, 16) \
    X( 45, DoRun,               "do_run",                kActsOnAnyArgument, 9) \
    X( 46, DoRunS,              "do_run_s",              kActsOnAnyArgument, 10) \
    X( 47, DoRunwait,           "do_runwait",            kActsOnAnyArgument, 11) \
    X( 48, DoRunwaitS,          "do_runwait_s",          kActsOnAnyArgument, 12) \
    X( 49, DoWait,              "do_wait",               kPlain, 23) \
    X( 50, DoScriptBreak,       "do_script_break",       kActsOnAnyArgument, 13) \
    X( 51, DoValueEncode,       "do_value_encode",       kPlain, 0) \
    X( 52, DoValueDecode,       "do_value_decode",       kPlain, 0) \
    X( 53, DoQueryOkcancel,     "do_query_okcancel",     kActsOnAnyArgument, 8) \
    X( 54, DoMouseAutofocus,    "do_mouse_autofocus",    kPlain, 7) \
    X( 55, Query,               "query",                 kActsOnAnyArgument, 0) \
    X( 56, DoTrimquotes,        "do_trimquotes",         kPlain, 0) \
    X( 57, Input,               "input",                 kActsOnAnyArgument, 0) \
    X( 58, Clr,                 "clr",                   kPlain, 0) \
    X( 59, DoScanfolder,        "do_scanfolder",         kPlain, 0) \
    X( 60, DoScanselected,      "do_scanselected",       kPlain, 0) \
    X( 61, DoPhotoDate,         "do_photo_date",         kPlain, 0) \
    X( 62, DoTrimpath,          "do_trimpath",           kPlain, 0) \
    X( 63, DoMakedir,           "do_makedir",            kActsOnAnyArgument, 0) \
    X( 64, DoFileRename,        "do_file_rename",        kActsOnAnyArgument, 0) \
    X( 65, DoDir,               "do_dir",                kPlain, 0) \
    X( 66, Window,              "window",                kPlain, 0) \
    X( 67, DoPause,             "do_pause",              kActsOnAnyArgument, 0) \
    X( 68, Button,              "button",                kPlain, 0) \
    X( 69, ButtonRemove,        "button.remove",         kPlain, 0) \
    X( 70, ButtonColor,         "button.color",          kPlain, 0) \
    X( 71, WaitInput,           "wait.input",            kPlain, 0) \
    X( 72, WaitInputText,       "wait.input.text",       kPlain, 0) \
    X( 73, WindowInput,         "window.input",          kPlain, 0) \
    X( 74, DoGetobjectProperty, "do_getobject_property", kReserved, 0) \
    X( 75, DoButtonFromEditor,  "do_button_from_editor", kActsOnAnyArgument, 0) \
    X( 76, DoEvents,            "do_events",             kPlain, 0) \
    X( 77, DoSlow,              "do_slow",               kPlain, 0) \
    X( 78, DoTitlebar,          "do.titlebar",           kPlain, 0) \
    X( 79, DoRefresh,           "do.refresh",            kPlain, 0) \
    X( 80, FileExists,          "file.exists",           kPlain, 0) \
    X( 81, FileCueToEditor,     "file.cue.to.editor",    kActsOnAnyArgument, 0) \
    X( 82, FileCueStatus,       "file.cue.status",       kPlain, 0) \
    X( 83, FileCueCount,        "file.cue.count",        kPlain, 0) \
    X( 84, FileCueSource,       "file.cue.source",       kPlain, 0) \
    X( 85, FileCueTarget,       "file.cue.target",       kPlain, 0) \
    X( 86, PrintInline,         "?.",                    kPlain, 0) \
    X( 87, DirList,             "dir$",                  kPlain, 0) \
    X( 88, Instr,               "instr",                 kPlain, 0) \
    X( 89, Lcase,               "lcase",                 kPlain, 0) \
    X( 90, FileSuffix,          "file.suffix",           kPlain, 0) \
    X( 91, ListIconsUpdate,     "list.icons.update",     kPlain, 0) \
    X( 92, StrBuild,            "str.build",             kReserved, 0) \
    X( 93, GfxColorBrightness,  "gfx.color.brightness",  kPlain, 0) \
    X( 94, GfxPrint,            "gfx.print",             kPlain, 0) \
    X( 95, GfxRefresh,          "gfx.refresh",           kPlain, 0) \
    X( 96, GfxDrawwidth,        "gfx.drawwidth",         kPlain, 0) \
    X( 97, GfxColorSplitrgb,    "gfx.color.splitrgb",    kPlain, 0) \
    X( 98, GfxOpen,             "gfx.open",              kPlain, 0) \
    X( 99, Public,              "public",                kPlain, 0) \
    X(100, PublicSave,          "public.save",           kPlain, 0) \
    X(101, Replace,             "replace",               kPlain, 0) \
    X(102, WindowLeft,          "window.left",           kPlain, 0) \
    X(103, WindowTop,           "window.top",            kPlain, 0) \
    X(104, WindowWidth,         "window.width",          kPlain, 0) \
    X(105, WindowHeight,        "window.height",         kPlain, 0) \
    X(106, Line,                "line",                  kPlain, 0) \
    X(107, Bar,                 "bar",                   kPlain, 0) \
    X(108, Circle,              "circle",                kPlain, 0) \
    X(109, Cls,                 "cls",                   kPlain, 0) \
    X(110, Forecolor,           "forecolor",             kPlain, 0) \
    X(111, Fillstyle,           "fillstyle",             kPlain, 0) \
    X(112, Fillcolor,           "fillcolor",             kPlain, 0) \
    X(113, MouseX,              "mouse.x",               kPlain, 0) \
    X(114, MouseY,              "mouse.y",               kPlain, 0) \
    X(115, MouseButton,         "mouse.button",          kPlain, 0) \
    X(116, ClientLeft,          "client.left",           kPlain, 0) \
    X(117, ClientTop,           "client.top",            kPlain, 0) \
    X(118, PrintDebug,          "!",                     kPlain, 0) \
    X(119, Point,               "point",                 kPlain, 0) \
    X(120, Pset,                "pset",                  kPlain, 0) \
    X(121, KeyState,            "key.state",             kPlain, 0) \
    X(122, BitmapCreate,        "bitmap.create",         kPlain, 0) \
    X(123, BitmapCopy,          "bitmap.copy",           kPlain, 0) \
    X(124, BitmapLoad,          "bitmap.load",           kPlain, 0) \
    X(125, BitmapSave,          "bitmap.save",           kActsOnAnyArgument, 0) \
    X(126, BitmapWidth,         "bitmap.width",          kPlain, 0) \
    X(127, BitmapHeight,        "bitmap.height",         kPlain, 0) \
    X(128, TimeTickcount,       "time.tickcount",        kPlain, 0) \
    X(129, TimeFps,             "time.fps",              kPlain, 0) \
    X(130, TimeFactor,          "time.factor",           kPlain, 0) \
    X(131, Wait,                "wait",                  kPlain, 0) \
    X(132, Execute,             "execute",               kPlain, 0) \
    X(133, Alphablend,          "alphablend",            kPlain, 0) \
    X(134, Paintpicture,        "paintpicture",          kPlain, 0) \
    X(135, ThreadPriority,      "thread.priority",       kPlain, 0) \
    X(136, SoundPlay,           "sound.play",            kPlain, 0) \
    X(137, SoundLoad,           "sound.load",            kPlain, 0) \
    X(138, WindowSetfocus,      "window.setfocus",       kPlain, 0) \
    X(139, WindowMove,          "window.move",           kPlain, 0) \
    X(140, DoAllcommands,       "do.allcommands",        kPlain, 0) \
    X(141, Hibernate,           "hibernate",             kPlain, 0) \
    X(142, Tan,                 "tan",                   kReserved, 0) \
    X(143, Asin,                "asin",                  kPlain, 0) \
    X(144, WindowTitle,         "window.title",          kPlain, 0) \
    X(145, Box,                 "box",                   kPlain, 0) \
    X(146, Left,                "left",                  kPlain, 0) \
    X(147, Right,               "right",                 kPlain, 0) \
    X(148, Mid,                 "mid",                   kPlain, 0) \
    X(149, GfxMouseX,           "gfx.mouse.x",           kPlain, 0) \
    X(150, GfxMouseY,           "gfx.mouse.y",           kPlain, 0)

// Names `help` lists that are not commands and answer nothing: place in the list, name.
#define ZERIN_HELP_ONLY(X) X(19, "do_text_save") X(21, "do_text_insertmode") X(22, "do_text_log")

namespace zerin {

enum class Cmd : int {
#define ZERIN_CMD_ENUM(number, id, name, flags, helpPlace) id = number,
    ZERIN_COMMANDS(ZERIN_CMD_ENUM)
#undef ZERIN_CMD_ENUM
};

struct CommandInfo {
    int number;
    std::string_view name;
    unsigned flags;
    int helpPlace;
};

inline constexpr std::array kCommands = {
#define ZERIN_CMD_INFO(number, id, name, flags, helpPlace) CommandInfo{number, name, flags, helpPlace},
    ZERIN_COMMANDS(ZERIN_CMD_INFO)
#undef ZERIN_CMD_INFO
};

inline constexpr int kCommandCount = static_cast<int>(kCommands.size());

constexpr int commandNumber(Cmd command) { return static_cast<int>(command); }

namespace detail {

constexpr bool numberedFromOne() {
    for (std::size_t i = 0; i < kCommands.size(); ++i)
        if (kCommands[i].number != static_cast<int>(i) + 1) return false;
    return true;
}

constexpr std::size_t helpListSize() {
    std::size_t n = 0;
    for (const CommandInfo& c : kCommands) n += c.helpPlace > 0;
#define ZERIN_HELP_COUNT(place, name) ++n;
    ZERIN_HELP_ONLY(ZERIN_HELP_COUNT)
#undef ZERIN_HELP_COUNT
    return n;
}

}  // namespace detail

static_assert(kCommandCount == 150 && detail::numberedFromOne(), "the command list numbers 1 to 150 in order");

// The names `help` lists, in its order.
inline constexpr auto kHelpList = [] {
    std::array<std::string_view, detail::helpListSize()> list{};
    for (const CommandInfo& c : kCommands)
        if (c.helpPlace > 0) list[static_cast<std::size_t>(c.helpPlace - 1)] = c.name;
#define ZERIN_HELP_PLACE(place, name) list[(place) - 1] = name;
    ZERIN_HELP_ONLY(ZERIN_HELP_PLACE)
#undef ZERIN_HELP_PLACE
    return list;
}();

}  // namespace zerin
