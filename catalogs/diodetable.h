// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QStringView>

#include <vector>

class QIODevice;

// The diode catalog: "\dioda.ini", pairs of lines (type name, then its data
// and characteristics), each line taken whole.
struct Diode_Record
{
    QString type;
    QString data;
};

class Diode_Table
{
public:
    int size() const { return int(m_records.size()); }
    // Slots count from 1, in file order, the user's own records after the
    // shipped ones; an empty record out of range.
    const Diode_Record &record(int slot) const;
    bool isOwn(int slot) const { return slot > m_shipped && slot <= size(); }

    // Reads the pairs of text (code page 1250 decoded), then those of own,
    // the user's file. A type name on the last line without its data line
    // gets an empty data text; a pair of two empty lines is no diode.
    void read(const QString &text, const QString &own = QString());
    void clear() { m_records.clear(); m_folded.clear(); m_shipped = 0; }

    // Slots whose type name contains needle, case ignored, ascending.
    void findTypes(QStringView needle, std::vector<int> *out) const;

private:
    void readPairs(const QString &text);

    int m_shipped = 0;
    std::vector<Diode_Record> m_records;
    std::vector<QString> m_folded;   // type names case-folded, for the search
};

// What loading found; message() is the Hungarian text for the window, empty
// when the file was read.
struct Diode_LoadReport
{
    bool ok = true;   // the shipped file was read
    int records = 0;
    QStringList ownProblems;   // the user's file, when it is there but unreadable
    QString message() const;
};

// The data file name, relative to the application directory.
QString Diode_FileName();

// Reads the device into table; a device that cannot be read leaves it empty.
Diode_LoadReport Load_Diode_Data(QIODevice &device, Diode_Table *table);
// Reads "\dioda.ini" of the application directory, then the user's own.
Diode_LoadReport Load_Diode_Data(Diode_Table *table);
