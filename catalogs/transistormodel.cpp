// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/transistormodel.h"

#include "catalogs/module1.h"
#include "core/userdata.h"
#include "ui/controls.h"

namespace {
struct Column
{
    const char *header;   // UTF-8
    int widthTwips;
};
const Column kColumns[kTransistorFields] = {
    {"Típus", 1764},          {"Anyag", 882},       {"Struktúra", 882},     {"Teljesítmény", 1764},
    {"Ucb max", 1587},        {"Uce max", 1587},    {"Ueb max", 1587},      {"Ic max", 1587},
    {"Max Höm.Celsius", 1764}, {"Fr tranzit", 1764}, {"CC", 882},            {"HFE (BÉTA)", 1764},
    {"Gyártó", 882},          {"Tokozás", 1764},    {"Felhasználás, leírás", 4410},
    {"Europa", 1764},         {"USA", 1764},        {"Orosz", 1764},        {"Japan", 1764},
};
} // namespace

TransistorModel::TransistorModel(const Transistor_Table *table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

QString TransistorModel::header(int column)
{
    return column >= 0 && column < kTransistorFields ? QString::fromUtf8(kColumns[column].header) : QString();
}

int TransistorModel::widthTwips(int column)
{
    return column >= 0 && column < kTransistorFields ? kColumns[column].widthTwips : 0;
}

int TransistorModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_slots.size());
}

int TransistorModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kTransistorFields;
}

QVariant TransistorModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= rowCount() || index.column() >= kTransistorFields)
        return QVariant();
    const int slot = m_slots[size_t(index.row())];
    switch (role) {
    case Qt::DisplayRole:
    case Qt::ToolTipRole:
        // The user's own records are marked after their description.
        if (index.column() == kOwnMarkColumn && m_table->isOwn(slot))
            return userdata::marked(m_table->field(slot, index.column()).toString());
        return m_table->field(slot, index.column()).toString();
    case Qt::ForegroundRole:
        return m_table->isOwn(slot) ? QVariant(ownRecordColour()) : QVariant();
    case KeyRole:
        return keyAt(index.row());
    case SlotRole:
        return slot;
    default:
        return QVariant();
    }
}

QVariant TransistorModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole)
        return header(section);
    // The same columns hold a field-effect transistor's ratings.
    static const char *const kFetNames[] = {"Udg max", "Uds max", "Ugs max", "Id max"};
    if (orientation == Qt::Horizontal && role == Qt::ToolTipRole) {
        if (section >= 4 && section <= 7)
            return QString::fromUtf8("FET: ") + QString::fromLatin1(kFetNames[section - 4]);
        if (section == 11)
            return QString::fromUtf8("FET: Rds(on) (MOSFET), Idss");
    }
    return QAbstractTableModel::headerData(section, orientation, role);
}

void TransistorModel::search(QStringView text)
{
    beginResetModel();
    m_table->findTypes(text, &m_slots);
    endResetModel();
}

int TransistorModel::slotAt(int row) const
{
    return row >= 0 && size_t(row) < m_slots.size() ? m_slots[size_t(row)] : -1;
}

QString TransistorModel::keyAt(int row) const
{
    const int slot = slotAt(row);
    return slot < 0 ? QString() : QLatin1Char('A') + QString::number(slot);
}
