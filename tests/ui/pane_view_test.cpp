// The two pane views over a real temporary folder: focus roles, listing, headers.
#include <QFileInfo>
#include <QHBoxLayout>
#include <QMimeData>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeView>
#include <QtTest>

#include "app/program.h"
#include "fake_platform.h"
#include "panes/file_cue.h"
#include "panes/pane_colours.h"
#include "panes/pane_model.h"
#include "temp_folder.h"
#include "ui/pane_item_model.h"
#include "ui/pane_view.h"
#include "ui/ui_style.h"

using namespace zerin;

class PaneViewTest : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<test::FakePlatform> m_platform;
    std::unique_ptr<Zerin> m_zerin;
    std::unique_ptr<test::TempFolder> m_folder;
    std::unique_ptr<QWidget> m_window;
    ui::PaneView* m_left = nullptr;
    ui::PaneView* m_right = nullptr;

    QColor rowColour(ui::PaneView* view, int row) {
        return view->itemModel()->data(view->itemModel()->index(row, 0), Qt::ForegroundRole).value<QColor>();
    }
    QString rowText(ui::PaneView* view, int row, int column = 0) {
        return view->itemModel()->data(view->itemModel()->index(row, column), Qt::DisplayRole).toString();
    }

private slots:
    void init() {
        m_platform = std::make_unique<test::FakePlatform>();
        m_zerin = std::make_unique<Zerin>(m_platform->platform);
        registerAllCommands(*m_zerin);
        m_folder = std::make_unique<test::TempFolder>();
        m_folder->file("clip.avi", 2048);
        m_folder->file("notes.txt", 12);
        m_folder->folder("Photos");
        m_zerin->panes.setPath(0, m_folder->path());
        m_zerin->panes.setPath(1, m_folder->path() + "Photos/");
        m_window = std::make_unique<QWidget>();
        auto* layout = new QHBoxLayout(m_window.get());
        m_left = new ui::PaneView(*m_zerin, 0);
        m_right = new ui::PaneView(*m_zerin, 1);
        layout->addWidget(m_left);
        layout->addWidget(m_right);
        m_window->resize(900, 500);
        m_zerin->dispatcher.call("do_list_update 0");
        m_zerin->dispatcher.call("do_list_update 1");
        m_window->show();
        QVERIFY(QTest::qWaitForWindowExposed(m_window.get()));
    }

    void cleanup() {
        m_window.reset();
        m_zerin.reset();
        m_platform.reset();
        m_folder.reset();
    }

    void listUpdateShowsTheFolder() {
        QCOMPARE(m_left->itemModel()->rowCount(), 3);
        QCOMPARE(rowText(m_left, 0), QStringLiteral("Photos"));
        QCOMPARE(rowText(m_left, 0, 1), QStringLiteral("(Dir)"));
        QCOMPARE(rowText(m_left, 1), QStringLiteral("clip.avi"));
        QCOMPARE(rowText(m_left, 1, 1), QStringLiteral("2.00 KB"));
        QCOMPARE(rowText(m_left, 2), QStringLiteral("notes.txt"));
        QCOMPARE(m_left->txtPath()->text(), QString::fromStdString(m_folder->path()));
        QCOMPARE(m_left->itemModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("Size"));
        QCOMPARE(m_right->itemModel()->rowCount(), 0);
        // A file added later appears after the next read from the disk.
        m_folder->file("later.jpg", 1);
        m_zerin->dispatcher.call("do_dir");
        QCOMPARE(m_left->itemModel()->rowCount(), 4);
        QCOMPARE(rowText(m_left, 2), QStringLiteral("later.jpg"));
        QVERIFY(m_left->lvwList()->selectionModel()->isRowSelected(0, {}));
    }

    void clickIntoTheRightPaneMakesItTheSource() {
        m_right->txtPath()->setText(QString());
        m_zerin->panes.setPath(1, m_folder->path());
        m_zerin->dispatcher.call("do_list_update 1");
        QCOMPARE(m_zerin->panes.sourcePane(), 0);
        const QColor before = rowColour(m_left, 0);
        QCOMPARE(before, ui::toQColor(paneColour::kFolderSource));

        QTest::mouseClick(m_right->lvwList()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QTRY_COMPARE(m_zerin->panes.sourcePane(), 1);
        QCOMPARE(rowColour(m_left, 0), ui::toQColor(shade(m_zerin->panes.colours.file(1), 60)));
        QCOMPARE(rowColour(m_right, 0), ui::toQColor(brighten(m_zerin->panes.colours.file(1), 140)));
        QCOMPARE(m_right->txtPath()->palette().color(QPalette::Base), ui::toQColor(paneColour::kPathActiveBack));
        QCOMPARE(m_left->txtPath()->palette().color(QPalette::Base), ui::toQColor(paneColour::kPathInactiveBack));

        QTest::mouseClick(m_left->lvwList()->viewport(), Qt::LeftButton, {}, QPoint(20, 10));
        QTRY_COMPARE(m_zerin->panes.sourcePane(), 0);
        QCOMPARE(rowColour(m_right, 0), ui::toQColor(shade(m_zerin->panes.colours.file(1), 60)));
    }

    void columnHeadersCycle() {
        QHeaderView* left = m_left->lvwList()->header();
        QHeaderView* right = m_right->lvwList()->header();
        QCOMPARE(QString::fromStdString(m_zerin->dispatcher.call("do_column_headers 2")), QStringLiteral("2"));
        QVERIFY(!left->isHidden() && !right->isHidden());
        QCOMPARE(QString::fromStdString(m_zerin->dispatcher.call("do_column_headers /s")), QStringLiteral("0"));
        QVERIFY(left->isHidden() && right->isHidden());
        m_right->lvwList()->setFocus();
        QTRY_COMPARE(m_zerin->panes.focusedPane, 1);
        QCOMPARE(QString::fromStdString(m_zerin->dispatcher.call("do_column_headers /s")), QStringLiteral("1"));
        QVERIFY(left->isHidden());
        QVERIFY(!right->isHidden());
        QCOMPARE(QString::fromStdString(m_zerin->dispatcher.call("do_column_headers /s")), QStringLiteral("2"));
        QVERIFY(!left->isHidden());
    }

    void headerClickSortsBySize() {
        m_zerin->dispatcher.call("do_column_headers 2");
        QHeaderView* header = m_left->lvwList()->header();
        const QPoint sizeHeader(header->sectionViewportPosition(1) + 5, header->height() / 2);
        QTest::mouseClick(header->viewport(), Qt::LeftButton, {}, sizeHeader);
        QCOMPARE(rowText(m_left, 1), QStringLiteral("notes.txt"));
        QCOMPARE(m_left->itemModel()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), QStringLiteral("/\\ Size"));
    }

    void iconsFollowTheVariable() {
        QVERIFY(m_left->itemModel()->data(m_left->itemModel()->index(1, 0), Qt::DecorationRole).isNull());
        m_zerin->publicVars.assign("list.icons", "1");
        m_zerin->dispatcher.call("do_list_update 0");
        QVERIFY(!m_left->itemModel()->data(m_left->itemModel()->index(1, 0), Qt::DecorationRole).value<QIcon>().isNull());
        m_zerin->publicVars.assign("list.icons.large", "1");
        m_zerin->dispatcher.call("list.icons.update");
        QCOMPARE(m_left->lvwList()->iconSize(), QSize(32, 32));
    }

    // Items are dragged out as file URLs; URLs dropped with Ctrl onto the empty part of a
    // pane join the file cue as Copy entries into that pane's folder.
    void draggedItemsAreUrlsAndDropsJoinTheCue() {
        QModelIndexList rows = {m_left->itemModel()->index(1, 0), m_left->itemModel()->index(1, 1),
                                m_left->itemModel()->index(0, 0)};
        std::unique_ptr<QMimeData> data(m_left->itemModel()->mimeData(rows));
        const QList<QUrl> urls = data->urls();
        QCOMPARE(urls.size(), 2);
        QCOMPARE(urls[0].toLocalFile().toStdString(), m_folder->path() + "clip.avi");
        QCOMPARE(urls[1].toLocalFile().toStdString(), m_folder->path() + "Photos");

        QWidget* target = m_right->lvwList()->viewport();
        QDragEnterEvent enter(QPoint(20, 20), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::ControlModifier);
        QCoreApplication::sendEvent(target, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(QPointF(20, 20), Qt::CopyAction, data.get(), Qt::LeftButton, Qt::ControlModifier);
        QCoreApplication::sendEvent(target, &drop);
        const auto& cue = m_zerin->panes.fileCue.entries();
        QCOMPARE(cue.size(), std::size_t{2});
        QCOMPARE(cue[0].operation, std::string(kCueCopy));
        QCOMPARE(cue[1].source, m_folder->path() + "Photos");
        QCOMPARE(cue[1].target, m_folder->path() + "Photos/");
        QCOMPARE(cue[1].key, std::string("KEY2"));
    }

    // F2 edits the name; the edit renames the item and the pane shows the new name.
    void editingTheLabelRenames() {
        const QModelIndex photos = m_left->itemModel()->index(0, 0);
        QVERIFY(m_left->itemModel()->flags(photos) & Qt::ItemIsEditable);
        QVERIFY(!(m_left->itemModel()->flags(m_left->itemModel()->index(0, 1)) & Qt::ItemIsEditable));
        QCOMPARE(m_left->itemModel()->data(photos, Qt::EditRole).toString(), QStringLiteral("Photos"));
        QVERIFY(m_left->itemModel()->setData(photos, QStringLiteral("Pictures"), Qt::EditRole));
        QTRY_COMPARE(rowText(m_left, 0), QStringLiteral("Pictures"));
        QVERIFY(QFileInfo(QString::fromStdString(m_folder->path() + "Pictures")).isDir());
    }
};

QTEST_MAIN(PaneViewTest)
#include "pane_view_test.moc"
