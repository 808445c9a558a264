#include "ui/pane_item_model.h"

#include <QApplication>
#include <QMimeData>
#include <QUrl>
#include <algorithm>
#include <vector>
#include <QSet>
#include <QStyle>
#include <QTimer>
#include <QUrl>

#include "app/program.h"
#include "panes/label_edit.h"
#include "platform/file_icons.h"
#include "ui/ui_style.h"
#include "platform/linux/qt_strings.h"

namespace zerin::ui {


PaneItemModel::PaneItemModel(Zerin& zerin, int pane, QObject* parent)
    : QAbstractTableModel(parent), m_zerin(zerin), m_pane(pane) {
    ListModel::Observer observer;
    observer.reset = [this] {
        beginResetModel();
        endResetModel();
        emit itemsReset();
    };
    observer.changed = [this](std::size_t row) {
        const int r = static_cast<int>(row);
        emit dataChanged(index(r, 0), index(r, columnCount() - 1));
    };
    observer.restyled = [this] {
        if (rowCount() > 0) emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1), {Qt::ForegroundRole});
    };
    m_observer = m_zerin.panes.list(m_pane).addObserver(std::move(observer));
}

PaneItemModel::~PaneItemModel() { m_zerin.panes.list(m_pane).removeObserver(m_observer); }

int PaneItemModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(m_zerin.panes.list(m_pane).items().size());
}

int PaneItemModel::columnCount(const QModelIndex& parent) const {
    if (parent.isValid()) return 0;
    return std::max<int>(1, static_cast<int>(m_zerin.panes.controls(m_pane).columns.size()));
}

QIcon PaneItemModel::icon(int index) const {
    auto it = m_icons.find(index);
    if (it != m_icons.end()) return *it;
    QIcon fallback;
    QStyle* style = QApplication::style();
    if (index == kFolderIcon) fallback = style->standardIcon(QStyle::SP_DirIcon);
    else if (index == kDriveIcon) fallback = style->standardIcon(QStyle::SP_DriveHDIcon);
    else fallback = style->standardIcon(QStyle::SP_FileIcon);
    QIcon result = fallback;
    if (index > 0 && index < static_cast<int>(kIconNames.size())) {
        const std::string_view name = kIconNames[static_cast<std::size_t>(index)];
        result = QIcon::fromTheme(toQString(name), fallback);
    }
    m_icons.insert(index, result);
    return result;
}

Qt::ItemFlags PaneItemModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (!index.isValid()) return f;
    const auto& items = m_zerin.panes.list(m_pane).items();
    if (static_cast<std::size_t>(index.row()) >= items.size()) return f;
    if (items[static_cast<std::size_t>(index.row())].tag.starts_with('/')) f |= Qt::ItemIsDragEnabled;
    if (index.column() == 0 && !labelEditText(m_zerin, m_pane, index.row()).empty()) f |= Qt::ItemIsEditable;
    return f;
}

bool PaneItemModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (role != Qt::EditRole || index.column() != 0) return false;
    // The pane is read again when the rename succeeds, which resets this model: that
    // happens once the editor has closed, not inside the editor's commit.
    const int row = index.row();
    const std::string text = value.toString().toStdString();
    QTimer::singleShot(0, this, [this, row, text] { renameByLabel(m_zerin, m_pane, row, text); });
    return true;
}

QVariant PaneItemModel::data(const QModelIndex& index, int role) const {
    const auto& items = m_zerin.panes.list(m_pane).items();
    if (!index.isValid() || index.row() >= static_cast<int>(items.size())) return {};
    const ListItem& item = items[static_cast<std::size_t>(index.row())];
    const bool sub = index.column() > 0;
    const SubItem* subItem = sub && !item.subItems.empty() ? &item.subItems[0] : nullptr;
    switch (role) {
    case Qt::EditRole:
        return sub ? QVariant() : QVariant(QString::fromStdString(labelEditText(m_zerin, m_pane, index.row())));
    case Qt::DisplayRole:
        if (!sub) return QString::fromStdString(item.text);
        return subItem ? QString::fromStdString(subItem->text) : QString();
    case Qt::ForegroundRole:
        return toQColor(subItem ? subItem->colour : item.colour);
    case Qt::DecorationRole:
        if (sub || !m_zerin.panes.controls(m_pane).iconsShown || item.icon <= 0) return {};
        return icon(item.icon);
    case Qt::TextAlignmentRole:
        if (sub) return QVariant(Qt::AlignRight | Qt::AlignVCenter);
        return {};
    case Qt::ToolTipRole:
        return QString::fromStdString(item.tag);
    default:
        return {};
    }
}

QVariant PaneItemModel::headerData(int section, Qt::Orientation orientation, int role) const {
    const auto& columns = m_zerin.panes.controls(m_pane).columns;
    if (orientation != Qt::Horizontal || section < 0 || section >= static_cast<int>(columns.size())) return {};
    const PaneColumn& column = columns[static_cast<std::size_t>(section)];
    if (role == Qt::DisplayRole) return QString::fromStdString(column.text);
    if (role == Qt::TextAlignmentRole)
        return QVariant((column.rightAligned ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter);
    return {};
}

QStringList PaneItemModel::mimeTypes() const { return {QStringLiteral("text/plain"), QStringLiteral("text/uri-list")}; }

QMimeData* PaneItemModel::mimeData(const QModelIndexList& indexes) const {
    const auto& items = m_zerin.panes.list(m_pane).items();
    // In the order the view gives them, each row once.
    std::vector<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid() && index.row() < static_cast<int>(items.size()) &&
            std::find(rows.begin(), rows.end(), index.row()) == rows.end())
            rows.push_back(index.row());
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    m_zerin.dragText.clear();
    for (int row : rows) {
        const std::string& tag = items[static_cast<std::size_t>(row)].tag;
        if (!tag.starts_with('/')) continue;
        // Other programs and the other pane take a folder's address without its "/".
        std::string path = tag;
        while (path.size() > 1 && path.ends_with('/')) path.pop_back();
        urls << QUrl::fromLocalFile(QFile::decodeName(QByteArray(path.data(), static_cast<qsizetype>(path.size()))));
        if (m_zerin.dragText.empty() && tag.ends_with('/')) m_zerin.dragText = tag;
    }
    if (!m_zerin.dragText.empty()) mime->setText(toQString(m_zerin.dragText));
    if (!urls.isEmpty()) mime->setUrls(urls);
    return mime;
}

void PaneItemModel::refreshHeaders() {
    emit headerDataChanged(Qt::Horizontal, 0, columnCount() - 1);
}

}  // namespace zerin::ui
