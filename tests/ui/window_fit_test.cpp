// The main window on a small screen: it opens inside the screen's free area with every
// region visible, comes back where it was left, and its panes show every column.
// Runs on an offscreen screen of 800 x 600 (the platform's configuration file).
#include <QApplication>
#include <QDir>
#include <QHeaderView>
#include <QScreen>
#include <QSlider>
#include <QTemporaryDir>
#include <QTest>
#include <QTreeView>
#include <fstream>
#include <memory>

#include "app/program.h"
#include "fake_platform.h"
#include "test_program.h"
#include "temp_folder.h"
#include "ui/bottom_bar.h"
#include "ui/main_window.h"
#include "ui/pane_view.h"
#include "ui/panes_region.h"
#include "ui/right_bar.h"
#include "ui/size_handle.h"
#include "ui/top_bar.h"
#include "ui/window_placement.h"
#include "ui/window_placer.h"
#include "ui/work_area.h"

using namespace zerin;
using namespace zerin::ui;

namespace {
constexpr int kScreenWidth = 800;
constexpr int kScreenHeight = 600;
}  // namespace

class WindowFitTest : public QObject {
    Q_OBJECT

    std::unique_ptr<test::TestProgram> program;
    test::FakePlatform* fp = nullptr;
    Zerin* z = nullptr;
    std::unique_ptr<test::TempFolder> home;
    std::unique_ptr<test::TempFolder> listed;

    std::unique_ptr<MainWindow> open() {
        auto w = std::make_unique<MainWindow>(*z);
        w->setCloseHandler([] { return true; });
        w->showPlaced();
        if (!QTest::qWaitForWindowExposed(w.get())) return nullptr;
        // Long enough for the second fit, once the frame is known.
        QTest::qWait(50);
        return w;
    }

    std::filesystem::path placementFile() const { return windowPlacementPath(z->programFolder); }

    static void verifyInside(const QRect& inner, const QRect& outer, const char* what) {
        if (!outer.contains(inner))
            QFAIL(qPrintable(QStringLiteral("%1 (%2,%3 %4x%5) is not inside (%6,%7 %8x%9)")
                                 .arg(QLatin1String(what))
                                 .arg(inner.x()).arg(inner.y()).arg(inner.width()).arg(inner.height())
                                 .arg(outer.x()).arg(outer.y()).arg(outer.width()).arg(outer.height())));
    }

    static QRect globalRect(const QWidget* w) { return QRect(w->mapToGlobal(QPoint(0, 0)), w->size()); }

private slots:
    void initTestCase() {
        QScreen* screen = QGuiApplication::primaryScreen();
        QVERIFY(screen);
        QCOMPARE(screen->geometry().size(), QSize(kScreenWidth, kScreenHeight));
    }

    void init() {
        program = std::make_unique<test::TestProgram>();
        fp = &program->fp;
        z = &program->makeZerin();
        home = std::make_unique<test::TempFolder>();
        z->programFolder = home->path();
        listed = std::make_unique<test::TempFolder>();
        listed->file("gazebo photographs from the long summer holiday by the lake.jpg", 3 * 1024 * 1024);
        listed->file("garden.txt", 12);
        listed->folder("gallery");
        z->panes.setPath(0, listed->path());
        z->panes.setPath(1, listed->path());
    }

    void cleanup() {
        program.reset();
        z = nullptr;
        fp = nullptr;
        listed.reset();
        home.reset();
    }

    void firstStartShowsEveryRegionInsideTheScreen() {
        auto w = open();
        QVERIFY(w);
        const QRect available = w->screen()->availableGeometry();
        verifyInside(w->frameGeometry(), available, "window frame");
        const QRect client = globalRect(w->centralWidget());
        const QWidget* regions[] = {w->workArea(), w->topBar(), w->panes(), w->bottomBar(),
                                    w->rightBar(), w->sizeHandle(), w->volumeSlider()};
        const char* names[] = {"work area", "top bar", "panes", "bottom bar", "right bar", "size handle", "volume"};
        for (std::size_t i = 0; i < std::size(regions); ++i) {
            QVERIFY2(regions[i]->isVisible(), names[i]);
            verifyInside(globalRect(regions[i]), client, names[i]);
        }
        QVERIFY(w->bottomBar()->height() > 0);
        // The window uses the screen rather than a corner of it.
        QVERIFY(w->frameGeometry().width() > available.width() * 9 / 10);
        QVERIFY(w->frameGeometry().height() > available.height() * 9 / 10);
    }

    void comesBackWhereItWasLeft() {
        {
            auto w = open();
            QVERIFY(w);
            w->setGeometry(120, 90, 520, 380);
            QTest::qWait(20);
            QVERIFY(w->close());
        }
        QVERIFY(std::filesystem::exists(placementFile()));
        QVERIFY(!std::filesystem::exists(std::filesystem::path(placementFile()) += ".tmp"));
        auto again = open();
        QVERIFY(again);
        QCOMPARE(again->geometry(), QRect(120, 90, 520, 380));
        QVERIFY(!again->isMaximized());
    }

    void comesBackMaximised() {
        {
            auto w = open();
            QVERIFY(w);
            w->setGeometry(100, 100, 500, 350);
            w->showMaximized();
            QTRY_VERIFY(w->isMaximized());
            QVERIFY(w->close());
        }
        WindowPlacement kept = readWindowPlacement(placementFile());
        QVERIFY(kept.maximised);
        QCOMPARE(kept.normal, QRect(100, 100, 500, 350));
        auto again = open();
        QVERIFY(again);
        QTRY_VERIFY(again->isMaximized());
        // Restored from maximised, it gets its normal place back.
        again->showNormal();
        QTRY_COMPARE(again->geometry(), QRect(100, 100, 500, 350));
    }

    void placementFromALargerScreenIsFittedIn() {
        WindowPlacement big;
        big.normal = QRect(300, 200, 1280, 800);
        big.frame = QMargins(1, 24, 1, 1);
        QVERIFY(writeWindowPlacement(placementFile(), big));
        auto w = open();
        QVERIFY(w);
        verifyInside(w->frameGeometry(), w->screen()->availableGeometry(), "window frame");
        verifyInside(globalRect(w->bottomBar()), w->screen()->availableGeometry(), "bottom bar");
    }

    void settingsFileIsNotTouched() {
        const std::filesystem::path ini = std::filesystem::path(home->path()) / "Zerin.ini";
        {
            std::ofstream(ini, std::ios::binary) << "[OPTIONS]\r\nfont_size=10\r\n";
        }
        {
            auto w = open();
            QVERIFY(w);
            QVERIFY(w->close());
        }
        std::ifstream in(ini, std::ios::binary);
        std::string text((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
        QCOMPARE(QString::fromStdString(text), QStringLiteral("[OPTIONS]\r\nfont_size=10\r\n"));
    }

    void everyColumnInsideThePane_data() {
        QTest::addColumn<bool>("autosize");
        QTest::newRow("fixed columns") << false;
        QTest::newRow("column autosize") << true;
    }

    void everyColumnInsideThePane() {
        QFETCH(bool, autosize);
        z->settings.columnAutosize = autosize;
        auto w = open();
        QVERIFY(w);
        z->dispatcher.call("do_list_update 0");
        z->dispatcher.call("do_list_update 1");
        w->runResize();
        QTest::qWait(20);
        for (int pane = 0; pane < 2; ++pane) {
            QTreeView* list = w->panes()->pane(pane)->lvwList();
            QVERIFY(list->isVisible());
            QCOMPARE(list->model()->rowCount(), 3);
            QHeaderView* header = list->header();
            const int viewport = list->viewport()->width();
            QVERIFY(viewport > 100);
            int used = 0;
            for (int column = 0; column < header->count(); ++column) {
                const int left = header->sectionViewportPosition(column);
                const int width = header->sectionSize(column);
                QVERIFY2(left >= 0 && left + width <= viewport, qPrintable(QStringLiteral("column %1").arg(column)));
                if (column > 0) {
                    QVERIFY(header->sectionSize(0) > width);
                    // Wide enough for the widest size text.
                    for (int row = 0; row < list->model()->rowCount(); ++row) {
                        const QString text = list->model()->index(row, column).data().toString();
                        QVERIFY(list->fontMetrics().horizontalAdvance(text) < width);
                    }
                }
                used += width;
            }
            // Nothing is left unused beside the Name column.
            QCOMPARE(used, viewport);
        }
    }
};

int main(int argc, char** argv) {
    // A small screen: the offscreen platform reads its screens from a file.
    QTemporaryDir dir;
    const QString config = dir.filePath(QStringLiteral("screen.json"));
    {
        QFile file(config);
        if (!file.open(QIODevice::WriteOnly)) return 1;
        file.write(QStringLiteral(R"({"screens": [{"name": "small", "x": 0, "y": 0, "width": %1, "height": %2}]})")
                       .arg(kScreenWidth)
                       .arg(kScreenHeight)
                       .toUtf8());
    }
    qputenv("QT_QPA_PLATFORM", ("offscreen:configfile=" + config).toUtf8());
    QApplication app(argc, argv);
    WindowFitTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "window_fit_test.moc"
