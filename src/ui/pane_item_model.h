// Shows a pane's ListModel in a Qt item view: one row per item, the Name and Size (or
// Free) columns, the items' own colours and, when the pane shows icons, theme icons.
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QIcon>

#include "ui/ui_style.h"

namespace zerin {
class Zerin;
}

namespace zerin::ui {

class PaneItemModel : public QAbstractTableModel {
    Q_OBJECT
public:
    PaneItemModel(Zerin& zerin, int pane, QObject* parent = nullptr);
    ~PaneItemModel() override;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    // Items drag out as file addresses (text/uri-list) for other programs and the other
    // pane, a folder also as its path (the drag text); the Name column's label can be
    // edited to rename the item.
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QStringList mimeTypes() const override;
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override { return Qt::CopyAction | Qt::MoveAction; }

    // The header texts or alignment changed.
    void refreshHeaders();

signals:
    // The items were replaced; the view re-applies the model's selection.
    void itemsReset();

private:
    QIcon icon(int index) const;

    Zerin& m_zerin;
    int m_pane;
    int m_observer = 0;
    mutable QHash<int, QIcon> m_icons;
};

}  // namespace zerin::ui
