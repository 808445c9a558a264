// The two panes as the user drives them with the keyboard, over a file system in memory:
// going up selects the folder left, Enter enters a folder, Tab and the key table's keys
// move the focus between the lists and the parent button.
#include <QApplication>
#include <QClipboard>
#include <QHeaderView>
#include <QLineEdit>
#include <QMenu>
#include <QMimeData>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QTreeView>
#include <QtTest>

#include "app/program.h"
#include "fake_platform.h"
#include "memory_file_system.h"
#include "panes/pane_refresh.h"
#include "ui/pane_item_model.h"
#include "ui/pane_view.h"
#include "ui/panes_region.h"
#include "ui/right_drag_selector.h"
#include "ui/tool_tips.h"

using namespace zerin;

class PanesRegionTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<test::MemoryFileSystem> m_fs;
    std::unique_ptr<Zerin> m_zerin;
    std::unique_ptr<ui::ToolTips> m_tips;
    std::unique_ptr<ui::PanesRegion> m_region;

    QTreeView* list(int pane) { return m_region->pane(pane)->lvwList(); }
    int rowOf(int pane, const std::string& tag) {
        const auto& items = m_zerin->panes.list(pane).items();
        for (std::size_t i = 0; i < items.size(); ++i)
            if (items[i].tag == tag) return static_cast<int>(i);
        return -1;
    }
    // The rows the view shows selected, and the one holding the cursor.
    QList<int> selectedRows(int pane) {
        QList<int> rows;
        for (const QModelIndex& index : list(pane)->selectionModel()->selectedRows()) rows << index.row();
        return rows;
    }
    void focus(QWidget* widget) {
        widget->setFocus(Qt::OtherFocusReason);
        QTRY_VERIFY(widget->hasFocus());
    }
    // The centre of row `row` in the list's viewport.
    QPoint rowPoint(int pane, int row) {
        return list(pane)->visualRect(m_region->pane(pane)->itemModel()->index(row, 0)).center();
    }
    // The right button as the window system reports it: pressed, moved while held, up.
    void right(QEvent::Type type, int pane, QPoint at) {
        QWidget* viewport = list(pane)->viewport();
        const Qt::MouseButton button = type == QEvent::MouseMove ? Qt::NoButton : Qt::RightButton;
        const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::RightButton;
        QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
        QCoreApplication::sendEvent(viewport, &event);
    }
    void rightDrag(int pane, int from, int to) {
        right(QEvent::MouseButtonPress, pane, rowPoint(pane, from));
        right(QEvent::MouseMove, pane, rowPoint(pane, from) + QPoint(0, 3));
        for (int row = from + (to > from ? 1 : -1); row != to + (to > from ? 1 : -1); row += to > from ? 1 : -1)
            right(QEvent::MouseMove, pane, rowPoint(pane, row));
    }
    QString sizeHeader(int pane) {
        return m_region->pane(pane)->itemModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString();
    }
    QString sized(std::int64_t bytes) { return QString::fromStdString(m_zerin->panes.sizeFormat.format(bytes)); }
    QMenu* openPopup() { return qobject_cast<QMenu*>(QApplication::activePopupWidget()); }
    QStringList actionTexts(QMenu* menu) {
        QStringList out;
        for (QAction* a : menu->actions()) out << a->text();
        return out;
    }
    void showPop() {
        m_zerin->panes.setPath(0, "/other/pop/");
        listUpdate(*m_zerin, 0);
        QCOMPARE(m_region->pane(0)->itemModel()->rowCount(), 30);
        // A listing starts with its first item selected; these tests start from none.
        list(0)->clearSelection();
        QCOMPARE(m_zerin->panes.selectionTotal[0], std::int64_t{0});
    }

private slots:
    void init() {
        m_platform = std::make_unique<test::FakePlatform>();
        m_fs = std::make_unique<test::MemoryFileSystem>();
        m_fs->mountTable = {{"/", "ext4", "/dev/sda1"}};
        // Twenty folders before "rock" and twenty after it, more than the list shows.
        for (int i = 0; i < 20; ++i) {
            m_fs->addFolder("/music/band" + std::to_string(100 + i));
            m_fs->addFolder("/music/tune" + std::to_string(100 + i));
        }
        // Thirty files of 100, 200, ... bytes, more than the list shows at once.
        for (int i = 0; i < 30; ++i)
            m_fs->addFile("/other/pop/f" + std::to_string(10 + i) + ".dat", std::string(100 * (i + 1), 'x'));
        m_fs->addFolder("/music/rock/old");
        m_fs->addFile("/music/rock/song.ogg", "la");
        m_zerin = std::make_unique<Zerin>(m_platform->platform);
        m_zerin->fileSystem = m_fs.get();
        registerAllCommands(*m_zerin);
        m_tips = std::make_unique<ui::ToolTips>();
        m_region = std::make_unique<ui::PanesRegion>(*m_zerin, *m_tips);
        m_region->resize(900, 300);
        m_zerin->panes.setPath(0, "/music/rock/");
        m_zerin->panes.setPath(1, "/music/");
        listUpdate(*m_zerin, 0);
        listUpdate(*m_zerin, 1);
        m_region->show();
        QVERIFY(QTest::qWaitForWindowActive(m_region.get()));
    }

    void cleanup() {
        m_region.reset();
        m_tips.reset();
        m_zerin.reset();
        m_fs.reset();
        m_platform.reset();
    }

    void backspaceGoesUpAndSelectsTheFolderLeft() {
        focus(list(0));
        QTest::keyClick(list(0), Qt::Key_Backspace);
        QCOMPARE(m_zerin->panes.path(0), std::string("/music/"));
        QCOMPARE(m_region->pane(0)->txtPath()->text(), QStringLiteral("/music/"));
        const int rock = rowOf(0, "/music/rock/");
        QCOMPARE(rock, 20);
        QCOMPARE(selectedRows(0), QList<int>{rock});
        QCOMPARE(list(0)->currentIndex().row(), rock);
        // The folder left is scrolled into the middle of the list, not to its edge.
        const QRect shown = list(0)->visualRect(list(0)->currentIndex());
        const int middle = list(0)->viewport()->height() / 2;
        QVERIFY2(std::abs(shown.center().y() - middle) <= shown.height(), "the folder left is centred");

        // Alt+Up does the same, and the other pane stays where it was.
        QTest::keyClick(list(0), Qt::Key_Up, Qt::AltModifier);
        QCOMPARE(m_zerin->panes.path(0), std::string("/"));
        QCOMPARE(selectedRows(0), QList<int>{rowOf(0, "/music/")});
        QCOMPARE(m_zerin->panes.path(1), std::string("/music/"));
    }

    void enterOnAFolderEntersIt() {
        focus(list(1));
        const int rock = rowOf(1, "/music/rock/");
        list(1)->setCurrentIndex(m_region->pane(1)->itemModel()->index(rock, 0));
        QTest::keyClick(list(1), Qt::Key_Return);
        QCOMPARE(m_zerin->panes.path(1), std::string("/music/rock/"));
        QCOMPARE(m_region->pane(1)->itemModel()->rowCount(), 2);
        QCOMPARE(m_zerin->panes.path(0), std::string("/music/rock/"));
    }

    void tabAndTheAcrossKeysGoBetweenTheLists() {
        focus(list(0));
        QTest::keyClick(list(0), Qt::Key_Tab);
        QTRY_VERIFY(list(1)->hasFocus());
        QTest::keyClick(list(1), Qt::Key_Backtab, Qt::ShiftModifier);
        QTRY_VERIFY(list(0)->hasFocus());
        QTest::keyClick(list(0), Qt::Key_6, Qt::KeypadModifier);
        QTRY_VERIFY(list(1)->hasFocus());
        QTest::keyClick(list(1), Qt::Key_4, Qt::KeypadModifier);
        QTRY_VERIFY(list(0)->hasFocus());
        // The right key in the right pane has no neighbouring list: the focus stays.
        focus(list(1));
        QTest::keyClick(list(1), Qt::Key_6, Qt::KeypadModifier);
        QVERIFY(list(1)->hasFocus());
        QVERIFY(!m_region->pane(0)->txtPath()->hasFocus());
    }

    void theUpKeyReachesTheParentButtonWhichGoesUp() {
        focus(list(0));
        QTest::keyClick(list(0), Qt::Key_8, Qt::KeypadModifier);
        QPushButton* parent = m_region->pane(0)->cmdParent();
        QTRY_VERIFY(parent->hasFocus());
        QTest::keyClick(parent, Qt::Key_Return);
        QCOMPARE(m_zerin->panes.path(0), std::string("/music/"));
        QCOMPARE(selectedRows(0), QList<int>{rowOf(0, "/music/rock/")});
        QTest::keyClick(parent, Qt::Key_2, Qt::KeypadModifier);
        QTRY_VERIFY(list(0)->hasFocus());

        // In the drives view the parent button is off, and the up key leaves the focus.
        m_zerin->panes.setPath(0, "Drives");
        listUpdate(*m_zerin, 0);
        focus(list(0));
        QVERIFY(!parent->isEnabled());
        QTest::keyClick(list(0), Qt::Key_8, Qt::KeypadModifier);
        QVERIFY(list(0)->hasFocus());
    }
    void rightDragPaintsASelectionAndTheSizeHeaderSumsIt() {
        showPop();
        rightDrag(0, 1, 3);
        // While the button is held the header shows the running total.
        QCOMPARE(sizeHeader(0), sized(200 + 300 + 400));
        right(QEvent::MouseButtonRelease, 0, rowPoint(0, 3));
        QCOMPARE(selectedRows(0), QList<int>({1, 2, 3}));
        QCOMPARE(sizeHeader(0), sized(900));
        QVERIFY(!openPopup());

        // From a selected item the drag deselects what it passes.
        rightDrag(0, 2, 3);
        right(QEvent::MouseButtonRelease, 0, rowPoint(0, 3));
        QCOMPARE(selectedRows(0), QList<int>({1}));
        QCOMPARE(sizeHeader(0), sized(200));
        // A left click elsewhere: the header follows that selection too.
        QTest::mouseClick(list(0)->viewport(), Qt::LeftButton, {}, rowPoint(0, 5));
        QCOMPARE(selectedRows(0), QList<int>({5}));
        QCOMPARE(sizeHeader(0), sized(600));
        QTest::mouseClick(list(0)->viewport(), Qt::LeftButton, Qt::ControlModifier, rowPoint(0, 5));
        QCOMPARE(sizeHeader(0), QStringLiteral("Size"));
    }

    void holdingTheCursorBelowTheListScrollsAndKeepsPainting() {
        showPop();
        // Down over every row shown, then out below the list.
        const int lastShown = list(0)->indexAt(QPoint(5, list(0)->viewport()->height() - 1)).row();
        QVERIFY(lastShown > 2 && lastShown < 29);
        rightDrag(0, 0, lastShown);
        const int below = list(0)->viewport()->height() + 30;
        right(QEvent::MouseMove, 0, QPoint(20, below));
        QTRY_VERIFY(list(0)->verticalScrollBar()->value() == list(0)->verticalScrollBar()->maximum());
        QCOMPARE(m_region->pane(0)->rightDrag()->scrollTimer()->interval(), 5);
        right(QEvent::MouseButtonRelease, 0, QPoint(20, below));
        QVERIFY(!m_region->pane(0)->rightDrag()->scrollTimer()->isActive());
        // Every row from the first to the last came into view and was selected.
        QCOMPARE(selectedRows(0).size(), 30);
        QCOMPARE(sizeHeader(0), sized(100 * 30 * 31 / 2));
    }

    void aRightClickOpensTheMenuForTheSelection() {
        showPop();
        QTest::mouseClick(list(0)->viewport(), Qt::LeftButton, {}, rowPoint(0, 1));
        // A right click on a selected item keeps the selection; on another it adds it.
        right(QEvent::MouseButtonPress, 0, rowPoint(0, 1));
        right(QEvent::MouseButtonRelease, 0, rowPoint(0, 1));
        QMenu* menu = openPopup();
        QVERIFY(menu);
        QCOMPARE(actionTexts(menu), QStringList({"Open", "Open with...", "Copy path"}));
        QCOMPARE(selectedRows(0), QList<int>({1}));
        menu->close();
        right(QEvent::MouseButtonPress, 0, rowPoint(0, 4));
        right(QEvent::MouseButtonRelease, 0, rowPoint(0, 4));
        QTRY_VERIFY(openPopup());
        QCOMPARE(selectedRows(0), QList<int>({1, 4}));
        openPopup()->actions().at(2)->trigger();
        QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("/other/pop/f11.dat\n/other/pop/f14.dat"));
        openPopup()->close();

        // The menu key opens it too; Open with hands every path to the program named.
        focus(list(0));
        QTest::keyClick(list(0), Qt::Key_Menu);
        QTRY_VERIFY(openPopup());
        m_platform->dialogs.inputs = {std::string("gimp")};
        openPopup()->actions().at(1)->trigger();
        QCOMPARE(m_platform->processes.started.size(), std::size_t{1});
        QCOMPARE(m_platform->processes.started[0],
                 (std::vector<std::string>{"gimp", "/other/pop/f11.dat", "/other/pop/f14.dat"}));
        openPopup()->close();
        // With nothing selected there is no menu.
        list(0)->clearSelection();
        QTest::keyClick(list(0), Qt::Key_Menu);
        QVERIFY(!openPopup());
    }

    void pageDownMovesThroughTheList() {
        showPop();
        focus(list(0));
        list(0)->setCurrentIndex(m_region->pane(0)->itemModel()->index(0, 0));
        QTest::keyClick(list(0), Qt::Key_PageDown);
        const int down = list(0)->currentIndex().row();
        QVERIFY2(down > 3, "a page further");
        QTest::keyClick(list(0), Qt::Key_PageUp);
        QCOMPARE(list(0)->currentIndex().row(), 0);
    }

    void theNewSourcePanesPathBoxBlinksWhenAskedTo() {
        m_zerin->settings.blink = true;
        m_zerin->settings.blinkInterval = 40;
        focus(list(0));
        QTimer* blink = m_region->pane(1)->blinkTimer();
        QVERIFY(!blink->isActive());
        const QColor steady = m_region->pane(0)->txtPath()->palette().color(QPalette::Base);
        focus(list(1));
        QVERIFY(blink->isActive());
        QTRY_VERIFY(m_region->pane(1)->txtPath()->palette().color(QPalette::Base) != steady);
        QTRY_VERIFY(!blink->isActive());
        QCOMPARE(m_region->pane(1)->txtPath()->palette().color(QPalette::Base), steady);
        // Without the setting the path box stays as it is.
        m_zerin->settings.blink = false;
        focus(list(0));
        QVERIFY(!m_region->pane(0)->blinkTimer()->isActive());
    }

    void aPathButtonDroppedOnAListShowsItsFolder() {
        QMimeData mime;
        mime.setText(QStringLiteral("Paths:0:0\\/other/pop/"));
        QDragEnterEvent enter({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list(1)->viewport(), &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop({5, 5}, Qt::CopyAction, &mime, Qt::LeftButton, {});
        QCoreApplication::sendEvent(list(1)->viewport(), &drop);
        QCOMPARE(m_zerin->panes.path(1), std::string("/other/pop/"));
        QCOMPARE(m_region->pane(1)->itemModel()->rowCount(), 30);
    }

    void aDraggedFolderCarriesItsPath() {
        const int rock = rowOf(1, "/music/rock/");
        std::unique_ptr<QMimeData> mime(
            m_region->pane(1)->itemModel()->mimeData({m_region->pane(1)->itemModel()->index(rock, 0)}));
        QCOMPARE(mime->text(), QStringLiteral("/music/rock/"));
        QCOMPARE(m_zerin->dragText, std::string("/music/rock/"));
        // Its address is the folder without the "/", as other programs name folders.
        QCOMPARE(mime->urls().value(0).toLocalFile(), QStringLiteral("/music/rock"));
        // A file gives its address only: it is no folder to go to.
        std::unique_ptr<QMimeData> file(
            m_region->pane(0)->itemModel()->mimeData({m_region->pane(0)->itemModel()->index(rowOf(0, "/music/rock/song.ogg"), 0)}));
        QVERIFY(!file->formats().contains(QStringLiteral("text/plain")));
        QCOMPARE(file->urls().size(), 1);
    }

};

QTEST_MAIN(PanesRegionTest)
#include "panes_region_test.moc"
