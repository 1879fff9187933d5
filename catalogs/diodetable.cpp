// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/diodetable.h"

#include "catalogs/tableload.h"
#include "core/userdata.h"


const Diode_Record &Diode_Table::record(int slot) const
{
    static const Diode_Record empty;
    return slot >= 1 && slot <= size() ? m_records[size_t(slot - 1)] : empty;
}

void Diode_Table::read(const QString &text, const QString &own)
{
    clear();
    readPairs(text);
    m_shipped = size();
    readPairs(own);
}

void Diode_Table::readPairs(const QString &text)
{
    textfile::LineReader in(text);
    while (!in.atEnd()) {
        Diode_Record r;
        r.type = in.readLine();
        r.data = in.readLine();   // empty at the end of the file
        if (r.type.isEmpty() && r.data.isEmpty())
            continue;
        m_folded.push_back(r.type.toCaseFolded());
        m_records.push_back(std::move(r));
    }
}

void Diode_Table::findTypes(QStringView needle, std::vector<int> *out) const
{
    out->clear();
    const QString folded = needle.toString().toCaseFolded();
    for (size_t i = 0; i < m_folded.size(); ++i)
        if (QStringView(m_folded[i]).contains(folded))
            out->push_back(int(i) + 1);
}

QString Diode_FileName()
{
    return QStringLiteral("\\dioda.ini");
}

QString Diode_LoadReport::message() const
{
    return userdata::loadMessage(ok, records > 0, ownProblems,
                                 QString::fromUtf8("A dióda adatfájl (dioda.ini) hiányzik vagy nem olvasható, "),
                                 QString::fromUtf8("csak a saját diódák látszanak."));
}

Diode_LoadReport Load_Diode_Data(QIODevice &device, Diode_Table *table)
{
    const bool ok = loadTable(device, table);
    return Diode_LoadReport{ok, table->size(), {}};
}

Diode_LoadReport Load_Diode_Data(Diode_Table *table)
{
    Diode_LoadReport report;
    QString shipped, own;
    report.ok = userdata::readWithOwn(Diode_FileName(), &shipped, &own, &report.ownProblems);
    table->read(shipped, own);
    report.records = table->size();
    return report;
}
