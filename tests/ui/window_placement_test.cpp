// Fitting the main window into a screen's free area, and the file that keeps its
// placement between runs, with given rectangles (no window is shown).
#include <QTest>
#include <filesystem>
#include <fstream>

#include "temp_folder.h"
#include "ui/window_placement.h"

using namespace zerin::ui;

Q_DECLARE_METATYPE(QMargins)

namespace {
QRect withFrame(const QRect& client, const QMargins& frame) { return client.marginsAdded(frame); }
const QSize kMinimum(400, 200);
const QSize kDefault(1280, 800);
}  // namespace

class WindowPlacementTest : public QObject {
    Q_OBJECT

private slots:
    void fitsInside_data() {
        QTest::addColumn<QRect>("wanted");
        QTest::addColumn<QMargins>("frame");
        QTest::addColumn<QRect>("available");
        QTest::addColumn<QRect>("expected");
        const QMargins openbox(1, 20, 1, 4);
        // The default size on small screens fills the free area exactly, frame included.
        QTest::newRow("default 800x600") << QRect() << openbox << QRect(0, 0, 800, 600) << QRect(1, 20, 798, 576);
        QTest::newRow("default 1280x800, panel below")
            << QRect() << openbox << QRect(0, 0, 1280, 770) << QRect(1, 20, 1278, 746);
        // On a large screen the default size is kept and centred.
        QTest::newRow("default on 1920x1080")
            << QRect() << QMargins(2, 30, 2, 2) << QRect(0, 0, 1920, 1080) << QRect(320, 154, 1280, 800);
        QTest::newRow("kept place that fits is kept")
            << QRect(100, 80, 600, 400) << openbox << QRect(0, 0, 800, 600) << QRect(100, 80, 600, 400);
        QTest::newRow("off the right and bottom edges")
            << QRect(500, 400, 400, 300) << openbox << QRect(0, 0, 800, 600) << QRect(399, 296, 400, 300);
        QTest::newRow("title bar above the top")
            << QRect(-50, 5, 400, 300) << openbox << QRect(0, 0, 800, 600) << QRect(1, 20, 400, 300);
        QTest::newRow("from a larger screen")
            << QRect(300, 200, 1280, 800) << openbox << QRect(0, 0, 800, 600) << QRect(1, 20, 798, 576);
        QTest::newRow("second screen with a panel on its left")
            << QRect(1900, 50, 700, 500) << openbox << QRect(1960, 0, 1240, 1024) << QRect(1961, 50, 700, 500);
        // A screen smaller than the smallest window: the title bar stays reachable.
        QTest::newRow("screen below the minimum")
            << QRect(0, 0, 640, 480) << openbox << QRect(0, 0, 320, 150) << QRect(1, 20, 400, 200);
    }

    void fitsInside() {
        QFETCH(QRect, wanted);
        QFETCH(QMargins, frame);
        QFETCH(QRect, available);
        QFETCH(QRect, expected);
        const QRect fitted = fitClientRect(wanted, kDefault, frame, available, kMinimum);
        QCOMPARE(fitted, expected);
        if (available.width() >= kMinimum.width() + frame.left() + frame.right())
            QVERIFY(available.contains(withFrame(fitted, frame)));
        QVERIFY(fitted.width() >= kMinimum.width() && fitted.height() >= kMinimum.height());
    }

    void placementTextRoundTrip() {
        WindowPlacement p;
        p.normal = QRect(-20, 35, 1024, 700);
        p.maximised = true;
        p.frame = QMargins(1, 29, 1, 3);
        const std::string text = formatWindowPlacement(p);
        QVERIFY(text.starts_with("[window]\n"));
        WindowPlacement back = parseWindowPlacement(text);
        QCOMPARE(back.normal, p.normal);
        QCOMPARE(back.maximised, true);
        QVERIFY(back.frame.has_value());
        QCOMPARE(*back.frame, *p.frame);
        // A file from another system with CR LF line ends reads the same.
        std::string crlf;
        for (char c : text) crlf += c == '\n' ? std::string("\r\n") : std::string(1, c);
        QCOMPARE(parseWindowPlacement(crlf).normal, p.normal);
    }

    void damagedLinesAreIgnored() {
        WindowPlacement p = parseWindowPlacement("[window]\nleft=12\ntop=x\nwidth=800\nheight=600\nframe=1,2,3\n");
        QVERIFY(p.normal.isNull());  // top unreadable: no place at all
        QVERIFY(!p.frame);
        p = parseWindowPlacement("left=1\ntop=2\nwidth=0\nheight=600\nframe=1,-2,3,4\nmaximised=1\n");
        QVERIFY(p.normal.isNull());
        QVERIFY(!p.frame);
        QVERIFY(p.maximised);
        p = parseWindowPlacement("");
        QVERIFY(p.normal.isNull() && !p.maximised && !p.frame);
    }

    void fileIsWrittenBesideTheSettings() {
        zerin::test::TempFolder folder;
        const std::filesystem::path file = windowPlacementPath(folder.path());
        QCOMPARE(QString::fromStdString(file.filename().string()), QStringLiteral("Zerin_Window.ini"));
        QCOMPARE(readWindowPlacement(file).normal, QRect());
        WindowPlacement p;
        p.normal = QRect(10, 20, 640, 480);
        QVERIFY(writeWindowPlacement(file, p));
        p.normal = QRect(30, 40, 700, 500);
        QVERIFY(writeWindowPlacement(file, p));
        QCOMPARE(readWindowPlacement(file).normal, QRect(30, 40, 700, 500));
        QVERIFY(!std::filesystem::exists(std::filesystem::path(file) += ".tmp"));
        // Without a program folder nothing is written anywhere.
        QVERIFY(windowPlacementPath({}).empty());
        QVERIFY(!writeWindowPlacement({}, p));
    }
};

QTEST_GUILESS_MAIN(WindowPlacementTest)
#include "window_placement_test.moc"
