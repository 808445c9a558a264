// The two panes as the user drives them with the keyboard, over a file system in memory:
// going up selects the folder left, Enter enters a folder, Tab and the key table's keys
// move the focus between the lists and the parent button.
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "app/program.h"
#include "fake_platform.h"
#include "memory_file_system.h"
#include "panes/pane_refresh.h"
#include "ui/pane_item_model.h"
#include "ui/pane_view.h"
#include "ui/panes_region.h"
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
};

QTEST_MAIN(PanesRegionTest)
#include "panes_region_test.moc"
