#include "ui/reportlist.h"

#include "ui/twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>

ReportList::ReportList(QWidget *parent) : QTreeView(parent)
{
    setRootIsDecorated(false);
    setItemsExpandable(false);
    setUniformRowHeights(true);   // keeps long lists fast
    setAllColumnsShowFocus(true);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectRows);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setAlternatingRowColors(true);
    header()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    header()->setStretchLastSection(false);
    header()->setSectionsMovable(false);
    connect(this, &QAbstractItemView::clicked, this, [this](const QModelIndex &idx) {
        if (idx.isValid())
            Q_EMIT itemClicked(idx.row());
    });
}

void ReportList::setColumnWidthsTwips(const QList<int> &widths)
{
    for (int i = 0; i < widths.size(); ++i)
        setColumnWidth(i, twips::toPixels(widths.at(i)));
}

void ReportList::setModel(QAbstractItemModel *model)
{
    QTreeView::setModel(model);
    if (!selectionModel())
        return;
    connect(selectionModel(), &QItemSelectionModel::currentRowChanged, this, [this](const QModelIndex &current) {
        if (current.isValid() && QApplication::mouseButtons() == Qt::NoButton)
            Q_EMIT currentMovedByKey(current.row());
    });
}
