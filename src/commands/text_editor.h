// txtEditor's file: which file the text editor shows, in which encoding and line-end
// style it came, and the safe way back to the disk. A file is read as UTF-8, or as
// Windows-1252 when it is not valid UTF-8, and saved in the encoding it came in, so a
// text saved unchanged gives the same bytes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zerin {

class Zerin;

enum class TextEncoding { Utf8, Windows1252 };

struct TextEditorFile {
    std::string path;  // empty: the text is not one file's (several loads, a dump, new)
    TextEncoding encoding = TextEncoding::Utf8;
    bool lfOnly = false;  // every line break of the file was a bare LF
    std::uint64_t savedRevision = 0;
    std::int64_t size = -1;        // as the disk had it at the load or the last save
    std::int64_t modifiedNs = 0;
};

// The largest file the editor loads: beyond it, it says so instead of freezing.
inline constexpr std::int64_t kMaxEditorFileBytes = 32 * 1024 * 1024;

namespace textmsg {
inline constexpr std::string_view kTitle = "Zerin";
inline constexpr std::string_view kTooLarge = " is too large for the text editor (more than 32 MB).";
inline constexpr std::string_view kReadFailed = "Text editor: cannot read ";
inline constexpr std::string_view kSaveFailed = "Text editor: the file was not saved: ";
inline constexpr std::string_view kSaved = "Text editor: saved ";
inline constexpr std::string_view kSaveAs = "Save the text editor's text as (full path)";
inline constexpr std::string_view kOverwrite = " exists already.\r\n\r\nReplace it?";
inline constexpr std::string_view kChangedOnDisk = " was changed on the disk since it was opened.\r\n\r\nReplace it with the editor's text?";
inline constexpr std::string_view kNot1252 =
    "The text has characters that Windows-1252 cannot hold.\r\n\r\nSave the file as UTF-8?";
inline constexpr std::string_view kUnsaved = "The text editor has unsaved changes";
inline constexpr std::string_view kSaveThem = ".\r\n\r\nSave them?";
}  // namespace textmsg

// The text of a file's bytes and the encoding they were in.
std::string decodeText(std::string_view bytes, TextEncoding& encoding, bool& lfOnly);
// The bytes of the text in `encoding`; CR LF back to LF for a file of bare LFs. False
// when a character has no Windows-1252 byte.
bool encodeText(std::string_view text, TextEncoding encoding, bool lfOnly, std::string& bytes);

// Reads a file for the editor. False with the reason (too large, unreadable) said to the
// user; the editor is not touched.
bool readTextFile(Zerin& zerin, const std::string& path, std::string& text, TextEncoding& encoding, bool& lfOnly);

// Opening a text file from a pane: the editor shows exactly that file (asking first
// about unsaved changes) and the text display mode is shown.
bool openTextFile(Zerin& zerin, const std::string& path);

// The editor's text has changes that are not on the disk.
bool textEditorModified(const Zerin& zerin);

enum class SaveResult { Saved, Cancelled, Failed };
// Ctrl+S: writes the text to its file (asking for a path when it has none) through a
// temporary file renamed over the old one.
SaveResult saveTextEditor(Zerin& zerin);

// Before the window closes: unsaved changes are offered for saving. False keeps the
// window open (Cancel, or a save that failed).
bool confirmCloseTextEditor(Zerin& zerin);

// The work area shows the text editor (do.mode = dom_text).
void showTextDisplayMode(Zerin& zerin);

// Forgets which file the editor's text belongs to (after a load that mixed texts).
void detachTextEditorFile(Zerin& zerin);

}  // namespace zerin
