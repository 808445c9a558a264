#include "ui/pane_item_model.h"

#include <QApplication>
#include <QMimeData>
#include <QUrl>
#include <set>
#include <QStyle>

#include "app/program.h"
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

QVariant PaneItemModel::data(const QModelIndex& index, int role) const {
    const auto& items = m_zerin.panes.list(m_pane).items();
    if (!index.isValid() || index.row() >= static_cast<int>(items.size())) return {};
    const ListItem& item = items[static_cast<std::size_t>(index.row())];
    const bool sub = index.column() > 0;
    const SubItem* subItem = sub && !item.subItems.empty() ? &item.subItems[0] : nullptr;
    switch (role) {
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

Qt::ItemFlags PaneItemModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    return index.isValid() ? f | Qt::ItemIsDragEnabled : f;
}

QStringList PaneItemModel::mimeTypes() const { return {QStringLiteral("text/plain"), QStringLiteral("text/uri-list")}; }

QMimeData* PaneItemModel::mimeData(const QModelIndexList& indexes) const {
    const auto& items = m_zerin.panes.list(m_pane).items();
    std::set<int> rows;
    for (const QModelIndex& index : indexes)
        if (index.isValid() && index.row() < static_cast<int>(items.size())) rows.insert(index.row());
    auto* mime = new QMimeData;
    QList<QUrl> urls;
    m_zerin.dragText.clear();
    for (int row : rows) {
        const std::string& tag = items[static_cast<std::size_t>(row)].tag;
        if (!tag.starts_with('/')) continue;
        urls << QUrl::fromLocalFile(QFile::decodeName(QByteArray(tag.data(), static_cast<qsizetype>(tag.size()))));
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
