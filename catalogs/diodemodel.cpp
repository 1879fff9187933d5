// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/diodemodel.h"

#include "catalogs/diodetable.h"
#include "core/userdata.h"
#include "ui/controls.h"

#include <numeric>

DiodeModel::DiodeModel(const Diode_Table *table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

int DiodeModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_slots.size());
}

int DiodeModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 2;
}

QVariant DiodeModel::data(const QModelIndex &index, int role) const
{
    const int slot = index.isValid() ? slotAt(index.row()) : -1;
    if (slot < 0 || index.column() > 1)
        return QVariant();
    const Diode_Record &r = m_table->record(slot);
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        if (index.column() == 0)
            return r.type;
        return m_table->isOwn(slot) ? userdata::marked(r.data) : r.data;
    case Qt::ForegroundRole:
        return m_table->isOwn(slot) ? QVariant(ownRecordColour()) : QVariant();
    case KeyRole:
        return QLatin1Char('A') + QString::number(slot);
    default:
        return QVariant();
    }
}

QVariant DiodeModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return section == 0 ? QString::fromUtf8("Típus") : QString::fromUtf8("Adatok, jellemzők");
    return QAbstractTableModel::headerData(section, orientation, role);
}

void DiodeModel::listAll()
{
    beginResetModel();
    m_slots.resize(size_t(m_table->size()));
    std::iota(m_slots.begin(), m_slots.end(), 1);
    endResetModel();
}

void DiodeModel::search(QStringView text)
{
    beginResetModel();
    m_table->findTypes(text, &m_slots);
    endResetModel();
}

int DiodeModel::slotAt(int row) const
{
    return row >= 0 && size_t(row) < m_slots.size() ? m_slots[size_t(row)] : -1;
}

int DiodeModel::rowOfKey(const QString &key) const
{
    for (int r = 0; r < rowCount(); ++r)
        if (data(index(r, 0), KeyRole).toString() == key)
            return r;
    return -1;
}
