#include <QMouseEvent>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "app/program.h"
#include "fake_platform.h"
#include "test_program.h"
#include "raster_canvas.h"
#include "ui/bottom_bar.h"
#include "ui/main_window.h"
#include "ui/main_window_texts.h"
#include "ui/window_switcher.h"

using namespace zerin;
using namespace zerin::ui;

class WindowSwitcherTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestProgram> program;
    test::FakePlatform* fp = nullptr;
    test::FakeWindowList windows;
    Zerin* z = nullptr;
    MainWindow* w = nullptr;

    void open(bool withWindowList) {
        program = std::make_unique<test::TestProgram>();
        fp = &program->fp;
        if (withWindowList) program->platform.windows = &windows;
        z = &program->makeZerin();
        QVERIFY(program->showWindow());
        w = program->window.get();
    }
    QStringList captions() const {
        QStringList out;
        for (QPushButton* b : w->bottomBar()->windowButtons())
            if (b->isVisible()) out << b->text();
        return out;
    }
    static void rightPress(QWidget* target) {
        QMouseEvent press(QEvent::MouseButtonPress, QPointF(3, 3), target->mapToGlobal(QPointF(3, 3)),
                          Qt::RightButton, Qt::RightButton, Qt::NoModifier);
        QApplication::sendEvent(target, &press);
    }

private slots:
    void init() {
        WindowIcon icon{2, 2, {0xFFFF0000, 0xFF00FF00, 0xFF0000FF, 0xFFFFFFFF}};
        windows.windows = {{21, "Terminal"},
                           {22, "Program Manager"},
                           {23, "Invisible helper", 0, 0, 0, 0, false, false},
                           {24, ""},
                           {25, "Exactly15 chars"},
                           {26, "Sixteen chars ok", 0, 0, 0, 0, true, true, icon}};
        windows.active = 0;
    }
    void cleanup() {
        program.reset();
        w = nullptr;
        z = nullptr;
        fp = nullptr;
    }

    void theWindowsButtonShowsOneButtonPerOtherWindow() {
        open(true);
        QVERIFY(captions().isEmpty());
        QTest::mouseClick(w->bottomBar()->windowsButton(), Qt::LeftButton);
        QCOMPARE(captions(), (QStringList{"Terminal", "Exactly15 chars", "Sixteen chars..."}));
        std::vector<QPushButton*> buttons = w->bottomBar()->windowButtons();
        // After the path buttons, with the window's icon where it has one.
        QVERIFY(buttons.front()->x() > w->bottomBar()->firstPathButton()->x());
        QVERIFY(buttons.front()->icon().isNull());
        QVERIFY(!buttons.back()->icon().isNull());
        QCOMPARE(buttons.back()->property("tag").toString(), QString("26 Sixteen chars ok"));

        // A window that opens shows up while the buttons are shown.
        windows.windows.push_back({27, "New window"});
        QTRY_COMPARE(captions().size(), 4);
        QTest::mouseClick(w->bottomBar()->windowsButton(), Qt::LeftButton);
        QVERIFY(captions().isEmpty());
    }

    void aClickRestoresAndActivatesTheWindow() {
        open(true);
        QTest::mouseClick(w->bottomBar()->windowsButton(), Qt::LeftButton);
        QPushButton* minimised = w->bottomBar()->windowButtons().back();
        QTest::mouseClick(minimised, Qt::LeftButton);
        QCOMPARE(windows.active, WindowHandle(26));
        QVERIFY(!windows.windows[5].minimised);
    }

    void aRightClickDocksOverTheWorkAreaAndTheWindowsButtonUndocks() {
        open(true);
        w->setWorkAreaHeight(250);
        QTest::mouseClick(w->bottomBar()->windowsButton(), Qt::LeftButton);
        rightPress(w->bottomBar()->windowButtons().front());
        QCOMPARE(w->windowSwitcher()->docked(), WindowHandle(21));
        const test::FakeWindowList::Window& docked = windows.windows[0];
        QCOMPARE(QPoint(docked.x, docked.y), w->clientOrigin());
        QCOMPARE(docked.width, w->centralWidget()->width() - 1);
        QCOMPARE(docked.height, 250);
        QCOMPARE(windows.active, WindowHandle(21));

        w->resize(1200, 700);
        QTRY_COMPARE(windows.windows[0].width, w->centralWidget()->width() - 1);

        // Moved while the mouse button is held, it follows only once the button is let go.
        fp->keys.buttons = 1;
        w->move(w->pos() + QPoint(40, 30));
        QTest::qWait(3 * WindowSwitcher::kFollowIntervalMs);
        QVERIFY(QPoint(windows.windows[0].x, windows.windows[0].y) != w->clientOrigin());
        fp->keys.buttons = 0;
        QTRY_COMPARE(QPoint(windows.windows[0].x, windows.windows[0].y), w->clientOrigin());

        rightPress(w->bottomBar()->windowsButton());
        QCOMPARE(w->windowSwitcher()->docked(), WindowHandle(0));
        const int widthWhenUndocked = windows.windows[0].width;
        w->resize(1000, 700);
        QTest::qWait(50);
        QCOMPARE(windows.windows[0].width, widthWhenUndocked);
    }

    void withoutAWindowListTheButtonOnlySaysSo() {
        open(false);
        QPushButton* button = w->bottomBar()->windowsButton();
        QCOMPARE(button->toolTip().toStdString(), std::string(texts::kNoWindowSwitching));
        QTest::mouseClick(button, Qt::LeftButton);
        rightPress(button);
        QVERIFY(!w->windowSwitcher()->buttonsShown());
        QVERIFY(w->bottomBar()->windowButtons().empty());
    }
};

QTEST_MAIN(WindowSwitcherTest)
#include "window_switcher_test.moc"
