// The work area at the top of the window. It shows one of four contents, chosen by the
// display mode: the file-operation list, the text editor, the image viewer with its image
// list, or the code editor with the debug pane.
#pragma once

#include <QWidget>
#include <string>
#include <string_view>

class QGroupBox;
class QListWidget;
class QPlainTextEdit;
class QTreeWidget;

namespace zerin {
class Zerin;
class FileCue;
}

namespace zerin::ui {

class CodeEditor;
class DebugPane;
class PictureView;
class TextBoxView;
class TextEditorView;

enum class DisplayMode { File, Text, Image, System };

class WorkArea : public QWidget {
    Q_OBJECT
public:
    explicit WorkArea(Zerin& zerin, QWidget* parent = nullptr);
    ~WorkArea() override;

    // Runs the layout of a do.mode value; false (and nothing changes) for an unknown one.
    bool applyDisplayMode(std::string_view value);
    void showMode(DisplayMode mode);
    DisplayMode mode() const { return m_mode; }

    // The code-editor-only flag: the system mode gives the whole area to txtCode.
    void setCodeEditorOnly(bool on);
    bool codeEditorOnly() const { return m_codeOnly; }

    CodeEditor* codeEditor() const { return m_code; }
    DebugPane* debugPane() const { return m_debug; }
    TextEditorView* textEditor() const { return m_editor; }
    // The three text boxes take the font size setting in their fixed-pitch font.
    void setTextFontSize(int points);
    QTreeWidget* fileOpList() const { return m_fileOp; }
    QListWidget* imageList() const { return m_imageList; }
    PictureView* viewer() const { return m_viewer; }
    // The viewer over the whole of the window's inner area (the work area's parent),
    // brought to the front; or back in the work area, where the next layout places it.
    void setViewerEnlarged(bool enlarged);
    bool viewerEnlarged() const { return m_viewerEnlarged; }
    // Where keypad 8 from the top bar leads: the shown element of the work area.
    QWidget* focusTarget() const;

protected:
    void resizeEvent(QResizeEvent* event) override;

private:
    void showFileCue(const FileCue& cue);
    void layoutFile();
    void layoutText();
    void layoutImage();
    void layoutSystem();
    void hideAll();

    DisplayMode m_mode = DisplayMode::System;
    bool m_codeOnly = false;
    QTreeWidget* m_fileOp;
    Zerin& m_zerin;
    TextEditorView* m_editor;
    PictureView* m_viewer;
    bool m_viewerEnlarged = false;
    QListWidget* m_imageList;
    QGroupBox* m_codeBox;
    QGroupBox* m_debugBox;
    CodeEditor* m_code;
    DebugPane* m_debug;
};

}  // namespace zerin::ui
