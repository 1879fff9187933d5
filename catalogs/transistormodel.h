// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <vector>

class Transistor_Table;

// The transistor list: the table's records whose slots matched the last
// search, one row each, the nineteen fields as columns.
class TransistorModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The key of an item: "A" followed by its slot.
    static constexpr int KeyRole = Qt::UserRole;
    static constexpr int SlotRole = Qt::UserRole + 1;
    // The column that marks a user's own record: "Felhasználás, leírás".
    static constexpr int kOwnMarkColumn = 14;

    explicit TransistorModel(const Transistor_Table *table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // Lists every record whose type name contains text, case ignored.
    void search(QStringView text);
    int slotAt(int row) const;   // -1 out of range
    QString keyAt(int row) const;
    const std::vector<int> &slots() const { return m_slots; }

    static QString header(int column);
    static int widthTwips(int column);

private:
    const Transistor_Table *m_table;
    std::vector<int> m_slots;
};
