// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/reportlist.h"

#include "ui/twips.h"

#include <QApplication>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QStyledItemDelegate>

namespace {
// Eliding lays the whole text out at every paint: a damaged data file with a
// line of megabytes would stall the list. No cell shows more than this, and
// on one line: a line feed inside a data line (LF-only files) would make the
// row, and with uniform heights every row, as tall as the text.
constexpr qsizetype kMaxCellText = 1024;

class ClippedTextDelegate : public QStyledItemDelegate
{
public:
    using QStyledItemDelegate::QStyledItemDelegate;

protected:
    void initStyleOption(QStyleOptionViewItem *option, const QModelIndex &index) const override
    {
        QStyledItemDelegate::initStyleOption(option, index);
        QString &t = option->text;
        if (t.size() > kMaxCellText)
            t = t.left(kMaxCellText) + QChar(0x2026);
        for (QChar &c : t)
            if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QChar::LineSeparator)
                c = QLatin1Char(' ');
    }
};
} // namespace

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
    setItemDelegate(new ClippedTextDelegate(this));
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
        if (current.isValid() && !m_focusing && QApplication::mouseButtons() == Qt::NoButton)
            Q_EMIT currentMovedByKey(current.row());
    });
}

// Gaining the focus makes the first row current without a key being pressed:
// that shows no record (it would hide a load message before it was read).
void ReportList::focusInEvent(QFocusEvent *event)
{
    m_focusing = true;
    QTreeView::focusInEvent(event);
    m_focusing = false;
}
