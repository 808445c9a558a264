#include <QApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QSignalSpy>
#include <QSlider>
#include <QTest>
#include <QTreeView>
#include <QTreeWidget>
#include <memory>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "modes/mode_messages.h"
#include "ui/code_editor.h"
#include "ui/command_button.h"
#include "ui/debug_pane.h"
#include "ui/main_window.h"
#include "ui/main_window_texts.h"
#include <QTreeView>
#include "ui/pane_view.h"
#include "ui/panes_region.h"
#include "ui/right_bar.h"
#include "ui/size_handle.h"
#include "ui/text_box_view.h"
#include "ui/text_editor_view.h"
#include "ui/tool_tips.h"
#include "ui/top_bar.h"
#include "ui/picture_view.h"
#include "ui/work_area.h"
#include "test_program.h"

using namespace zerin;
using namespace zerin::ui;

namespace {

std::string cmd(const std::string& name, const std::string& location, const std::string& body) {
    return "#NAME=" + name + "\r\n#LOCATION=" + location + "\r\n" + body;
}

}  // namespace

class MainWindowTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestProgram> program;
    test::FakePlatform* fp = nullptr;
    Zerin* z = nullptr;
    std::unique_ptr<MainWindow> w;

    void store(const std::string& text) {
        z->scripts.add(text::lower(headerValue("location", text) + "\\" + headerValue("name", text)), text);
    }

private slots:
    void init() {
        program = std::make_unique<test::TestProgram>();
        fp = &program->fp;
        z = &program->makeZerin();
        z->settings.textLog = true;
        z->modeGroups.add("Files", "files");
        z->modeGroups.add("Pictures", "pictures");
        store(cmd("Pictures", "mode", "#INDEX=2\r\ndo_set mode 2\r\n"));
        store(cmd("Files", "mode", "#INDEX=1\r\n#color=80FF80\r\ndo_set mode 1\r\n"));
        store(cmd("Copy", "Mode\\Files\\Menu", "? copying\r\n"));
        store(cmd("Slides", "mode\\pictures\\menu", "? slides\r\n"));
        store(cmd("Move", "mode\\files\\menu", "? moving\r\n"));
        store(cmd("Loaded", "mode\\files\\menu",
                  "function on.load\r\nbutton.color &h3366ff\r\nend function\r\n? loaded\r\n"));
        store(cmd("Viewer", "barmenu", "#ASSOCIATED_TYPES=jpg gif\r\n? view\r\n"));
        store(cmd("Shell", "barmenu", "? shell\r\n"));
        w = std::make_unique<MainWindow>(*z);
        w->resize(1000, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
    }
    void cleanup() {
        w.reset();
        program.reset();
        z = nullptr;
        fp = nullptr;
    }

    void topBarShowsModesInIndexOrderAndTheCurrentModesCommands() {
        QStringList shown;
        for (int i = 1; CommandButton* b = w->topBar()->button(i); ++i)
            if (b->isVisible()) shown << b->text();
        QCOMPARE(shown, (QStringList{"Files", "Pictures", "Copy", "Move", "Loaded"}));
        // The commands sit to the right of the mode buttons, on the same row.
        QVERIFY(w->topBar()->button(3)->x() > w->topBar()->button(2)->x());
        QCOMPARE(w->topBar()->button(3)->y(), w->topBar()->button(1)->y());

        z->publicVars.assign("do.mode.name", "pictures");
        z->dispatcher.call("do.refresh");
        QCOMPARE(w->topBar()->button(3)->text(), QString("Slides"));
        QVERIFY(!w->topBar()->button(4)->isVisible());
    }

    void clickingACommandRunsItsScript() {
        z->txtDebug.clear();
        z->run.stopRequest = true;
        QTest::mouseClick(w->topBar()->button(3), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(z->txtDebug.text()), QString("copying\r\n"));
        QVERIFY(z->bars.running && z->bars.running->index == 3);
        // The script in the code editor runs from a button through do_text_execute.
        z->txtDebug.clear();
        z->txtCode.setText("x = 6\r\n? (x * 7)\r\n");
        store(cmd("Run", "mode\\files\\menu", "do_text_execute\r\n"));
        z->dispatcher.call("do.refresh");
        QTest::mouseClick(w->topBar()->button(6), Qt::LeftButton);
        QVERIFY2(z->txtDebug.text().starts_with("42"), z->txtDebug.text().c_str());
    }

    void aLoadSectionChangesItsButton() {
        // "&h" + RRGGBB turns around into the Windows order: red 33, green 66, blue ff.
        QCOMPARE(w->topBar()->button(5)->text(), QString("Loaded"));
        QVERIFY(w->topBar()->button(5)->styleSheet().contains("#3366ff"));
        QVERIFY(!w->topBar()->button(4)->styleSheet().contains("#3366ff"));
    }

    void aClickWhileAScriptWaitsShowsTheMessageAndRunsNothing() {
        z->run.waitingForInput = true;
        QTest::mouseClick(w->topBar()->button(3), Qt::LeftButton);
        QCOMPARE(fp->dialogs.shown.size(), std::size_t(1));
        QCOMPARE(fp->dialogs.shown[0].text, std::string(modemsg::kWaitingForInput));
        QVERIFY(z->txtDebug.text().find("copying") == std::string::npos);
    }

    void domTextAndDoRefreshShowTheTextEditorAlone() {
        WorkArea* area = w->workArea();
        QVERIFY(area->codeEditor()->isVisible());
        z->publicVars.assign("do.mode", "dom_text");
        z->publicVars.indexAppend("do.mode");
        z->dispatcher.call("do.refresh");
        QVERIFY(area->textEditor()->isVisible());
        QCOMPARE(area->textEditor()->geometry().height(), area->height() - 4);
        QVERIFY(!area->codeEditor()->isVisible());
        QVERIFY(!area->debugPane()->isVisible());
        QVERIFY(!area->viewer()->isVisible());
        QVERIFY(!area->fileOpList()->isVisible());

        // An unknown value leaves the work area as it was.
        z->publicVars.assign("do.mode", "dom_nonsense");
        z->dispatcher.call("do.refresh");
        QVERIFY(area->textEditor()->isVisible());

        z->publicVars.assign("do.mode", "dom_system");
        area->setCodeEditorOnly(true);
        z->dispatcher.call("do.refresh");
        QVERIFY(area->codeEditor()->isVisible());
        QVERIFY(!area->debugPane()->isVisible());
        QVERIFY(!area->debugPane()->isEnabled());
    }

    void shrinkingBelowTheMinimumSnapsBack() {
        w->resize(300, 100);
        QTest::qWait(10);
        QVERIFY(w->width() >= 400);
        QVERIFY(w->height() >= 200);
        // Every region still has a place.
        QVERIFY(w->topBar()->isVisible());
        QVERIFY(w->sizeHandle()->isVisible());
    }

    void enterAtTheEndOfTheDebugPaneRunsTheLastLine() {
        DebugPane* debug = w->workArea()->debugPane();
        z->txtDebug.setText("earlier output\r\n? hello");
        z->txtDebug.select(5, 0);
        z->run.stopRequest = true;
        debug->setFocus();
        QTest::keyClick(debug, Qt::Key_Return);
        QVERIFY(z->run.stopRequest);  // in the middle: only a line break
        QCOMPARE(QString::fromStdString(z->txtDebug.text()), QString("earli\r\ner output\r\n? hello"));

        z->txtDebug.moveCaretToEnd();
        QTest::keyClick(debug, Qt::Key_Return);
        QVERIFY(!z->run.stopRequest);
        // The line break goes in first; the run's output follows it.
        QVERIFY2(z->txtDebug.text().starts_with("earli\r\ner output\r\n? hello\r\n"), z->txtDebug.text().c_str());
        QVERIFY2(z->txtDebug.text().ends_with("\r\nhello\r\n"), z->txtDebug.text().c_str());
        QCOMPARE(DebugPane::lastLine("a\r\nb c"), std::string("b c"));
        QCOMPARE(DebugPane::lastLine("single"), std::string("single"));
    }

    void aBarCommandForJpgAndGifAppearsOnlyWhenOneIsSelected() {
        ListModel& list = z->panes.list(0);
        list.add(ListItem{"notes.txt", "/tmp/notes.txt", 0xffffff, {}, false, 0});
        list.add(ListItem{"photo.jpg", "/tmp/photo.jpg", 0xffffff, {}, false, 0});
        list.notifyReset();
        auto captions = [&] {
            QStringList out;
            for (int i = 1; CommandButton* b = w->rightBar()->button(i); ++i)
                if (b->isVisible()) out << b->text();
            return out;
        };
        QCOMPARE(captions(), QStringList{"Shell"});
        QTreeView* view = w->panes()->pane(0)->lvwList();
        auto select = [view](int row) {
            view->selectionModel()->select(view->model()->index(row, 0),
                                           QItemSelectionModel::Select | QItemSelectionModel::Rows);
        };
        select(0);
        QCOMPARE(captions(), QStringList{"Shell"});
        select(1);
        // Both without INDEX: the first in the store goes last.
        QCOMPARE(captions(), (QStringList{"Shell", "Viewer"}));
    }

    void aFailingStepIsReportedAndTheWindowRecovers() {
        z->settings.fontSize = 16;
        w->setWorkAreaHeight(120);
        w->failInStep(std::string(texts::kRefreshPathButtons));
        w->runResize();
        QVERIFY(!fp->dialogs.shown.empty());
        QCOMPARE(fp->dialogs.shown.back().text,
                 std::string("Got some problem.\r\nRefreshing Path Buttons\r\nTrying to fix it"));
        QCOMPARE(z->settings.fontSize, std::int16_t(10));
        QCOMPARE(w->workAreaHeight(), 300);
        QCOMPARE(w->progressText(), std::string(texts::kRefreshImageViewer));
    }

    void shiftUpRaisesTheVolumeExceptInTheTextEditor() {
        QSlider* volume = w->volumeSlider();
        int before = volume->value();
        QTreeView* list = w->panes()->pane(0)->lvwList();
        list->setFocus();
        QTest::keyClick(list, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(volume->value(), before + volume->singleStep());
        QTest::keyClick(list, Qt::Key_Down, Qt::ShiftModifier);
        QCOMPARE(volume->value(), before);

        z->publicVars.assign("do.mode", "dom_text");
        z->publicVars.indexAppend("do.mode");
        z->dispatcher.call("do.refresh");
        QPlainTextEdit* editor = w->workArea()->textEditor();
        editor->setFocus();
        QTest::keyClick(editor, Qt::Key_Up, Qt::ShiftModifier);
        QCOMPARE(volume->value(), before);
    }

    void theSizeHandleTogglesTheRightBarAndShowsTheClock() {
        QVERIFY(w->rightBar()->isVisible());
        QTest::mouseClick(w->sizeHandle(), Qt::LeftButton);
        QVERIFY(!w->rightBar()->isVisible());
        QTest::mouseClick(w->sizeHandle(), Qt::LeftButton);
        QVERIFY(w->rightBar()->isVisible());

        fp->clock.time = LocalTime{2026, 12, 6, 14, 30, 15, 340, 0};
        QStringList captions;
        for (int i = 0; i < 6; ++i) {
            w->sizeHandle()->tick();
            captions << w->sizeHandle()->text();
        }
        QLocale l = QLocale::system();
        QCOMPARE(captions[0], l.toString(QTime(14, 30, 15), QLocale::ShortFormat));
        QCOMPARE(captions[2], l.toString(QDate(2026, 12, 6), QLocale::ShortFormat).mid(2));
        QCOMPARE(captions[5], l.dayName(7, QLocale::LongFormat));
    }

    void tooltipsWrapAt240PixelsWithCrLfAsLineBreaks() {
        ToolTips* tips = w->toolTips();
        QCOMPARE(tips->maxTipWidth(), 240);
        QCOMPARE(tips->visibleTime(), 20000);
        QCOMPARE(tips->toolText(w->sizeHandle()), std::string(texts::kSizeHandleTip));
        QLineEdit* path = w->panes()->pane(1)->txtPath();
        QCOMPARE(tips->toolText(path), std::string("Sök-fält\r\n\r\nSkriv sök-ord här och tryck <enter>"));
        QString wrapped = tips->wrapped(std::string(texts::kSizeHandleTip) + std::string(40, 'x') + " " +
                                            std::string(200, 'y'), path);
        QStringList lines = wrapped.split('\n');
        QVERIFY(lines.size() >= 5);
        QVERIFY(lines.contains(QString()));  // the blank line of CR LF CR LF
        QFontMetrics fm(path->font());
        for (const QString& line : lines)
            if (line.contains(' ')) QVERIFY2(fm.horizontalAdvance(line) <= 240, qPrintable(line));
    }

    void barKeysMoveTheFocusAlongTheBars() {
        TopBar* top = w->topBar();
        top->button(2)->setFocus();
        QTest::keyClick(top->button(2), Qt::Key_6, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(top->button(3)));
        QTest::keyClick(top->button(3), Qt::Key_4);  // the alternative key of keypad 4
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(top->button(2)));
        QTest::keyClick(top->button(2), Qt::Key_2, Qt::KeypadModifier);
        PaneView* source = w->panes()->pane(z->panes.sourcePane());
        QVERIFY(QApplication::focusWidget() == source->cmdParent() || QApplication::focusWidget() == source->lvwList());

        // The last right-bar button hands the focus on to the size handle.
        RightBar* right = w->rightBar();
        int last = z->bars.right.lastInUse();
        right->button(last)->setFocus();
        QTest::keyClick(right->button(last), Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(w->sizeHandle()));
    }

    void theTitleBarHidesAndShows() {
        QVERIFY(w->titleBarShown());
        QVERIFY(w->showTitleBar(false));
        QVERIFY(!w->titleBarShown());
        QVERIFY(w->isVisible());
        QVERIFY(w->showTitleBar(true));
        QVERIFY(w->titleBarShown());
    }
};

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
