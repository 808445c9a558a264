// The path bar of the main window over the shipped example settings: the group button of
// "Projects" opens and closes its paths, a path button shows its folder in the source
// pane, a group dragged onto a pane lists its folders, and a folder dropped on the bar
// becomes a button that is still there after a save and a restart.
#include <QLineEdit>
#include <QMimeData>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <filesystem>
#include <memory>

#include "app/shutdown.h"
#include "app/startup.h"
#include "app/program.h"
#include "fake_platform.h"
#include "started_program.h"
#include "temp_dir.h"
#include "ui/bottom_bar.h"
#include "ui/main_window.h"
#include "ui/pane_view.h"
#include "ui/panes_region.h"
#include "ui/path_button.h"

using namespace zerin;
using namespace zerin::ui;

namespace {

const std::filesystem::path kExample = std::filesystem::path(ZERIN_EXAMPLES_DIR) / "Zerin.ini";

struct Session : test::StartedProgram {
    explicit Session(const std::filesystem::path& folder) : StartedProgram(folder, 1000, 700) {}

    QStringList captions() const {
        QStringList out;
        for (PathButton* b : window->bottomBar()->shownButtons())
            if (b->isVisible()) out << b->text();
        return out;
    }
    PathButton* button(const QString& caption) const {
        for (PathButton* b : window->bottomBar()->shownButtons())
            if (b->isVisible() && b->text() == caption) return b;
        return nullptr;
    }
    // A drop as the bar or a pane gets it from another program: a text and no source.
    static void drop(QWidget* on, QPoint at, const QString& text) {
        QMimeData mime;
        mime.setText(text);
        QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(on, &enter);
        QDropEvent dropped(at, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(on, &dropped);
    }
    bool closeWithYes() {
        fp.dialogs.answers = {MsgResult::Yes};
        return closeRequested(z, window->windowTitle().toStdString(), {});
    }
};

}  // namespace

class PathBarTest : public QObject {
    Q_OBJECT

private slots:
    void groupButtonsOpenAndCloseAndPathButtonsGo() {
        test::TempDir dir;
        std::filesystem::copy_file(kExample, dir / "Zerin.ini");
        Session s(dir.path());
        QVERIFY(QTest::qWaitForWindowActive(s.window.get()));
        const QStringList open = {"Home", "Root", "Temp", "Projects >", "Zerin", "Docs"};
        QCOMPARE(s.captions(), open);
        PathButton* projects = s.button("Projects >");
        QVERIFY(projects && projects->font().underline());
        QVERIFY(!s.button("Home")->font().underline());
        // Open and closed groups differ in colour.
        const QString openStyle = projects->styleSheet();

        QTest::mouseClick(projects, Qt::LeftButton);
        QCOMPARE(s.captions(), QStringList({"Home", "Root", "Temp", "Projects"}));
        QVERIFY(s.button("Projects")->styleSheet() != openStyle);
        QVERIFY(s.button("Projects")->hasFocus());
        QTest::mouseClick(s.button("Projects"), Qt::LeftButton);
        QCOMPARE(s.captions(), open);
        QCOMPARE(s.button("Projects >")->styleSheet(), openStyle);

        // A path button shows its folder in the source pane.
        s.window->panes()->pane(1)->lvwList()->setFocus();
        QTRY_COMPARE(s.z.panes.sourcePane(), 1);
        QTest::mouseClick(s.button("Temp"), Qt::LeftButton);
        QCOMPARE(s.z.panes.path(1), std::string("/tmp/"));
        QCOMPARE(s.window->panes()->pane(1)->txtPath()->text(), QStringLiteral("/tmp/"));
        QCOMPARE(s.z.panes.path(0), std::string("/home/"));
    }

    void aGroupDroppedOnAPaneListsAllItsFolders() {
        test::TempDir dir;
        std::filesystem::create_directories(dir / "a" / "inner");
        std::filesystem::create_directories(dir / "b");
        test::writeFile(dir / "b" / "file.txt", "x");
        std::string ini = test::readFile(kExample);
        const std::string group = "pathgroup=Projects\r\n";
        ini.insert(ini.find(group), "pathgroup=Mine\r\npath=A::" + (dir / "a").string() + "/\r\npath=B::" +
                                        (dir / "b").string() + "/\r\npathgroup_open=0\r\n\r\n");
        dir.write("Zerin.ini", ini);
        Session s(dir.path());
        QVERIFY(s.button("Mine"));
        QTreeView* list = s.window->panes()->pane(1)->lvwList();
        Session::drop(list->viewport(), {10, 10}, QStringLiteral("Paths:GROUP:1"));
        QCOMPARE(s.z.panes.path(1), std::string("Mine:"));
        QCOMPARE(list->model()->rowCount(), 2);
        QCOMPARE(list->model()->index(0, 0).data(Qt::ToolTipRole).toString(),
                 QString::fromStdString((dir / "a" / "inner").string() + "/"));
        QCOMPARE(list->model()->index(1, 0).data(Qt::ToolTipRole).toString(),
                 QString::fromStdString((dir / "b" / "file.txt").string()));
        QVERIFY(!s.window->panes()->pane(1)->cmdParent()->isEnabled());
    }

    void aFolderDroppedOnTheBarStaysAfterARestart() {
        test::TempDir dir;
        std::filesystem::copy_file(kExample, dir / "Zerin.ini");
        std::filesystem::create_directories(dir / "music" / "rock");
        const std::string rock = (dir / "music" / "rock").string() + "/";
        {
            Session s(dir.path());
            BottomBar* bar = s.window->bottomBar();
            // Not a folder: nothing is added.
            Session::drop(bar, {bar->width() - 5, 5}, QStringLiteral("ModeCommand:#name=x"));
            QCOMPARE(s.captions().size(), 6);
            Session::drop(bar, {bar->width() - 5, 5}, QString::fromStdString(rock));
            QCOMPARE(s.captions(), QStringList({"Home", "Root", "Temp", "Projects >", "Zerin", "Docs", "rock"}));
            QTest::mouseClick(s.button("Projects >"), Qt::LeftButton);
            QVERIFY(s.closeWithYes());
        }
        Session again(dir.path());
        QCOMPARE(again.captions(), QStringList({"Home", "Root", "Temp", "Projects"}));
        QTest::mouseClick(again.button("Projects"), Qt::LeftButton);
        QCOMPARE(again.captions().last(), QStringLiteral("rock"));
        QTest::mouseClick(again.button("rock"), Qt::LeftButton);
        QCOMPARE(again.z.panes.path(again.z.panes.sourcePane()), rock);
    }

    void manyPathsWrapIntoRowsAndTheWindowMakesRoom() {
        test::TempDir dir;
        std::filesystem::copy_file(kExample, dir / "Zerin.ini");
        Session s(dir.path());
        BottomBar* bar = s.window->bottomBar();
        const int oneRow = bar->height();
        for (int i = 0; i < 14; ++i) s.z.pathGroups.addPath(1, {"a long caption " + std::to_string(i), "/tmp/"});
        s.window->runResize();
        QVERIFY2(bar->height() > oneRow, "a second row of buttons");
        QCOMPARE(bar->geometry().bottom(), s.window->centralWidget()->height() - 1);
        for (PathButton* b : bar->shownButtons()) QVERIFY(bar->rect().contains(b->geometry()));
        // Closing the group gives the row back.
        QTest::mouseClick(s.button("Projects >"), Qt::LeftButton);
        QTRY_COMPARE(bar->height(), oneRow);
    }
};

QTEST_MAIN(PathBarTest)
#include "path_bar_test.moc"
