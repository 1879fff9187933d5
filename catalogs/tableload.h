#pragma once

#include "core/appdir.h"
#include "core/textfile.h"

#include <QFile>
#include <QIODevice>
#include <QString>

// Reads a whole code page 1250 data file into a table that parses text with
// read(); a device that cannot be read leaves the table empty.
template <class Table>
bool loadTable(QIODevice &device, Table *table)
{
    QString text;
    if (!textfile::readAll(device, &text)) {
        table->clear();
        return false;
    }
    table->read(text);
    return true;
}

// The same from a file named relative to the application directory.
template <class Table>
bool loadTable(const QString &relative, Table *table)
{
    QFile f(appdir::file(relative));
    if (!f.open(QIODevice::ReadOnly)) {
        table->clear();
        return false;
    }
    return loadTable(f, table);
}
