// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QAbstractTableModel>

#include <vector>

class Diode_Table;

// The diode list: type name and data of the listed slots, in file order.
class DiodeModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    static constexpr int KeyRole = Qt::UserRole;   // "A" followed by the slot

    explicit DiodeModel(const Diode_Table *table, QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    void listAll();
    void search(QStringView text);   // type names containing text, case ignored
    int slotAt(int row) const;       // -1 out of range
    int rowOfKey(const QString &key) const;   // -1 when not listed
    const std::vector<int> &slots() const { return m_slots; }

private:
    const Diode_Table *m_table;
    std::vector<int> m_slots;
};
