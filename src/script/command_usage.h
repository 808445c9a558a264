// How a script writes each of the 150 commands and what it does: the command reference
// docs/commands.md (made by tools/make_command_reference). A new command needs its entry.
// Columns: identifier, usage, one-sentence summary. ORDER: as ZERIN_COMMANDS (checked below).
#pragma once

#include <array>
#include <string_view>

#include "script/command_list.h"

#define ZERIN_COMMAND_USAGE(X) \
    X(Rnd, "rnd n", "Returns a random whole number from 0 to n inclusive.") \
    X(Int, "int x", "Returns the largest whole number not above x, so int -2.5 gives -3.") \
    X(Abs, "abs x", "Returns the absolute value of x.") \
    X(Len, "len text", "Returns the length of the value of the local variable named text, or of the text itself when there is no such variable or its value is empty.") \
    X(Sqr, "sqr x", "Returns the square root of x.") \
    X(Acos, "acos x", "Returns the angle in degrees whose cosine is x.") \
    X(Atn, "atn x", "Returns the angle in degrees whose tangent is x.") \
    X(Cos, "cos degrees", "Returns the cosine of an angle given in degrees.") \
    X(Sin, "sin degrees", "Returns the sine of an angle given in degrees.") \
    X(Help, "help [command]", "Prints the full help of the named command, or without a name one line for each command of the help list; returns the empty text.") \
    X(DoSet, "do_set name value", "Sets the variable name (the public one when it exists, else a local one) to value, or deletes it when the value is the word nothing; returns the empty text.") \
    X(Print, "? text", "Prints the text with a line end to the output window, or to the debug pane while that window is closed; returns the empty text.") \
    X(DoFileCopy, "do_file_copy \"source\" \"target\"", "Copies the source file or folder to the target; returns the empty text, or the error code with a leading blank (cancelling also stops the script).") \
    X(DoIsFolder, "do_is_folder path", "Returns the path with a trailing \"/\" when it names an existing folder, otherwise \"false\".") \
    X(DoTrimname, "do_trimname path", "Returns the last part of the path (without a trailing \"/\" and without double quotes).") \
    X(DoTime, "do_time", "Returns the current time as HH:MM:SS.") \
    X(DoDate, "do_date", "Returns the current date as YYYY-MM-DD.") \
    X(DoIf, "do_if", "Reserved name without an action of its own: conditions are written with the keywords IF, ELSEIF, ELSE and ENDIF.") \
    X(DoElse, "do_else", "Reserved name without an action of its own: the other branch of a condition is written with the keyword ELSE.") \
    X(DoEndIf, "do_end_if", "Reserved name without an action of its own: a condition is closed with the keyword ENDIF.") \
    X(DoForEach, "do_for_each", "Reserved name without an action of its own: loops over a list of values are written with the keywords FOR and NEXT.") \
    X(DoDirsize, "do_dirsize", "Reads the source pane's folder again and computes the size of every folder in it; returns the empty text.") \
    X(DoTextLoad, "do_text_load", "Asks, then appends the text of the file selected in the source pane to the text editor; returns the empty text.") \
    X(DoListUpdate, "do_list_update [0|1]", "Rebuilds the left (0) or right (1) pane, by default the source pane, from the folder-size cache or the disk and redraws it; returns the empty text.") \
    X(DoListFoldersFirst, "do_list_folders_first [1]", "Moves the folders of the left pane (the right pane with 1) in front of its files, keeping both in their order; returns the empty text.") \
    X(DoTextLoadunicode, "do_text_loadunicode", "Inserts the text of the selected file at the editor's caret, selects it and lists the file among the loaded text files; returns the command's description.") \
    X(DoTextLoadhex, "do_text_loadhex", "Inserts a hexadecimal dump of the selected file, 18 bytes a line with their characters beside them, into the text editor; returns the command's description.") \
    X(DoTextFilelist, "do_text_filelist", "Inserts the full paths of all items of the source pane, one a line, into the text editor; returns the command's description.") \
    X(DoFontLarger, "do_font_larger [steps]", "Raises the font size by steps (1 by default); returns the command's description.") \
    X(DoFontSmaller, "do_font_smaller [steps]", "Lowers the font size by steps (1 by default), not below 7; returns the new font size.") \
    X(DoColumnHeaders, "do_column_headers [0|1|2|/S]", "Sets the column headers to none (0), the focused pane only (1) or both panes (2), or moves to the next of these with /S; returns the mode now in force.") \
    X(DoColumnAutosize, "do_column_autosize [0|1|/S]", "Switches fitting the columns to the pane after every rebuild off (0), on (1) or over (/S); returns \"1\" when on, \"0\" when off.") \
    X(DoSizeformat, "do_sizeformat [1|2|3|4|/S]", "Shows sizes rounded (1), in bytes (2), kilobytes (3) or megabytes (4), or the next of these with /S; returns the mode now in force with a leading blank.") \
    X(DoVlcWallpaper, "do_vlc_wallpaper", "Switches the dark background mode of the main window on or off; returns the empty text.") \
    X(DoImagePrev, "do_image_prev", "Shows the previous image of the image list, after the first the last; returns the empty text.") \
    X(DoImageNext, "do_image_next", "Shows the next image of the image list, after the last the first; returns the empty text.") \
    X(DoImageSlide, "do_image_slide", "Starts or stops the slide show of the image list; returns the empty text.") \
    X(DoImageSlower, "do_image_slower", "Lengthens the slide show's interval, up to 60 seconds; returns the empty text.") \
    X(DoImageFaster, "do_image_faster", "Shortens the slide show's interval, down to half a second; returns the empty text.") \
    X(DoImageClear, "do_image_clear", "Empties the image list, leaving the picture shown on screen; returns the empty text.") \
    X(DoDefaultSave, "do_default_save", "Writes the settings file Zerin.ini now; returns the empty text.") \
    X(DoTextExecute, "do_text_execute", "Runs the script in the script editor, as its own run does; returns the empty text.") \
    X(Circlef, "circlef x y radius [colour]", "Draws a filled circle on the output window's drawing surface (the fill stays solid for later drawing); returns the empty text.") \
    X(DoGet, "do_get name", "Returns the value of the local variable name, else of the public one, else the empty text.") \
    X(DoRun, "do_run command line", "Asks, then starts the program with its arguments in a normal window without waiting; returns the empty text.") \
    X(DoRunS, "do_run_s command line", "Asks, then starts the program with its arguments hidden, its output discarded, without waiting; returns the empty text.") \
    X(DoRunwait, "do_runwait command line", "Starts the program minimised and waits for it to end while the window stays usable; returns its exit code.") \
    X(DoRunwaitS, "do_runwait_s command line", "Starts the program hidden, its output discarded, and waits for it to end; returns its exit code.") \
    X(DoWait, "do_wait [seconds]", "Waits the given seconds (one short pass without them) while the window stays usable; returns the empty text.") \
    X(DoScriptBreak, "do_script_break", "Asks the running script to stop before its next line; returns the empty text.") \
    X(DoValueEncode, "do_value_encode number", "Returns the whole number written in base 64 with the digits 0-9, a-z, A-Z, £ and $, most significant first.") \
    X(DoValueDecode, "do_value_decode digits", "Returns the whole number that a text of base-64 digits written by do_value_encode stands for.") \
    X(DoQueryOkcancel, "do_query_okcancel question", "Asks the question with OK and Cancel; returns \"0\" for Cancel and \"1\" otherwise.") \
    X(DoMouseAutofocus, "do_mouse_autofocus [0|1|/S]", "Switches giving the focus to what the mouse is over off (0), on (1) or over (/S); returns \"1\" when on, \"0\" when off.") \
    X(Query, "query question", "Asks the question with OK and Cancel; returns \"1\" for OK and \"0\" for Cancel or a closed box.") \
    X(DoTrimquotes, "do_trimquotes text", "Returns the text trimmed, without the double quotes around it (or the marks '\"' at both ends).") \
    X(Input, "input prompt", "Asks for a line of text in a small box; returns the answer, or the empty text when the box is closed without Enter.") \
    X(Clr, "clr", "Empties the debug pane and the output window's text; returns \"true\".") \
    X(DoScanfolder, "do_scanfolder path", "Reads the folder and every folder below it into the folder-size cache; returns the empty text.") \
    X(DoScanselected, "do_scanselected", "Reads every folder selected in the source pane, with everything below it, into the folder-size cache and saves the cache; returns the empty text.") \
    X(DoPhotoDate, "do_photo_date path", "Returns the date a photo was taken, from its EXIF data, as YYYY-MM-DD, or the empty text when it has none.") \
    X(DoTrimpath, "do_trimpath path", "Returns the path without its last part (and without a trailing \"/\"), or \"false\" when it holds no \"/\".") \
    X(DoMakedir, "do_makedir path", "Makes the folder; returns the path when it was made, \"false\" when it already existed.") \
    X(DoFileRename, "do_file_rename old:new", "Renames or moves the file or folder at the full path old to the full path new, never replacing what is there; returns the new path.") \
    X(DoDir, "do_dir", "Reads the source pane's folder again from the disk and redraws it; returns the empty text.") \
    X(Window, "window title | window close", "Opens the output window in text mode with the title (or sets its caption when open), or closes it; returns the empty text.") \
    X(DoPause, "do_pause", "Pauses the script until it is asked to stop, keeping the window usable; returns the empty text.") \
    X(Button, "button [/name=name] caption", "Adds a button with the caption to the output window; a click on it answers wait.input with its name (the caption by default); returns the empty text.") \
    X(ButtonRemove, "button.remove all", "Removes all buttons from the output window; returns the empty text.") \
    X(ButtonColor, "button.color colour", "Gives the command button that started the running script the colour as background; returns the empty text.") \
    X(WaitInput, "wait.input", "Waits for a click on an output window button; returns the button's name, or WINDOW.CLOSED when the window is closed.") \
    X(WaitInputText, "wait.input.text [prompt]", "Shows the prompt and waits for a line typed into the output window; returns the line, or WINDOW.CLOSED when the window is closed.") \
    X(WindowInput, "window.input [reset]", "Returns the last answer given in the output window; with reset it also clears it.") \
    X(DoGetobjectProperty, "do_getobject_property", "Reserved name without an action and without a keyword: calling it writes \"chkCommand: Not found: 74\" to the debug pane and returns the empty text.") \
    X(DoButtonFromEditor, "do_button_from_editor", "Stores the script in the script editor as a command button under its #location= and #name= header lines, asking for a name when it has none; returns the empty text.") \
    X(DoEvents, "do_events", "Lets the window handle what is waiting (clicks, keys, redraws) once; returns the empty text.") \
    X(DoSlow, "do_slow", "Switches slow mode, which waits before each script line, on or off; returns the empty text.") \
    X(DoTitlebar, "do.titlebar [on|off|/s]", "Shows (on), hides (off) or switches (/s) the main window's title bar; without a word returns \"on\" when it is shown and the empty text when hidden.") \
    X(DoRefresh, "do.refresh", "Lays the main window out again; returns the empty text.") \
    X(FileExists, "file.exists path", "Returns \"1\" when a file (not a folder) of that path exists, else \"0\"; a relative path is taken in the program folder.") \
    X(FileCueToEditor, "file.cue.to.editor", "Writes a script that copies or moves every entry of the file operation list into the script editor; returns the empty text.") \
    X(FileCueStatus, "file.cue.status n status", "Sets the status of entry n of the file operation list; returns the status.") \
    X(FileCueCount, "file.cue.count", "Returns the number of entries in the file operation list.") \
    X(FileCueSource, "file.cue.source n", "Returns the source of entry n of the file operation list.") \
    X(FileCueTarget, "file.cue.target n", "Returns the target of entry n of the file operation list.") \
    X(PrintInline, "?. text", "Prints the text without a line end to the output window, or to the debug pane while that window is closed; returns the empty text.") \
    X(DirList, "dir$ path", "Returns the names in the folder, sorted by name, each in double quotes and followed by a blank, or prints \"Empty\" and returns the empty text for an empty folder.") \
    X(Instr, "instr [start] a b", "Returns the position (from 1) of b in a, searched from start, or 0; a word in double quotes is literal text, another word names a local variable.") \
    X(Lcase, "lcase text", "Returns the text in lower case.") \
    X(FileSuffix, "file.suffix path", "Returns the text after the last \".\" of the path's last part, \"/\" for a path ending with \"/\", or the empty text when there is no \".\".") \
    X(ListIconsUpdate, "list.icons.update", "Gives both panes large icons when the variable list.icons.large is 1, small ones otherwise; returns the empty text.") \
    X(StrBuild, "str.build", "Reserved name without an action and without a keyword: calling it writes \"chkCommand: Not found: 92\" to the debug pane and returns the empty text.") \
    X(GfxColorBrightness, "gfx.color.brightness colour percent", "Returns the colour darkened (below 100) or brightened (above 100) to the given percent.") \
    X(GfxPrint, "gfx.print x y text", "Writes the text at (x, y) on the output window's drawing surface; returns the empty text.") \
    X(GfxRefresh, "gfx.refresh", "Repaints the output window's drawing surface; returns the empty text.") \
    X(GfxDrawwidth, "gfx.drawwidth width", "Sets the width of the lines drawn from now on; returns the empty text.") \
    X(GfxColorSplitrgb, "gfx.color.splitrgb colour r g b", "Stores the red, green and blue parts of the colour in the variables r, g and b; returns a rough colour name (red, green, blue, sand) or the empty text.") \
    X(GfxOpen, "gfx.open title", "Opens the output window in graphics mode with the title and removes its buttons; returns the empty text.") \
    X(Public, "public name [=] value", "Makes a public variable shared by all scripts (with \"=\" it also replaces the value of an existing one, the value nothing deletes it); returns \"false\" when the variable is new.") \
    X(PublicSave, "public.save", "Saves every public variable as a public line in the on\\load script, so it comes back at the next start; returns the empty text.") \
    X(Replace, "replace name find replacement", "Returns the value of the variable name with every find replaced by replacement.") \
    X(WindowLeft, "window.left [pixels]", "Moves the output window's left edge when given pixels; returns its left edge.") \
    X(WindowTop, "window.top [pixels]", "Moves the output window's top edge when given pixels; returns its top edge.") \
    X(WindowWidth, "window.width [pixels]", "Sets the output window's outer width when given pixels; returns the width of its inside.") \
    X(WindowHeight, "window.height [pixels]", "Sets the output window's outer height when given pixels; returns the height of its inside.") \
    X(Line, "line x1 y1 x2 y2 [colour]", "Draws a line from (x1, y1) to (x2, y2) on the drawing surface, in the fore colour by default; returns the empty text.") \
    X(Bar, "bar x1 y1 x2 y2 [colour]", "Draws a rectangle filled with the colour (the fore colour by default) on the drawing surface; returns the empty text.") \
    X(Circle, "circle x y radius [colour]", "Draws a circle around (x, y) on the drawing surface, filled as the fill style says; returns the empty text.") \
    X(Cls, "cls [colour [bitmap]]", "Clears the drawing surface, or fills the surface or bitmap with the colour; returns the empty text.") \
    X(Forecolor, "forecolor [colour]", "Sets the colour drawing uses by default when given one; returns the fore colour in hexadecimal.") \
    X(Fillstyle, "fillstyle [solid|transparent|cross|diagonalcross]", "Sets how rectangles and circles are filled; without a word returns \"true\" when the fill is solid, else \"false\".") \
    X(Fillcolor, "fillcolor [colour]", "Sets the colour shapes are filled with; without a colour returns the fill colour in hexadecimal.") \
    X(MouseX, "mouse.x [pixels]", "Moves the mouse pointer across the screen when given pixels; returns its x position.") \
    X(MouseY, "mouse.y [pixels]", "Moves the mouse pointer up or down the screen when given pixels; returns its y position.") \
    X(MouseButton, "mouse.button", "Returns the mouse buttons held down: 1 for the left, plus 2 for the right.") \
    X(ClientLeft, "client.left", "Returns the screen x position of the output window's inside.") \
    X(ClientTop, "client.top", "Returns the screen y position of the output window's inside.") \
    X(PrintDebug, "! text", "Prints the text with a line end to the output window and always also to the debug pane; returns the empty text.") \
    X(Point, "point x y", "Returns the colour of the pixel at (x, y) of the drawing surface, or -1 outside it.") \
    X(Pset, "pset x y [colour]", "Sets the pixel at (x, y) of the drawing surface to the colour (the fore colour by default); returns the empty text.") \
    X(KeyState, "key.state code", "Returns \"1\" when the key with that code (65-90 letters, 48-57 digits, 112-135 F1-F24, 19 Pause) is down or was pressed since the last ask, else \"0\".") \
    X(BitmapCreate, "bitmap.create [n]", "Without n makes a new hidden bitmap as large as the drawing surface and returns its number; with n returns the surface index of bitmap n.") \
    X(BitmapCopy, "bitmap.copy target source", "Copies bitmap source onto bitmap target; returns the empty text.") \
    X(BitmapLoad, "bitmap.load [index] path", "Loads the picture file into the surface index (0 by default); a relative path is taken in the program folder; returns the empty text.") \
    X(BitmapSave, "bitmap.save index path", "Saves the surface index as a BMP file; a relative path is taken in the program folder; returns the empty text.") \
    X(BitmapWidth, "bitmap.width index", "Returns the width in pixels of the picture loaded into the surface index.") \
    X(BitmapHeight, "bitmap.height index", "Returns the height in pixels of the picture loaded into the surface index.") \
    X(TimeTickcount, "time.tickcount", "Returns the milliseconds of a clock that runs steadily forward from the system start, as a signed 32-bit number.") \
    X(TimeFps, "time.fps", "Returns 1000 divided by the milliseconds since the last time.fps: frames per second.") \
    X(TimeFactor, "time.factor", "Returns the milliseconds since the last time.factor divided by 40, to scale movement to a 25 frames per second pace.") \
    X(Wait, "wait [seconds]", "Waits the given seconds (one short pass without them) while the window stays usable; returns the empty text.") \
    X(Execute, "execute \"location\\name\" [parameters]", "Runs the stored script with that #location= and #name= (any letter case), the parameters in its variable command; returns the value it gives APP.RETURN.") \
    X(Alphablend, "alphablend d dx dy dw dh s sx sy sw sh alpha", "Blends a rectangle of surface s onto a rectangle of surface d with the opacity alpha (0 to 255); returns the empty text.") \
    X(Paintpicture, "paintpicture t s x1 y1 w1 h1 x2 y2 w2 h2 op", "Paints part of the picture loaded into surface s onto surface t with the raster operation op; returns the empty text.") \
    X(ThreadPriority, "thread.priority [THREAD_PRIORITY_word]", "Sets Zerin's priority to one of the seven THREAD_PRIORITY_ words when given one; returns the word for the priority that was in force.") \
    X(SoundPlay, "sound.play [left right]", "Plays the loaded sound with the left and right volume (0 to 65535, silent without them); returns the empty text.") \
    X(SoundLoad, "sound.load path", "Loads a WAV file into memory for sound.play; a relative path is taken in the program folder; returns the empty text.") \
    X(WindowSetfocus, "window.setfocus handle | window.setfocus \"title\"", "Restores and brings to the front the desktop window with that handle or whose title contains the text; returns the empty text.") \
    X(WindowMove, "window.move handle-or-title x y width height", "Moves and sizes the desktop window with that handle or whose title contains the text; returns the empty text.") \
    X(DoAllcommands, "do.allcommands", "Returns the command table: every command name followed by its number.") \
    X(Hibernate, "hibernate", "Asks the system to hibernate the computer; returns the empty text.") \
    X(Tan, "tan", "Reserved name without an action and without a keyword: calling it writes \"chkCommand: Not found: 142\" to the debug pane and returns the empty text.") \
    X(Asin, "asin x", "Returns the angle in degrees whose sine is x.") \
    X(WindowTitle, "window.title [title]", "Sets the output window's caption; without a title returns the caption.") \
    X(Box, "box x1 y1 x2 y2 [colour]", "Draws a rectangle outline on the drawing surface, its inside filled as the fill style says; returns the empty text.") \
    X(Left, "left text count", "Returns the first count characters of the local variable text, or of the word itself in lower case.") \
    X(Right, "right text count", "Returns the last count characters of the local variable text, or of the word itself in lower case.") \
    X(Mid, "mid text start length", "Returns length characters from position start (from 1) of the local variable text, or of the word itself in lower case.") \
    X(GfxMouseX, "gfx.mouse.x", "Returns the x position the mouse last had over the drawing surface.") \
    X(GfxMouseY, "gfx.mouse.y", "Returns the y position the mouse last had over the drawing surface.")

namespace zerin {

struct CommandUsage { std::string_view identifier, usage, summary; };  // of kCommands[i]
inline constexpr std::array kCommandUsage = {
#define ZERIN_USAGE_INFO(id, usage, summary) CommandUsage{#id, usage, summary},
    ZERIN_COMMAND_USAGE(ZERIN_USAGE_INFO)
#undef ZERIN_USAGE_INFO
};
namespace detail {
constexpr bool usageFollowsCommandList() {
    constexpr std::string_view identifiers[] = {
#define ZERIN_CMD_IDENTIFIER(number, id, name, flags, helpPlace) #id,
        ZERIN_COMMANDS(ZERIN_CMD_IDENTIFIER)
#undef ZERIN_CMD_IDENTIFIER
    };
    if (kCommandUsage.size() != std::size(identifiers)) return false;
    for (std::size_t i = 0; i < kCommandUsage.size(); ++i)
        if (kCommandUsage[i].identifier != identifiers[i]) return false;
    return true;
}

// A row copied from a neighbour keeps its identifier but shows the wrong command: each usage
// begins with its own name as a word; each summary is one finished sentence.
constexpr bool usageNamesItsCommand() {
    for (std::size_t i = 0; i < kCommandUsage.size(); ++i) {
        const std::string_view name = kCommands[i].name, usage = kCommandUsage[i].usage;
        if (!usage.starts_with(name) || (usage.size() > name.size() && usage[name.size()] != ' ')) return false;
        if (!kCommandUsage[i].summary.ends_with('.')) return false;
    }
    return true;
}
}  // namespace detail

static_assert(detail::usageFollowsCommandList(), "ZERIN_COMMAND_USAGE must document every command, in order");
static_assert(detail::usageNamesItsCommand(), "each usage begins with its command's name, each summary ends with '.'");

}  // namespace zerin
