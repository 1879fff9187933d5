#pragma once

#include <QString>
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
    // Slots count from 1, in file order; an empty record out of range.
    const Diode_Record &record(int slot) const;

    // Reads the pairs of text (code page 1250 decoded). A type name on the
    // last line without its data line gets an empty data text; a pair of two
    // empty lines is no diode.
    void read(const QString &text);
    void clear() { m_records.clear(); m_folded.clear(); }

    // Slots whose type name contains needle, case ignored, ascending.
    void findTypes(QStringView needle, std::vector<int> *out) const;

private:
    std::vector<Diode_Record> m_records;
    std::vector<QString> m_folded;   // type names case-folded, for the search
};

// What loading found; message() is the Hungarian text for the window, empty
// when the file was read.
struct Diode_LoadReport
{
    bool ok = true;
    int records = 0;
    QString message() const;
};

// The data file name, relative to the application directory.
QString Diode_FileName();

// Reads the device into table; a device that cannot be read leaves it empty.
Diode_LoadReport Load_Diode_Data(QIODevice &device, Diode_Table *table);
// Reads "\dioda.ini" of the application directory.
Diode_LoadReport Load_Diode_Data(Diode_Table *table);
