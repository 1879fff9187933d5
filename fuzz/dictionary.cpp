// The dictionary reader: every non-empty line is an entry whose terms join
// back into the line, each column's order is a permutation of the rows, and
// searching for a row's own term marks it.
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
    return 0;
}
