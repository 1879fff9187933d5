// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

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

