// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <vector>

class Dictionary_Table;

// The dictionary list: the listed rows of the table, always in ascending
// order of the sort column.
class DictionaryModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // "A" followed by the table row (whole list) or the match number.
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int RowRole = Qt::UserRole + 1;

    explicit DictionaryModel(const Dictionary_Table *table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void listAll();
    void clearList();
    // Rows whose term in language contains text (case ignored, ő as ö, ű as ü).
    void search(int language, QStringView text);
    void setSortColumn(int column);
    int sortColumn() const { return m_sortColumn; }

    int tableRowAt(int row) const;   // -1 out of range
    int rowOfKey(const QString &key) const;
    const std::vector<int> &tableRows() const { return m_rows; }

private:
    void rebuild();

    const Dictionary_Table *m_table;
    int m_sortColumn = 0;
    std::vector<int> m_keyOf;   // per table row: its key number, or -1 when not listed
    std::vector<int> m_rows;    // listed table rows in display order
};
