// SPDX-License-Identifier: GPL-3.0-or-later
// SMD readers and decoders: catalog lines split into fields that join back
// into the line; the code decoders, over the shipped tables and over tables
// read from the input, never show an infinite or undefined number.
#include "catalogs/smdcatalog.h"
#include "core/numbers.h"
#include "core/textfile.h"
#include "decoders/smdcodes.h"
#include "fuzz/fuzzcheck.h"

#include <QFile>
#include <cmath>

namespace {

QString shipped(const char *name)
{
    QFile f(QStringLiteral(KONDRIX_FUZZ_DATA "/SMD/") + QString::fromUtf8(name));
    return f.open(QIODevice::ReadOnly) ? textfile::decode(f.readAll()) : QString();
}

const smdcodes::Tables &shippedTables()
{
    static const smdcodes::Tables t = [] {
        smdcodes::Tables t;
        t.onePercent = smdcodes::readPairs(shipped("!smd_1.txt"));
        t.twoFive = smdcodes::readPairs(shipped("!smd_2_5.txt"));
        t.multipliers = smdcodes::readMultipliers(shipped("!smd_szorzo.txt"));
        t.ceramic = smdcodes::readPairs(shipped("!smd_keramia.txt"));
        FUZZ_CHECK(!t.onePercent.empty() && !t.multipliers.empty() && !t.ceramic.empty());
        return t;
    }();
    return t;
}

bool spellsNonFinite(const QString &s)
{
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-13 * std::max(std::fabs(a), std::fabs(b)) + 1e-300;
}

// " 1.65 K-ohm" (the line before the tolerance) back into ohms.
double reread(const QString &text)
{
    const QString line = text.section(QStringLiteral("\r\n"), 0, 0);
    static const struct
    {
        const char *unit;
        double factor;
    } kUnits[] = {{" ohm", 1}, {" K-ohm", 1e3}, {" M-ohm", 1e6}, {" G-ohm", 1e9}};
    for (const auto &u : kUnits) {
        const QLatin1String unit(u.unit);
        if (line.endsWith(unit)) {
            const std::optional<double> v = num::localeNumber(line.chopped(unit.size()), u'.');
            FUZZ_CHECK(v.has_value());
            return *v * u.factor;
        }
    }
    FUZZ_CHECK(!"resistor text without a unit");
    return 0;
}

// The value a code spells by the tables: the last record with its digits,
// rounded, times the letter's multiplier.
double spelled(const std::vector<smdcodes::CodePair> &table, const QString &digits, QChar letter,
               const smdcodes::Tables &t)
{
    double v = 0;
    for (const smdcodes::CodePair &p : table)
        if (p.code == digits)
            v = std::nearbyint(num::leadingNumber(p.value));
    return v * smdcodes::multiplier(letter, t);
}

// A decoded resistor code: its text is finite and re-reads to what the
// tables spell, and any 1 % code of the same value decodes to the same text.
void checkResistor(const QString &typed, const smdcodes::Tables &t, bool reencode)
{
    const smdcodes::ResistorResult r = smdcodes::decodeResistor(typed, t);
    FUZZ_CHECK(r.code == typed.toUpper());
    if (!r.known)
        return;
    FUZZ_CHECK(!spellsNonFinite(r.text) && r.code.size() == 3);
    const bool onePercent = r.code.at(0).isDigit();
    const double want = onePercent ? spelled(t.onePercent, r.code.left(2), r.code.at(2), t)
                                   : spelled(t.twoFive, r.code.right(2), r.code.at(0), t);
    FUZZ_CHECK(std::isfinite(want));
    const double ohms = reread(r.text);
    FUZZ_CHECK(near(ohms, want));
    if (!reencode)
        return;
    // The shipped 1 % codes by value, to re-encode with.
    static const std::vector<std::pair<double, QString>> codes = [&t] {
        std::vector<std::pair<double, QString>> c;
        for (const char *l = smdcodes::kMultiplierLetters; *l; ++l)
            for (const smdcodes::CodePair &p : t.onePercent)
                c.emplace_back(spelled(t.onePercent, p.code, QLatin1Char(*l), t), p.code + QLatin1Char(*l));
        return c;
    }();
    for (const auto &c : codes) {
        if (!near(c.first, ohms))
            continue;
        const smdcodes::ResistorResult again = smdcodes::decodeResistor(c.second, t);
        FUZZ_CHECK(again.known && again.text.section(u'\r', 0, 0) == r.text.section(u'\r', 0, 0));
    }
}

// "<number> pF|nF|uF" back into pF.
double rereadCapacitance(QStringView text)
{
    const QLatin1String units[] = {QLatin1String(" pF"), QLatin1String(" nF"), QLatin1String(" uF")};
    const double factors[] = {1, 1e3, 1e6};
    for (int i = 0; i < 3; ++i)
        if (text.endsWith(units[i])) {
            const std::optional<double> v = num::localeNumber(text.chopped(units[i].size()));
            FUZZ_CHECK(v.has_value());
            return *v * factors[i];
        }
    FUZZ_CHECK(!"capacitance text without a unit");
    return 0;
}

void checkDecoders(const QString &typed, const smdcodes::Tables &t, bool reencode = false)
{
    checkResistor(typed, t, reencode);

    const QString ceramic = smdcodes::decodeCeramic(typed, t);
    FUZZ_CHECK(!spellsNonFinite(ceramic));
    if (!ceramic.isEmpty()) {
        const int e = typed.back().digitValue();
        FUZZ_CHECK(e >= 1 && e <= 9);
        double v = 0;
        for (const smdcodes::CodePair &p : t.ceramic)
            if (p.code.size() == 1 && p.code.at(0) == typed.at(typed.size() - 2)) {
                v = num::leadingNumber(p.value);
                break;
            }
        FUZZ_CHECK(near(rereadCapacitance(ceramic), v * (e == 9 ? 0.1 : e == 8 ? 0.01 : std::pow(10.0, e))));
    }

    const smdcodes::ResistorResult d = smdcodes::decodeDigitCode(typed);
    FUZZ_CHECK(!d.known || (std::isfinite(d.ohms) && d.ohms >= 0 && !spellsNonFinite(d.text)));

    const QString electrolytic = smdcodes::decodeElectrolytic(typed);
    FUZZ_CHECK(!spellsNonFinite(electrolytic));
    if (electrolytic != u"XXXX") {
        const qsizetype slash = electrolytic.indexOf(u'/');
        FUZZ_CHECK(slash > 0 && electrolytic.mid(slash + 1) == smdcodes::voltageText(typed.at(0)));
        const double pf = typed.mid(1, 2).toInt() * std::pow(10.0, typed.back().digitValue());
        FUZZ_CHECK(near(rereadCapacitance(QStringView(electrolytic).left(slash)), pf));
    }
}

// Every code of the shipped tables decodes, and re-encodes to itself.
bool shippedCodes()
{
    const smdcodes::Tables &t = shippedTables();
    for (const char *l = smdcodes::kMultiplierLetters; *l; ++l) {
        for (const smdcodes::CodePair &p : t.onePercent) {
            checkDecoders(p.code + QLatin1Char(*l), t, true);
            FUZZ_CHECK(smdcodes::decodeResistor(p.code + QLatin1Char(*l), t).known);
        }
        for (const smdcodes::CodePair &p : t.twoFive)
            checkDecoders(QLatin1Char(*l) + p.code, t, true);
    }
    for (const smdcodes::CodePair &p : t.ceramic)
        for (char e = '0'; e <= '9'; ++e)
            checkDecoders(p.code + QLatin1Char(e), t);
    for (const char *v = smdcodes::kVoltageLetters; *v; ++v)
        for (int n = 0; n < 1000; n += 7)
            checkDecoders(QLatin1Char(*v) + QString::number(n).rightJustified(3, u'0'), t);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool once = shippedCodes();
    (void)once;
    const QString text = textfile::decode(fuzzBytes(data, size));

    const std::vector<Smd_Record> records = Read_Smd_Codes(text);
    const QStringList lines = textfile::splitLines(text);
    FUZZ_CHECK(records.size() == size_t(lines.size()));
    for (size_t i = 0; i < records.size(); ++i) {
        const Smd_Record &r = records[i];
        const QString &line = lines[qsizetype(i)];
        const int commas = int(std::min<qsizetype>(line.count(u','), kSmdFields - 1));
        QStringList parts;
        for (int f = 0; f < commas; ++f) {
            FUZZ_CHECK(!r[size_t(f)].contains(u','));
            parts << r[size_t(f)];
        }
        for (int f = commas; f < kSmdFields - 1; ++f)
            FUZZ_CHECK(r[size_t(f)].isEmpty());
        parts << r[kSmdFields - 1];
        FUZZ_CHECK(parts.join(u',') == line);
    }

    const std::vector<Smd_Maker> makers = Read_Smd_Makers(text);
    if (!makers.empty())
        FUZZ_CHECK(Maker_Name(makers, makers.front().code) == makers.front().name);

    // Short typed codes against the shipped tables; the whole input as tables.
    checkDecoders(text.left(6), shippedTables(), true);
    checkDecoders(text.left(3), shippedTables(), true);
    smdcodes::Tables t;
    t.onePercent = smdcodes::readPairs(text);
    t.twoFive = t.onePercent;
    t.ceramic = t.onePercent;
    t.multipliers = smdcodes::readMultipliers(text);
    for (const QString &typed : {QStringLiteral("01A"), QStringLiteral("A01"), QStringLiteral("A3"),
                                 QStringLiteral("e106"), text.left(4)})
        checkDecoders(typed, t);
    return 0;
}
