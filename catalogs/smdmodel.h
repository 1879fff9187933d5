// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "catalogs/smdcatalog.h"

#include <QAbstractTableModel>

#include <climits>

// The SMD code list: every record of the code file, in file order, the six
// fields as columns.
class SmdModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    // The key of an item: "A" followed by its line number (from 1).
    static constexpr int KeyRole = Qt::UserRole;

    explicit SmdModel(QObject *parent = nullptr);

    // The user's own codes are the rows from ownFrom on.
    void setRecords(std::vector<Smd_Record> records, int ownFrom = INT_MAX);
    const Smd_Record *record(int row) const;   // nullptr out of range
    bool isOwn(int row) const { return row >= m_ownFrom && record(row); }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    static QString header(int column);
    static int widthTwips(int column);

private:
    std::vector<Smd_Record> m_records;
    int m_ownFrom = INT_MAX;
};
