// SPDX-License-Identifier: GPL-3.0-or-later
#include "transistor_synth.h"

#include "core/textfile.h"

#include <QDir>
#include <QFile>

namespace transistor_synth {
namespace {

// splitmix64: the same sequence on every platform and library.
struct Rng
{
    uint64_t s;
    uint64_t next()
    {
        uint64_t z = (s += 0x9e3779b97f4a7c15ull);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ull;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebull;
        return z ^ (z >> 31);
    }
    int below(int n) { return int(next() % uint64_t(n)); }
    bool chance(int percent) { return below(100) < percent; }
    template<typename T, size_t N> const T &pick(const T (&a)[N]) { return a[below(int(N))]; }
};

// Type-name prefixes with their weight (per mille, roughly the mix of a
// large catalog: many Japanese and Pro Electron types, "BC" in about 14 %).
struct Prefix
{
    const char *text;
    int weight;
    int digits;
};
const Prefix kPrefixes[] = {
    {"2N", 150, 4}, {"2SA", 70, 4}, {"2SB", 45, 4}, {"2SC", 140, 4}, {"2SD", 55, 4},
    {"AC", 12, 3},  {"AD", 8, 3},   {"AF", 10, 3},  {"AU", 3, 3},    {"BC", 90, 3},
    {"BCW", 20, 2}, {"BCX", 20, 2}, {"BCY", 8, 2},  {"BD", 60, 3},   {"BDX", 18, 2},
    {"BDY", 6, 2},  {"BF", 55, 3},  {"BL", 4, 3},   {"BU", 25, 3},   {"KT", 40, 3},
    {"MJ", 30, 4},  {"MM", 8, 4},   {"TIP", 25, 3}, {"ZTX", 12, 3},  {"BFR", 15, 2},
    {"BSX", 8, 2},  {"MPS", 20, 4}, {"MJE", 20, 4}, {"KF", 6, 3},    {"KD", 5, 3},
    {"2SJ", 4, 3},  {"BCP", 6, 2},  {"MMBT", 10, 4}, {"PN", 6, 4},   {"FMMT", 6, 3},
};
const char *const kSuffixes[] = {"", "", "", "", "A", "B", "C", "L", "R", "-16", "-25", "K", "F"};
const char *const kMakers[] = {"Philips", "Motorola", "Toshiba", "ST", "Texas Instr.", "Zetex",
                               "Sanken", "Siemens", "NEC", "Valvo", "Tesla", "Hitachi", "Sanyo",
                               "ON Semi", "Mitsubishi", "Fairchild", "Rohm", "Matsushita"};
const char *const kPackages[] = {"TO92", "TO92", "TO92", "TO220", "TO220", "SOT23", "SOT23", "TO3",
                                 "TO18", "TO126", "SOT32", "TO3P", "TO39", "TO72", "TO1", "SOT89",
                                 "TO218", "SOT93", "TO92-EBC", "TO5", "TO66", "SOT223", "TO247"};
const char *const kUsageCodes[] = {"<26", "<36", "<06", "<10", "<346", "<A46", "<56", "<246",
                                   "<286", "<39", "<B", "<13", "<295", "<047", "<12", "<104",
                                   "<A45", "<395", "<47", "<B0", "<B3", "<C", "<D", "<E", "<F"};
const char *const kUsageTexts[] = {"Hangfrekvenciás végfok", "Hangfrekvenciás meghajtó",
                                   "Videó végfok", "Kiszajú előerősítő", "Tévé sorvégfok",
                                   "Germánium komplementer végfok", "Kapcsoló, gyors",
                                   "Nagyfrekvenciás erősítő, VHF/UHF", "Általános célra"};
const char *const kPowers[] = {"300 mW", "500 mW", "625 mW", "150 mW", "1 W", "1,5 W", "12,5 W",
                               "40 W", "65 W", "115 W", "150 W", "200 mW", "830 mW"};
const int kVolts[] = {5, 6, 7, 12, 15, 20, 25, 30, 32, 40, 45, 50, 60, 80, 100, 120, 160, 250,
                      300, 400, 700, 1500};
const char *const kCurrents[] = {"100 mA", "200 mA", "500 mA", "800 mA", "50 mA", "1 A", "1,5 A",
                                 "3 A", "4 A", "8 A", "15 A", "30 mA", "600 mA"};
const char *const kFreqs[] = {"300 MHz", "100 MHz", "250 MHz", "3 MHz", "30 MHz", "1,5 GHz",
                              "800 MHz", "4 MHz", "150 MHz"};
const char *const kGains[] = {"110-800", "40-250", "min. 750", "20-70", "100-300", "15-60",
                              ">1000", "200-450", "63-160"};

QString typeName(Rng &r)
{
    int total = 0;
    for (const Prefix &p : kPrefixes)
        total += p.weight;
    int w = r.below(total);
    const Prefix *chosen = &kPrefixes[0];
    for (const Prefix &p : kPrefixes) {
        if (w < p.weight) {
            chosen = &p;
            break;
        }
        w -= p.weight;
    }
    QString s = QString::fromLatin1(chosen->text);
    const int digits = std::max(1, chosen->digits - r.below(2));
    s += QString::number(1 + r.below(9));
    for (int i = 1; i < digits; ++i)
        s += QChar(u'0' + r.below(10));
    s += QString::fromLatin1(r.pick(kSuffixes));
    return s;
}

QString equivalents(Rng &r, int percent)
{
    if (!r.chance(percent))
        return QString();
    QString s = typeName(r);
    for (int n = r.below(3); n > 0; --n)
        s += QStringLiteral(", ") + typeName(r);
    return s;
}

QString volts(Rng &r, int percent)
{
    return r.chance(percent) ? QString::number(r.pick(kVolts)) + QStringLiteral(" V") : QString();
}

} // namespace

std::array<QByteArray, 19> generate(int records, uint64_t seed)
{
    Rng r{seed};
    std::array<QString, 19> text;
    for (QString &t : text)
        t.reserve(qsizetype(records) * 12);
    const QString crlf = QStringLiteral("\r\n");
    for (int i = 0; i < records; ++i) {
        std::array<QString, 19> f;
        f[0] = typeName(r);
        f[1] = r.chance(95) ? QString::number(r.chance(15) ? 1 : 2) : QString();
        f[2] = r.chance(96) ? QString::number(r.chance(2) ? 3 + r.below(2) : 1 + r.below(2)) : QString();
        f[3] = r.chance(90) ? QString::fromUtf8(r.pick(kPowers)) : QString();
        f[4] = volts(r, 85);
        f[5] = volts(r, 92);
        f[6] = volts(r, 75);
        f[7] = r.chance(90) ? QString::fromUtf8(r.pick(kCurrents)) : QString();
        f[8] = r.chance(70) ? QString::number(125 + 25 * r.below(4)) : QString();
        f[9] = r.chance(75) ? QString::fromUtf8(r.pick(kFreqs)) : QString();
        f[10] = r.chance(25) ? QString::number(1 + r.below(90)) + QStringLiteral(",5 pF") : QString();
        f[11] = r.chance(85) ? QString::fromUtf8(r.pick(kGains)) : QString();
        f[12] = r.chance(85) ? QString::fromUtf8(r.pick(kMakers)) : QString();
        f[13] = r.chance(88) ? QString::fromUtf8(r.pick(kPackages)) : QString();
        f[14] = r.chance(75) ? QString::fromUtf8(r.pick(kUsageCodes))
                             : QString::fromUtf8(r.pick(kUsageTexts));
        f[15] = equivalents(r, 55);
        f[16] = equivalents(r, 40);
        f[17] = equivalents(r, 25);
        f[18] = equivalents(r, 30);
        for (int k = 0; k < 19; ++k)
            text[size_t(k)] += f[size_t(k)] + crlf;
    }
    std::array<QByteArray, 19> out;
    for (int k = 0; k < 19; ++k)
        out[size_t(k)] = textfile::encode(text[size_t(k)]);
    return out;
}

bool writeFiles(const QString &dir, const std::array<QByteArray, 19> &files)
{
    if (!QDir().mkpath(dir))
        return false;
    for (int k = 0; k < 19; ++k) {
        QFile f(dir + QStringLiteral("/f%1.txt").arg(k, 2, 10, QLatin1Char('0')));
        if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate) || f.write(files[size_t(k)]) != files[size_t(k)].size())
            return false;
    }
    return true;
}

} // namespace transistor_synth
