// SPDX-License-Identifier: GPL-3.0-or-later
// The diode catalog reader: records are the line pairs of the file, in order,
// and searching for a type name finds its slot.
#include "catalogs/diodetable.h"
#include "core/textfile.h"
#include "fuzz/fuzzcheck.h"

#include <QStringList>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QString text = textfile::decode(fuzzBytes(data, size));
    Diode_Table table;
    table.read(text);

    const QStringList lines = textfile::splitLines(text);
    int slot = 0;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const QString type = lines[i];
        const QString data = i + 1 < lines.size() ? lines[i + 1] : QString();
        if (type.isEmpty() && data.isEmpty())
            continue;
        ++slot;
        FUZZ_CHECK(slot <= table.size());
        FUZZ_CHECK(table.record(slot).type == type && table.record(slot).data == data);
    }
    FUZZ_CHECK(slot == table.size());
    FUZZ_CHECK(table.record(0).type.isEmpty() && table.record(table.size() + 1).type.isEmpty()
               && table.record(-5).data.isEmpty());

    std::vector<int> found;
    for (int s = 1; s <= std::min(table.size(), 8); ++s) {
        table.findTypes(table.record(s).type, &found);
        FUZZ_CHECK(std::find(found.begin(), found.end(), s) != found.end());
        for (size_t i = 0; i < found.size(); ++i)
            FUZZ_CHECK(found[i] >= 1 && found[i] <= table.size() && (i == 0 || found[i - 1] < found[i]));
    }
    return 0;
}
