#include "ui/pane_placeholder.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "core/zerin.h"

namespace zerin::ui {

PanePlaceholder::PanePlaceholder(Zerin& zerin, int pane, QWidget* parent)
    : QFrame(parent), m_zerin(zerin), m_pane(pane) {
    setObjectName(QStringLiteral("PanePlaceholder_%1").arg(pane));
    m_parent = new QPushButton(QStringLiteral(".."), this);
    m_parent->setObjectName(QStringLiteral("cmdParent_%1").arg(pane));
    m_parent->setFixedWidth(34);
    m_path = new QLineEdit(this);
    m_path->setObjectName(QStringLiteral("txtPath_%1").arg(pane));
    m_list = new QTreeWidget(this);
    m_list->setObjectName(QStringLiteral("lvwList_%1").arg(pane));
    m_list->setHeaderLabels({QStringLiteral("Name"), QStringLiteral("Size")});
    m_list->setRootIsDecorated(false);
    m_list->setSelectionMode(QAbstractItemView::ExtendedSelection);
    m_list->header()->setStretchLastSection(false);
    m_list->header()->setSectionResizeMode(0, QHeaderView::Stretch);

    setStyleSheet(QStringLiteral("QLineEdit { border: 1px solid #3a4049; border-radius: 2px; padding: 1px 4px;"
                                 " background: #101215; color: #e6e6e6; }"
                                 "QPushButton { background: #343a43; color: #e6e6e6; border: 1px solid #4a515c;"
                                 " border-radius: 3px; }"
                                 "QTreeWidget { background: #15171b; color: #e6e6e6; border: 1px solid #2c3138; }"
                                 "QTreeWidget::item:selected { background: #3a6ea5; color: #ffffff; }"
                                 "QHeaderView::section { background: #2a2f36; color: #c8ced6; border: none;"
                                 " border-right: 1px solid #3a4049; padding: 2px 4px; }"));
    auto* top = new QHBoxLayout;
    top->setContentsMargins(0, 0, 0, 0);
    top->setSpacing(2);
    top->addWidget(m_parent);
    top->addWidget(m_path);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addLayout(top);
    layout->addWidget(m_list);

    connect(m_list, &QTreeWidget::itemSelectionChanged, this, &PanePlaceholder::onSelection);
    connect(m_list, &QTreeWidget::itemPressed, this, [this] { m_zerin.panes.setSourcePane(m_pane); });
    ListModel::Observer obs;
    obs.reset = [this] { refresh(); };
    m_observer = m_zerin.panes.list(m_pane).addObserver(obs);
    refresh();
}

PanePlaceholder::~PanePlaceholder() { m_zerin.panes.list(m_pane).removeObserver(m_observer); }

void PanePlaceholder::refreshPath() {
    QString path = QString::fromStdString(m_zerin.panes.path(m_pane));
    if (m_path->text() != path && !m_path->hasFocus()) m_path->setText(path);
}

void PanePlaceholder::refresh() {
    m_filling = true;
    refreshPath();
    m_list->clear();
    for (const ListItem& item : m_zerin.panes.list(m_pane).items()) {
        QStringList cols{QString::fromStdString(item.text)};
        cols << (item.subItems.empty() ? QString() : QString::fromStdString(item.subItems.front().text));
        auto* w = new QTreeWidgetItem(m_list, cols);
        w->setSelected(item.selected);
    }
    m_filling = false;
}

void PanePlaceholder::onSelection() {
    if (m_filling) return;
    auto& items = m_zerin.panes.list(m_pane).mutableItems();
    for (int i = 0; i < m_list->topLevelItemCount() && static_cast<std::size_t>(i) < items.size(); ++i)
        items[static_cast<std::size_t>(i)].selected = m_list->topLevelItem(i)->isSelected();
    m_zerin.panes.setSourcePane(m_pane);
    emit selectionChanged(m_pane);
}

}  // namespace zerin::ui
