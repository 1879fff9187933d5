// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/dictionarymodel.h"

#include "catalogs/dictionary.h"
#include "core/userdata.h"
#include "ui/controls.h"

DictionaryModel::DictionaryModel(const Dictionary_Table *table, QObject *parent)
    : QAbstractTableModel(parent), m_table(table)
{
}

int DictionaryModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int DictionaryModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : kDictionaryLanguages;
}

QVariant DictionaryModel::data(const QModelIndex &index, int role) const
{
    const int row = index.isValid() ? tableRowAt(index.row()) : -1;
    if (row < 0 || index.column() >= kDictionaryLanguages)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return m_table->entry(row).term[size_t(index.column())];
    // No column to spare for a mark: the user's own entries are told by
    // their colour, and named so in the tip.
    case Qt::ToolTipRole:
        return m_table->isOwn(row) ? userdata::marked(m_table->entry(row).term[size_t(index.column())])
                                   : m_table->entry(row).term[size_t(index.column())];
    case Qt::ForegroundRole:
        return m_table->isOwn(row) ? QVariant(ownRecordColour()) : QVariant();
    case KeyRole:
        return QLatin1Char('A') + QString::number(m_keyOf[size_t(row)]);
    case RowRole:
        return row;
    default:
        return QVariant();
    }
}

QVariant DictionaryModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    static const char *const kHeaders[kDictionaryLanguages] = {"Magyar", "Angol", "Német"};
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section >= 0
        && section < kDictionaryLanguages)
        return QString::fromUtf8(kHeaders[section]);
    return QAbstractTableModel::headerData(section, orientation, role);
}

void DictionaryModel::listAll()
{
    m_keyOf.resize(size_t(m_table->size()));
    for (size_t i = 0; i < m_keyOf.size(); ++i)
        m_keyOf[i] = int(i);
    rebuild();
}

void DictionaryModel::clearList()
{
    m_keyOf.assign(size_t(m_table->size()), -1);
    rebuild();
}

void DictionaryModel::search(int language, QStringView text)
{
    m_table->match(language, text, &m_keyOf);
    for (int &k : m_keyOf)
        if (k == 0)
            k = -1;
    rebuild();
}

void DictionaryModel::setSortColumn(int column)
{
    if (column < 0 || column >= kDictionaryLanguages || column == m_sortColumn)
        return;
    m_sortColumn = column;
    rebuild();
}

// Walking the column's precomputed order keeps every listing sorted without
// comparing terms.
void DictionaryModel::rebuild()
{
    beginResetModel();
    m_rows.clear();
    const std::vector<int> &order = m_table->order(m_sortColumn);
    if (m_keyOf.size() == order.size())
        for (int r : order)
            if (m_keyOf[size_t(r)] >= 0)
                m_rows.push_back(r);
    endResetModel();
}

int DictionaryModel::tableRowAt(int row) const
{
    return row >= 0 && size_t(row) < m_rows.size() ? m_rows[size_t(row)] : -1;
}

int DictionaryModel::rowOfKey(const QString &key) const
{
    for (int r = 0; r < rowCount(); ++r)
        if (data(index(r, 0), KeyRole).toString() == key)
            return r;
    return -1;
}
