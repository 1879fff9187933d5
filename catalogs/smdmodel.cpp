// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/smdmodel.h"

#include "core/userdata.h"
#include "ui/controls.h"

namespace {
struct Column
{
    const char *header;   // UTF-8
    int widthTwips;
};
const Column kColumns[kSmdFields] = {
    {"Kód", 2540},     {"Berendezés", 2540}, {"Gyártó", 2540},
    {"Alap", 2540},    {"Tokozás", 2540},    {"Paraméterek", 5292},
};
} // namespace

SmdModel::SmdModel(QObject *parent) : QAbstractTableModel(parent) {}

void SmdModel::setRecords(std::vector<Smd_Record> records, int ownFrom)
{
    beginResetModel();
    m_records = std::move(records);
    m_ownFrom = ownFrom;
    endResetModel();
}

const Smd_Record *SmdModel::record(int row) const
{
    return row >= 0 && size_t(row) < m_records.size() ? &m_records[size_t(row)] : nullptr;
}

QString SmdModel::header(int column)
{
    return column >= 0 && column < kSmdFields ? QString::fromUtf8(kColumns[column].header) : QString();
}

int SmdModel::widthTwips(int column)
{
    return column >= 0 && column < kSmdFields ? kColumns[column].widthTwips : 0;
}

int SmdModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_records.size());
}

int SmdModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kSmdFields;
}

QVariant SmdModel::data(const QModelIndex &index, int role) const
{
    const Smd_Record *r = index.isValid() ? record(index.row()) : nullptr;
    if (!r || index.column() >= kSmdFields)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        // The user's own codes are marked after their data.
        if (index.column() == kSmdFields - 1 && isOwn(index.row()))
            return userdata::marked((*r)[size_t(index.column())]);
        return (*r)[size_t(index.column())];
    case Qt::ForegroundRole:
        return isOwn(index.row()) ? QVariant(ownRecordColour()) : QVariant();
    case KeyRole:
        return QLatin1Char('A') + QString::number(index.row() + 1);
    default:
        return QVariant();
    }
}

QVariant SmdModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header(section);
    return QAbstractTableModel::headerData(section, orientation, role);
}
