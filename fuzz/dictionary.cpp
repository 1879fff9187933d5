// SPDX-License-Identifier: GPL-3.0-or-later
// The dictionary reader: every non-empty line is an entry whose terms join
// back into the line, each column's order is a permutation of the rows,
// searching for a row's own term marks it, and a user's entries follow.
#include "catalogs/dictionary.h"
#include "core/textfile.h"
#include "fuzz/fuzzcheck.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = textfile::decode(fuzzBytes(data, size));
    Dictionary_Table table;
    table.read(text);

    QStringList lines = textfile::splitLines(text);
    lines.removeAll(QString());
    FUZZ_CHECK(table.size() == lines.size());
    for (int row = 0; row < table.size(); ++row) {
        const Dictionary_Entry &e = table.entry(row);
        const qsizetype commas = lines[row].count(u',');
        FUZZ_CHECK(!e.term[0].contains(u',') && !e.term[1].contains(u','));
        QString joined = e.term[0];
        if (commas >= 1)
            joined += u',' + e.term[1];
        if (commas >= 2)
            joined += u',' + e.term[2];
        FUZZ_CHECK(joined == lines[row]);
        FUZZ_CHECK(commas >= 1 || e.term[1].isEmpty());
        FUZZ_CHECK(commas >= 2 || e.term[2].isEmpty());
    }
    FUZZ_CHECK(table.entry(-1).term[0].isEmpty() && table.entry(table.size()).term[0].isEmpty());

    std::vector<int> matchNo;
    for (int c = 0; c < kDictionaryLanguages; ++c) {
        std::vector<int> order = table.order(c);
        FUZZ_CHECK(int(order.size()) == table.size());
        std::sort(order.begin(), order.end());
        for (int i = 0; i < int(order.size()); ++i)
            FUZZ_CHECK(order[size_t(i)] == i);

        if (table.size() == 0)
            continue;
        const int row = table.size() / 2;
        const int matches = table.match(c, table.entry(row).term[size_t(c)], &matchNo);
        FUZZ_CHECK(int(matchNo.size()) == table.size() && matchNo[size_t(row)] > 0);
        int next = 1;
        for (int n : matchNo)
            if (n)
                FUZZ_CHECK(n == next++);
        FUZZ_CHECK(matches == next - 1);
    }

    // The same text again as the user's own: its entries follow the shipped
    // ones in every column, ordered alike among themselves.
    Dictionary_Table twice;
    twice.read(text, text);
    const int n = table.size();
    FUZZ_CHECK(twice.size() == 2 * n && !twice.isOwn(n - 1) && (n == 0 || twice.isOwn(n)));
    for (int c = 0; c < kDictionaryLanguages; ++c) {
        const std::vector<int> &both = twice.order(c), &once = table.order(c);
        for (int i = 0; i < n; ++i)
            FUZZ_CHECK(both[size_t(i)] == once[size_t(i)] && both[size_t(n + i)] == once[size_t(i)] + n);
    }
    return 0;
}
