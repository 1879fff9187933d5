// SPDX-License-Identifier: GPL-3.0-or-later
// The transistor loader against a plain line-by-line reading of the same
// bytes: every field of every record must agree. The input holds the field
// files one after another, separated by NUL bytes; files not given are
// missing.
#include "catalogs/module1.h"
#include "core/textfile.h"
#include "fuzz/fuzzcheck.h"

#include <QStringList>

#include <map>

namespace {

constexpr int kMaterial = 1, kStructure = 2, kUsage = 14;

QString expectedField(int f, const QStringList &lines, int slot)
{
    if (slot >= lines.size())
        return {};
    const QString &l = lines[slot];
    if (f == kMaterial)
        return l == u"1" ? QStringLiteral("Ge") : l == u"2" ? QStringLiteral("Si") : QString();
    if (f == kStructure) {
        static const char *const kinds[] = {"pnp",    "npn",      "p/n",    "n/p",   "N-MOSFET",
                                            "P-MOSFET", "N-JFET", "P-JFET", "N-MOSFET, 2 gate"};
        return l.size() == 1 && l[0] >= u'1' && l[0] <= u'9' ? QString::fromLatin1(kinds[l[0].unicode() - '1'])
                                                           : QString();
    }
    if (f == kUsage)
        return Decode_Usage_Class(l);
    return l;
}

std::array<Transistor_File, kTransistorFields> split(const QByteArray &bytes)
{
    std::array<Transistor_File, kTransistorFields> files;
    const QList<QByteArray> parts = bytes.split('\0');
    for (int f = 0; f < kTransistorFields && f < parts.size(); ++f) {
        files[size_t(f)].state = Transistor_File::State::Read;
        files[size_t(f)].bytes = parts[f];
    }
    return files;
}

void check(const std::array<Transistor_File, kTransistorFields> &files, Transistor_Table &table)
{
    const Transistor_LoadReport report = Load_Transistor_Data(files, &table);
    std::array<QStringList, kTransistorFields> lines;
    std::map<int, int> votes;   // line count -> files read with it
    for (int f = 0; f < kTransistorFields; ++f) {
        if (files[size_t(f)].state == Transistor_File::State::Read) {
            lines[size_t(f)] = textfile::splitLines(textfile::decode(files[size_t(f)].bytes));
            ++votes[int(lines[size_t(f)].size())];
        }
    }
    // The count most files share; in a tie the names' count, else the largest.
    const bool namesRead = files[0].state == Transistor_File::State::Read;
    int count = 0, most = 0;
    for (const auto &[lineCount, v] : votes)
        if (v > most || (v == most && !(namesRead && count == lines[0].size())))
            count = lineCount, most = v;
    FUZZ_CHECK(table.size() == count && report.records == count);
    int differing = 0;
    for (int f = 0; f < kTransistorFields; ++f)
        differing += files[size_t(f)].state != Transistor_File::State::Read || lines[size_t(f)].size() != count;
    FUZZ_CHECK(report.problems.size() == differing);
    bool whole = true;
    for (int f = 0; f < kTransistorFields; ++f)
        whole = whole && files[size_t(f)].state == Transistor_File::State::Read
                && lines[size_t(f)].size() == count;
    FUZZ_CHECK(report.ok() == whole);

    for (int slot = 0; slot < count; ++slot) {
        const Transistor_Record r = table.record(slot);
        for (int f = 0; f < kTransistorFields; ++f) {
            const QString want = expectedField(f, lines[size_t(f)], slot);
            FUZZ_CHECK(table.field(slot, f) == want && r.field[size_t(f)] == want);
        }
    }
    // Out of range asks give nothing.
    FUZZ_CHECK(table.field(-1, 0).isEmpty() && table.field(count, 0).isEmpty()
               && table.field(0, kTransistorFields).isEmpty());

    // Searching for a type name's own text finds its slot, and only records.
    if (count > 0 && !lines[0].isEmpty() && !lines[0][0].isEmpty()) {
        std::vector<int> found;
        table.findTypes(lines[0][0], &found);
        FUZZ_CHECK(!found.empty() && found.front() == 0 && found.back() < count);
        for (size_t i = 1; i < found.size(); ++i)
            FUZZ_CHECK(found[i - 1] < found[i]);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    // The same table loads twice: reloading reuses its buffers.
    static Transistor_Table table;
    std::array<Transistor_File, kTransistorFields> files = split(bytes);
    check(files, table);
    std::reverse(files.begin(), files.end());
    check(files, table);
    return 0;
}
