// Pop-up menus as a user meets them: a right click on a command opens its sub-commands,
// a click runs one, a right click on an entry opens its own menu, and the menus close
// when another window becomes the active one.
#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "core/text.h"
#include "app/program.h"
#include "fake_platform.h"
#include "test_program.h"
#include "ui/command_button.h"
#include "ui/frm_menu.h"
#include "ui/main_window.h"
#include "ui/top_bar.h"

using namespace zerin;
using namespace zerin::ui;

namespace {
std::string cmd(const std::string& name, const std::string& location, const std::string& body) {
    return "#NAME=" + name + "\r\n#LOCATION=" + location + "\r\n" + body;
}
}  // namespace

class PopupMenuTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestProgram> program;
    test::FakePlatform* fp = nullptr;
    Zerin* z = nullptr;
    std::unique_ptr<MainWindow> w;

    void store(const std::string& text) {
        z->scripts.add(text::lower(headerValue("location", text) + "\\" + headerValue("name", text)), text);
    }
    CommandButton* tools() {
        for (int i = 1; CommandButton* b = w->topBar()->button(i); ++i)
            if (b->isVisible() && b->text() == "Tools") return b;
        return nullptr;
    }
    FrmMenu* rightClickTools() {
        CommandButton* b = tools();
        if (!b) return nullptr;
        fp->keys.cursor = Point{w->x() + 200, w->y() + 150};
        QTest::mouseClick(b, Qt::RightButton);
        return w->menus()->menu();
    }

private slots:
    void init() {
        program = std::make_unique<test::TestProgram>();
        fp = &program->fp;
        z = &program->makeZerin();
        z->settings.textLog = true;
        z->modeGroups.add("Files", "file");
        store(cmd("Tools", "mode\\file\\menu", "? tools\r\n"));
        store(cmd("Zip", "mode\\file\\menu\\tools", "#HELP=Packs the selection\r\n? zip\r\n"));
        store(cmd("Checksum", "Mode\\File\\Menu\\TOOLS", "#color=3366ff\r\n? sum\r\n"));
        store(cmd("Tar", "mode\\file\\menu\\tools\\zip", "? tar\r\n"));
        w = std::make_unique<MainWindow>(*z);
        w->resize(1000, 700);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w.get()));
        w->runResize();
    }
    void cleanup() {
        w.reset();
        program.reset();
        z = nullptr;
        fp = nullptr;
    }

    void aRightClickListsTheSubCommandsAndAClickRunsOne() {
        FrmMenu* menu = rightClickTools();
        QVERIFY(menu && menu->isVisible());
        QCOMPARE(menu->entry(1)->text(), QString("Zip"));
        QCOMPARE(menu->entry(2)->text(), QString("Checksum"));
        QCOMPARE(menu->entry(1)->toolTip(), QString("Packs the selection"));
        QVERIFY(menu->entry(2)->y() > menu->entry(1)->y());
        // Placed at the pointer, inside the main window.
        QCOMPARE(menu->pos(), QPoint(w->x() + 200, w->y() + 150));
        // A click on the command itself still runs it, and nothing opened a menu then.
        z->txtDebug.clear();
        QTest::mouseClick(menu->entry(2), Qt::LeftButton);
        QCOMPARE(QString::fromStdString(z->txtDebug.text()), QString("sum\r\n"));
        // A command without sub-commands opens no window.
        store(cmd("Alone", "mode\\file\\menu", "? alone\r\n"));
        z->dispatcher.call("do.refresh");
        menu->unload();
        QTest::qWait(1);
        for (int i = 1; CommandButton* b = w->topBar()->button(i); ++i)
            if (b->text() == "Alone") QTest::mouseClick(b, Qt::RightButton);
        QVERIFY(!w->menus()->menu() || !w->menus()->menu()->isVisible());
    }

    void theKeysMoveRunAndClose() {
        FrmMenu* menu = rightClickTools();
        QVERIFY(menu);
        QCOMPARE(menu->model().hovered, 1);
        QTest::keyClick(menu, Qt::Key_Down);
        QCOMPARE(menu->model().hovered, 2);
        QVERIFY(menu->entry(2)->styleSheet() != menu->entry(1)->styleSheet());
        z->txtDebug.clear();
        QTest::keyClick(menu, Qt::Key_Return);
        QCOMPARE(QString::fromStdString(z->txtDebug.text()), QString("sum\r\n"));
        QPointer<FrmMenu> guard(menu);
        QTest::keyClick(menu, Qt::Key_Escape);
        QVERIFY(!menu->isVisible());
        QTRY_VERIFY(!guard);
    }

    void anEntryOpensItsOwnMenuAndBothCloseWhenTheMainWindowIsActive() {
        FrmMenu* menu = rightClickTools();
        QVERIFY(menu);
        QTest::mouseClick(menu->entry(1), Qt::RightButton);
        FrmMenu* sub = menu->subMenu();
        QVERIFY(sub && sub->isVisible());
        QCOMPARE(sub->entry(1)->text(), QString("Tar"));
        // The first menu stays open while the user works in the one it opened.
        // Offscreen, a tool window is not activated by showing it: the test does that.
        QApplication::setActiveWindow(sub);
        menu->tick();
        QVERIFY(menu->isVisible());
        QPointer<FrmMenu> guardMenu(menu), guardSub(sub);
        w->activateWindow();
        QApplication::setActiveWindow(w.get());
        QTRY_VERIFY(!guardMenu);
        QVERIFY(!guardSub);
    }
};

QTEST_MAIN(PopupMenuTest)
#include "popup_menu_test.moc"
