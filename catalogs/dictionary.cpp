// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/dictionary.h"

#include "catalogs/tableload.h"
#include "core/userdata.h"

#include <QCollator>
#include <QCollatorSortKey>
#include <QLocale>

#include <algorithm>
#include <numeric>

Dictionary_Entry Split_Dictionary_Line(QStringView line)
{
    Dictionary_Entry e;
    const qsizetype p = line.indexOf(QLatin1Char(','));
    if (p < 0) {
        e.term[0] = line.toString();
        return e;
    }
    e.term[0] = line.left(p).toString();
    const QStringView rest = line.mid(p + 1);
    const qsizetype q = rest.indexOf(QLatin1Char(','));
    if (q < 0) {
        e.term[1] = rest.toString();
        return e;
    }
    e.term[1] = rest.left(q).toString();
    e.term[2] = rest.mid(q + 1).toString();
    return e;
}

QString Dictionary_Fold(QStringView text)
{
    QString f = text.toString().toCaseFolded();
    for (QChar &c : f) {
        if (c == QChar(0x0151))        // ő
            c = QChar(0x00F6);
        else if (c == QChar(0x0171))   // ű
            c = QChar(0x00FC);
    }
    return f;
}

const Dictionary_Entry &Dictionary_Table::entry(int row) const
{
    static const Dictionary_Entry empty;
    return row >= 0 && row < size() ? m_entries[size_t(row)] : empty;
}

void Dictionary_Table::clear()
{
    m_shipped = 0;
    m_entries.clear();
    for (int c = 0; c < kDictionaryLanguages; ++c) {
        m_folded[size_t(c)].clear();
        m_order[size_t(c)].clear();
    }
}

void Dictionary_Table::readLines(const QString &text)
{
    textfile::LineReader in(text);
    while (!in.atEnd()) {
        const QStringView line = in.readLineView();
        if (line.isEmpty())
            continue;
        m_entries.push_back(Split_Dictionary_Line(line));
    }
}

void Dictionary_Table::read(const QString &text, const QString &own)
{
    clear();
    readLines(text);
    m_shipped = size();
    readLines(own);
    const size_t n = m_entries.size();

    // Hungarian order whatever the system's locale: á with a, cs after c,
    // ö and ő after o, and so on. One sort key per term, computed here.
    // Opening a collator costs more than sorting a short file: one per thread.
    thread_local const QCollator collator = [] {
        QCollator c{QLocale(QLocale::Hungarian, QLocale::Hungary)};
        c.setCaseSensitivity(Qt::CaseInsensitive);
        return c;
    }();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(n);
    for (int c = 0; c < kDictionaryLanguages; ++c) {
        std::vector<QString> &folded = m_folded[size_t(c)];
        folded.reserve(n);
        keys.clear();
        for (const Dictionary_Entry &e : m_entries) {
            folded.push_back(Dictionary_Fold(e.term[size_t(c)]));
            keys.push_back(collator.sortKey(e.term[size_t(c)]));
        }
        std::vector<int> &order = m_order[size_t(c)];
        order.resize(n);
        std::iota(order.begin(), order.end(), 0);
        // The user's entries keep their place after the shipped ones, as in
        // every other list, and are easily found there.
        const auto byKey = [&keys](int a, int b) { return keys[size_t(a)].compare(keys[size_t(b)]) < 0; };
        std::stable_sort(order.begin(), order.begin() + m_shipped, byKey);
        std::stable_sort(order.begin() + m_shipped, order.end(), byKey);
    }
}

const std::vector<int> &Dictionary_Table::order(int column) const
{
    static const std::vector<int> none;
    return column >= 0 && column < kDictionaryLanguages ? m_order[size_t(column)] : none;
}

int Dictionary_Table::match(int language, QStringView needle, std::vector<int> *matchNo) const
{
    matchNo->assign(m_entries.size(), 0);
    if (language < 0 || language >= kDictionaryLanguages)
        return 0;
    const QString folded = Dictionary_Fold(needle);
    const std::vector<QString> &terms = m_folded[size_t(language)];
    int m = 0;
    for (size_t i = 0; i < terms.size(); ++i)
        if (QStringView(terms[i]).contains(folded))
            (*matchNo)[i] = ++m;
    return m;
}

QString Dictionary_FileName()
{
    return QString::fromUtf8("\\műszaki.txt");
}

QString Dictionary_LoadReport::message() const
{
    return userdata::loadMessage(ok, entries > 0, ownProblems,
                                 QString::fromUtf8("A szótár adatfájl (műszaki.txt) hiányzik vagy nem olvasható, "),
                                 QString::fromUtf8("csak a saját szavak látszanak."));
}

Dictionary_LoadReport Load_Dictionary_Data(QIODevice &device, Dictionary_Table *table)
{
    const bool ok = loadTable(device, table);
    return Dictionary_LoadReport{ok, table->size(), {}};
}

Dictionary_LoadReport Load_Dictionary_Data(Dictionary_Table *table)
{
    Dictionary_LoadReport report;
    QString shipped, own;
    report.ok = userdata::readWithOwn(Dictionary_FileName(), &shipped, &own, &report.ownProblems);
    table->read(shipped, own);
    report.entries = table->size();
    return report;
}
