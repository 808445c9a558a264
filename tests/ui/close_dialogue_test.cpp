// Closing the main window goes through the exit question, however it is asked for.
#include <QtTest>

#include "app/shutdown.h"
#include "app/program.h"
#include "fake_platform.h"
#include "temp_dir.h"
#include "ui/main_window.h"

using namespace zerin;

class CloseDialogueTest : public QObject {
    Q_OBJECT

private slots:
    void cancelKeepsTheWindowYesSavesAndCloses() {
        test::FakePlatform fp;
        test::TempDir dir;
        Zerin z(fp.platform);
        z.programFolder = dir.path();
        ui::MainWindow window(z);
        window.setCloseHandler([&] { return closeRequested(z, window.windowTitle().toStdString(), {}); });
        window.show();

        fp.dialogs.answers = {MsgResult::Cancel};
        QVERIFY(!window.close());
        QVERIFY(window.isVisible());
        QVERIFY(!std::filesystem::exists(dir / "Zerin.ini"));

        fp.dialogs.answers = {MsgResult::Yes};
        QVERIFY(window.close());
        QVERIFY(!window.isVisible());
        QVERIFY(std::filesystem::exists(dir / "Zerin.ini"));
        QCOMPARE(fp.dialogs.shown.size(), std::size_t{2});
        QCOMPARE(fp.dialogs.shown[1].title, window.windowTitle().toStdString());
    }
};

QTEST_MAIN(CloseDialogueTest)
#include "close_dialogue_test.moc"
