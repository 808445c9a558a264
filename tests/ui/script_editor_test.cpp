// The code editor as a user meets it: write a script, run it with F12, turn it into a
// button, click the button, and find the button again after a restart.
#include <QApplication>
#include <QAbstractItemView>
#include <QCompleter>
#include <QKeyEvent>
#include <QLabel>
#include <QTextBlock>
#include <QTextLayout>
#include <QTreeView>
#include <QTest>
#include <memory>

#include "app/settings_file.h"
#include "panes/pane_refresh.h"
#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "modes/script_editor.h"
#include "commands/text_editor.h"
#include "qt_text_metrics.h"
#include "temp_dir.h"
#include "ui/code_editor.h"
#include "ui/debug_pane.h"
#include "ui/command_button.h"
#include "ui/main_window.h"
#include "ui/pop_help.h"
#include "ui/pane_view.h"
#include "ui/panes_region.h"
#include "ui/text_editor_view.h"
#include "ui/script_highlighter.h"
#include "modes/script_highlight.h"
#include "ui/top_bar.h"
#include "ui/work_area.h"

using namespace zerin;
using namespace zerin::ui;

namespace {

// One program start: its platform, its state and its window, over a program folder.
struct Session {
    test::FakePlatform fp;
    test::QtTextMetrics metrics;
    Platform platform{fp.pump, fp.clock, fp.keys, fp.dialogs, fp.processes, fp.sound, fp.system, metrics};
    Zerin z{platform};
    std::unique_ptr<MainWindow> w;

    explicit Session(const std::filesystem::path& folder) {
        z.programFolder = folder;
        registerAllCommands(z);
        SettingsLoad(z);
        z.settings.textLog = true;
        w = std::make_unique<MainWindow>(z);
        w->resize(1000, 700);
        w->show();
        w->runResize();
    }
    CodeEditor* editor() { return w->workArea()->codeEditor(); }
    CommandButton* buttonNamed(const QString& caption) {
        for (int i = 1; CommandButton* b = w->topBar()->button(i); ++i)
            if (b->isVisible() && b->text() == caption) return b;
        return nullptr;
    }
};

// A printable character as the keyboard delivers it (QTest knows no key for some).
void typeChar(QWidget* w, char c) {
    QKeyEvent press(QEvent::KeyPress, Qt::Key_unknown, Qt::NoModifier, QString(QChar(c)));
    QKeyEvent release(QEvent::KeyRelease, Qt::Key_unknown, Qt::NoModifier, QString(QChar(c)));
    QApplication::sendEvent(w, &press);
    QApplication::sendEvent(w, &release);
}

}  // namespace

class ScriptEditorTest : public QObject {
    Q_OBJECT

private slots:
    void aScriptTypedAndRunBecomesAButtonThatSurvivesARestart() {
        test::TempDir home;
        // The sys mode is the one whose menu a new command joins by default.
        home.write("Zerin.ini", "mode=1\r\n[MODES]\r\nmodegroup=System::sys\r\n");
        const std::string typed = "#name=Sum\r\ntotal = 0\r\nFOR i = (1 to 3 step 1)\r\n\ttotal += i\r\nNEXT i\r\n? sum [total]";
        {
            Session s(home.path());
            QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
            CodeEditor* editor = s.editor();
            QVERIFY(editor->isVisible());
            editor->setFocus();
            // Typed as a user types: Return for a line break, Tab for a tab.
            for (char c : typed) {
                if (c == '\r') continue;
                if (c == '\n') QTest::keyClick(editor, Qt::Key_Return);
                else if (c == '\t') QTest::keyClick(editor, Qt::Key_Tab);
                else typeChar(editor, c);
            }
            QCOMPARE(QString::fromStdString(s.z.txtCode.text()), QString::fromStdString(typed));
            QVERIFY(editor->hasFocus());

            QTest::keyClick(editor, Qt::Key_F12);
            QCOMPARE(QString::fromStdString(s.z.txtDebug.text()), QString("sum 6\r\n"));
            QTest::keyClick(editor, Qt::Key_Return, Qt::ControlModifier);
            QCOMPARE(QString::fromStdString(s.z.txtDebug.text()), QString("sum 6\r\nsum 6\r\n"));

            s.z.dispatcher.call("do_button_from_editor");
            CommandButton* sum = s.buttonNamed("Sum");
            QVERIFY(sum);
            s.z.txtDebug.clear();
            s.z.txtCode.clear();
            QTest::mouseClick(sum, Qt::LeftButton);
            QCOMPARE(QString::fromStdString(s.z.txtDebug.text()), QString("sum 6\r\n"));
            QVERIFY(do_default_save(s.z));
        }
        Session again(home.path());
        const StoredScript* stored = again.z.scripts.findByLocationName("mode\\sys\\menu\\sum");
        QVERIFY(stored);
        QCOMPARE(QString::fromStdString(stored->text),
                 QString::fromStdString("#LOCATION=Mode\\Sys\\Menu\r\n" + typed));
        CommandButton* sum = again.buttonNamed("Sum");
        QVERIFY(sum);
        QTest::mouseClick(sum, Qt::LeftButton);
        QCOMPARE(QString::fromStdString(again.z.txtDebug.text()), QString("sum 6\r\n"));
    }

    void f1OpensTheHelpOfACommandAndAnyKeyClosesIt() {
        test::TempDir home;
        Session s(home.path());
        QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
        CodeEditor* editor = s.editor();
        s.z.txtCode.setText("x = 1\r\ndo_wait 10\r\n");
        s.z.txtCode.select(0, 0);
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_F1);
        QVERIFY(!editor->helpWindow() || !editor->helpWindow()->isVisible());

        s.z.txtCode.select(10, 0);  // inside do_wait
        QTest::keyClick(editor, Qt::Key_F1);
        PopHelp* help = editor->helpWindow();
        QVERIFY(help && help->isVisible());
        QVERIFY(help->helpText().startsWith("DO_WAIT\n"));
        QVERIFY(help->helpShown());
        // While it is shown the debug messages go to it, not to the debug pane.
        s.z.output.debugMessage("from the help");
        QVERIFY(help->helpText().endsWith("\nfrom the help"));
        QVERIFY(s.z.txtDebug.text().find("from the help") == std::string::npos);
        QTest::keyClick(help, Qt::Key_A);
        QVERIFY(!help->isVisible());
        QVERIFY(!help->helpShown());
        // The key closed the window and typed nothing.
        QCOMPARE(QString::fromStdString(s.z.txtCode.text()), QString("x = 1\r\ndo_wait 10\r\n"));
        s.z.output.debugMessage("to the pane");
        QVERIFY(s.z.txtDebug.text().find("to the pane") != std::string::npos);
    }

    void threeLettersOfACommandOfferItsNameWithItsDescription() {
        test::TempDir home;
        Session s(home.path());
        QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
        CodeEditor* editor = s.editor();
        editor->setFocus();
        for (char c : std::string("x\r\ndo_font_l")) {
            if (c == '\r') continue;
            if (c == '\n') QTest::keyClick(editor, Qt::Key_Return);
            else typeChar(editor, c);
        }
        QCompleter* completer = editor->completer();
        QVERIFY(completer->popup()->isVisible());
        QCOMPARE(completer->completionCount(), 1);
        QModelIndex first = completer->completionModel()->index(0, 0);
        QCOMPARE(first.data(Qt::DisplayRole).toString(), QString("do_font_larger   Increases Text Size"));
        QTest::keyClick(editor, Qt::Key_Tab);
        QCOMPARE(QString::fromStdString(s.z.txtCode.text()), QString("x\r\ndo_font_larger"));
        QVERIFY(!completer->popup()->isVisible());
        // Two letters open nothing.
        s.z.txtCode.setText("");
        typeChar(editor, 'd');
        typeChar(editor, 'o');
        QVERIFY(!completer->popup()->isVisible());
        // Colours in the code editor: the command name has the command colour.
        s.z.txtCode.setText("do_wait 1");
        QTextBlock line = editor->document()->firstBlock();
        QVERIFY(!line.layout()->formats().isEmpty());
        QCOMPARE(line.layout()->formats().first().format.foreground().color(),
                 editor->highlighter()->colour(static_cast<int>(ScriptToken::Command)));
        QCOMPARE(QString::fromStdString(s.z.txtCode.text()), QString("do_wait 1"));
    }

    void aDoubleClickSwitchesToTheEditorAloneAndKeepsTheSelection() {
        test::TempDir home;
        Session s(home.path());
        QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
        CodeEditor* editor = s.editor();
        s.z.txtCode.setText("alpha beta\r\ngamma");
        s.z.txtCode.select(2, 0);
        WorkArea* area = s.w->workArea();
        QVERIFY(!area->codeEditorOnly());
        QPoint at = editor->cursorRect(editor->textCursor()).center();
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, at);
        std::size_t caret = s.z.txtCode.selStart();
        // As the window system sends it: press, release, double click, release.
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(editor->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(editor->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(area->codeEditorOnly());
        QVERIFY(editor->isVisible());
        QVERIFY(!area->debugPane()->isVisible());
        QCOMPARE(s.z.txtCode.selStart(), caret);
        QCOMPARE(s.z.txtCode.selLength(), std::size_t(0));
        QTest::mouseClick(editor->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(editor->viewport(), Qt::LeftButton, {}, at);
        QTest::mouseRelease(editor->viewport(), Qt::LeftButton, {}, at);
        QVERIFY(!area->codeEditorOnly());
        QVERIFY(area->debugPane()->isVisible());
    }

    void aTextFileOpenedFromAPaneIsShownEditedAndSavedByteForByte() {
        test::TempDir home;
        test::TempDir files;
        // Windows-1252 with CR LF line ends.
        files.write("notes.txt", "K\xF6p mj\xF6lk\r\nRing mamma\r\n");
        Session s(home.path());
        QVERIFY(QTest::qWaitForWindowExposed(s.w.get()));
        s.z.panes.setPath(0, files.path().string() + "/");
        listUpdate(s.z, 0);
        QTreeView* list = s.w->panes()->pane(0)->lvwList();
        QModelIndex first;
        for (int r = 0; r < list->model()->rowCount(); ++r)
            if (list->model()->index(r, 0).data().toString().contains("notes")) first = list->model()->index(r, 0);
        QVERIFY(first.isValid());
        emit list->activated(first);

        TextEditorView* editor = s.w->workArea()->textEditor();
        QVERIFY(editor->isVisible());
        QCOMPARE(editor->toPlainText(), QString::fromUtf8("K\xC3\xB6p mj\xC3\xB6lk\nRing mamma\n"));
        editor->setFocus();
        editor->moveCursor(QTextCursor::End);
        typeChar(editor, 'X');
        QTest::keyClick(editor, Qt::Key_Return);
        QTest::keyClick(editor, Qt::Key_S, Qt::ControlModifier);
        QCOMPARE(QString::fromLatin1(files.read("notes.txt")),
                 QString::fromLatin1("K\xF6p mj\xF6lk\r\nRing mamma\r\nX\r\n"));
        QVERIFY(!textEditorModified(s.z));
        QVERIFY(s.z.txtDebug.text().find(std::string(textmsg::kSaved)) != std::string::npos);

        // A script opened as text is coloured, and colouring is no edit.
        files.write("tool.txt", "#name=Tool\r\nFOR i = (1 to 2 step 1)\r\n? [i]\r\nNEXT i\r\n");
        QVERIFY(openTextFile(s.z, (files.path() / "tool.txt").string()));
        QVERIFY(editor->highlighter()->enabled());
        QTextBlock forLine = editor->document()->findBlockByNumber(1);
        QVERIFY(!forLine.layout()->formats().isEmpty());
        QCOMPARE(forLine.layout()->formats().first().format.foreground().color(),
                 editor->highlighter()->colour(static_cast<int>(ScriptToken::Keyword)));
        QVERIFY(!textEditorModified(s.z));
        QVERIFY(!s.z.txtEditor.text().empty());

        // F12 in the text editor runs the code editor's script.
        s.z.txtDebug.clear();
        s.z.txtCode.setText("? from the code editor");
        QTest::keyClick(editor, Qt::Key_F12);
        QCOMPARE(QString::fromStdString(s.z.txtDebug.text()), QString("from the code editor\r\n"));
    }
};

QTEST_MAIN(ScriptEditorTest)
#include "script_editor_test.moc"
