// The Linux services behind the platform interfaces.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QtTest>
#include <X11/keysym.h>
#include <sstream>

#include "platform/linux/input_box.h"
#include "platform/linux/linux_platform.h"

using namespace zerin;
using namespace zerin::linux_platform;

class LinuxPlatformTest : public QObject {
    Q_OBJECT

private:
    static int waitForExit(RunningProcess& p) {
        int code = -1;
        for (int i = 0; i < 500 && !p.finished(code); ++i) QThread::msleep(10);
        return code;
    }

private slots:
    void virtualKeysMapToKeysyms() {
        QCOMPARE(keysymsForVirtualKey(19), std::vector<unsigned long>{XK_Pause});
        QCOMPARE(keysymsForVirtualKey('A'), std::vector<unsigned long>{XK_a});
        QCOMPARE(keysymsForVirtualKey('7'), std::vector<unsigned long>{XK_7});
        QCOMPARE(keysymsForVirtualKey(0x70), std::vector<unsigned long>{XK_F1});
        QCOMPARE(keysymsForVirtualKey(0x87), std::vector<unsigned long>{XK_F24});
        QCOMPARE(keysymsForVirtualKey(0x25), std::vector<unsigned long>{XK_Left});
        QCOMPARE(keysymsForVirtualKey(0x10).size(), std::size_t{2});
        QVERIFY(keysymsForVirtualKey(0xFF).empty());
    }

    void withoutAnXServerEveryKeyIsUp() {
        QByteArray display = qgetenv("DISPLAY");
        qunsetenv("DISPLAY");
        X11KeyState keys;
        if (!display.isEmpty()) qputenv("DISPLAY", display);
        QVERIFY(!keys.available());
        QVERIFY(!keys.asyncKeyState(kVkPause));
        QVERIFY(!keys.asyncKeyState(1));
        QCOMPARE(keys.mouseButtons(), 0);
        QCOMPARE(keys.cursorPos().x, 0);
    }

    void programsGetTheirArgumentsLiterallyAndReportExitCodes() {
        PosixProcesses processes;
        // "test" compares its arguments: only an exact, unexpanded pass makes it succeed.
        auto same = processes.start({"test", "a;b $(x) *", "=", "a;b $(x) *"}, WindowStyle::Hidden);
        QVERIFY(same);
        QCOMPARE(waitForExit(*same), 0);
        auto three = processes.start({"sh", "-c", "exit 3"}, WindowStyle::Normal);
        QVERIFY(three);
        QCOMPARE(waitForExit(*three), 3);
        auto killed = processes.start({"sh", "-c", "kill -TERM $$"}, WindowStyle::Normal);
        QVERIFY(killed);
        QCOMPARE(waitForExit(*killed), 128 + 15);
        QVERIFY(!processes.start({"/nonexistent/program"}, WindowStyle::Normal));
        QVERIFY(!processes.start({}, WindowStyle::Normal));
    }

    void withoutADisplayBoxesAnswerCancelAndSaySo() {
        QVERIFY(QtDialogs::headless());
        std::ostringstream err;
        QtDialogs dialogs(err);
        QCOMPARE(dialogs.messageBox("Exiting Zerin\r\n\r\nSave?", "Zerin", MsgButtons::YesNoCancel, MsgIcon::Question),
                 MsgResult::Cancel);
        QCOMPARE(err.str(), std::string(dialog_messages::kHeadlessAnswer) + "Exiting Zerin\n");
        QVERIFY(!dialogs.inputBox("Name?", 14).has_value());
        QCOMPARE(dialogs.messageBox("q", "t", MsgButtons::YesNo, MsgIcon::None), MsgResult::No);
    }

    void theInputBoxAcceptsOnEnterInTheFontSize() {
        InputBox box(QStringLiteral("Your name?"), 20);
        auto* field = box.findChild<QLineEdit*>(QStringLiteral("txtInput"));
        auto* label = box.findChild<QLabel*>(QStringLiteral("lblInput"));
        QVERIFY(field && label);
        QCOMPARE(label->text(), QStringLiteral("Your name?"));
        QCOMPARE(field->font().pointSize(), 20);
        QTest::keyClicks(field, QStringLiteral("Åsa"));
        QTest::keyClick(field, Qt::Key_Return);
        QCOMPARE(box.result(), int(QDialog::Accepted));
        QCOMPARE(box.answer(), QStringLiteral("Åsa"));
    }

    void priorityLevelsMapToNiceValuesAndBack() {
        for (int level : {-15, -2, -1, 0, 1, 2, 15}) QCOMPARE(priorityLevelForNice(niceForPriorityLevel(level)), level);
        QCOMPARE(niceForPriorityLevel(7), 0);
        QCOMPARE(priorityLevelForNice(3), -1);
    }

    void windowsFontNamesMapToGenericFamilies() {
        QCOMPARE(fontFamilyFor("Arial"), QStringLiteral("sans-serif"));
        QCOMPARE(fontFamilyFor("terminal"), QStringLiteral("monospace"));
        QCOMPARE(fontFamilyFor("DejaVu Serif"), QStringLiteral("DejaVu Serif"));
        QtTextMetrics metrics;
        QVERIFY(metrics.width("abcdef", 12, FontFace::Sans) > metrics.width("a", 12, FontFace::Sans));
        QVERIFY(metrics.width("abc", 24, FontFace::Sans) > metrics.width("abc", 8, FontFace::Sans));
        QCOMPARE(metrics.width("ab\r\nabcd", 12, FontFace::Mono), metrics.width("abcd", 12, FontFace::Mono));
        QCOMPARE(metrics.height("a\r\nb", 12, FontFace::Sans), 2 * metrics.height("a", 12, FontFace::Sans));
    }

    void theTickCountAdvancesWithTime() {
        MonotonicClock clock;
        std::int64_t before = clock.tickCount();
        QtEventPump pump;
        pump.sleepMs(30);
        pump.processEvents();
        std::int64_t elapsed = clock.tickCount() - before;
        QVERIFY(elapsed >= 30 && elapsed < 5000);
        QVERIFY(clock.now().year >= 2024);
    }
};

QTEST_MAIN(LinuxPlatformTest)
#include "linux_platform_test.moc"
