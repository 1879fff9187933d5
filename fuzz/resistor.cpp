// SPDX-License-Identifier: GPL-3.0-or-later
// Resistor colour bands: any band indexes (out-of-range ones included) give a
// value only when every band holds a colour its role offers; the value is
// finite, its text never spells an infinity or NaN, and the number re-read
// from the text is the value. Typed values give bands that spell them.
#include "decoders/mod_r.h"
#include "core/numbers.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstring>

namespace {

bool spellsNonFinite(const QString &s)
{
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-13 * std::max(std::fabs(a), std::fabs(b)) + 1e-300;
}

// "4,7 k-ohm  10%" read back into ohms.
void checkValueText(double ohms, int toleranceBand)
{
    const std::optional<QString> text = mod_R::valueText(ohms, toleranceBand);
    const bool valid = std::isfinite(ohms) && ohms >= 0 && mod_R::isColourIndex(toleranceBand);
    FUZZ_CHECK(text.has_value() == valid);
    if (!text)
        return;
    FUZZ_CHECK(!spellsNonFinite(*text));
    const qsizetype blank = text->indexOf(u' ');
    FUZZ_CHECK(blank > 0);
    const std::optional<double> shown = num::localeNumber(QStringView(*text).left(blank), u',');
    FUZZ_CHECK(shown.has_value());
    const QStringView rest = QStringView(*text).mid(blank);
    static const struct
    {
        const char *unit;
        double factor;
    } kUnits[] = {{" ohm ", 1}, {" k-ohm ", 1e3}, {" M-ohm ", 1e6}, {" G-ohm ", 1e9}};
    bool found = false;
    for (const auto &u : kUnits) {
        if (!rest.startsWith(QLatin1String(u.unit)))
            continue;
        found = true;
        FUZZ_CHECK(near(*shown * u.factor, ohms));
        FUZZ_CHECK(rest.mid(qsizetype(std::strlen(u.unit)))
                   == QString(u' ' + mod_R::tables().tolerance[size_t(toleranceBand)]));
    }
    FUZZ_CHECK(found);
}

bool offers(mod_R::BandRole role, int i)
{
    const bool o = mod_R::roleOffers(role, i);
    FUZZ_CHECK(!o || mod_R::isColourIndex(i));
    return o;
}

void checkBands(const QVector<int> &digits, int multiplier, int tolerance)
{
    const std::optional<double> ohms = mod_R::resistance(digits, multiplier);
    bool valid = !digits.isEmpty() && offers(mod_R::BandRole::Multiplier, multiplier);
    for (int d : digits)
        valid = valid && offers(mod_R::BandRole::Digit, d);
    FUZZ_CHECK(ohms.has_value() == valid);
    if (!ohms)
        return;
    FUZZ_CHECK(std::isfinite(*ohms) && *ohms >= 0);
    double spelled = 0;
    for (int d : digits)
        spelled = spelled * 10 + d;
    const double m = multiplier == mod_R::kSilver ? 0.01 : multiplier == mod_R::kGold ? 0.1
                                                                                     : std::pow(10.0, multiplier);
    FUZZ_CHECK(near(*ohms, spelled * m));
    checkValueText(*ohms, tolerance);
}

// Every band combination over the colours and one index beyond each end.
bool exhaustive()
{
    for (int m = -1; m <= mod_R::kColourCount; ++m)
        for (int a = -1; a <= mod_R::kColourCount; ++a)
            for (int b = -1; b <= mod_R::kColourCount; ++b) {
                const int t = (a + b + m + 3) % (mod_R::kColourCount + 2) - 1;
                checkBands({a, b}, m, t);
                for (int c = -1; c <= mod_R::kColourCount; ++c)
                    checkBands({a, b, c}, m, t);
            }
    for (int t = -1; t <= mod_R::kColourCount; ++t) {
        const std::optional<int> back = mod_R::toleranceColour(
            mod_R::isColourIndex(t) ? mod_R::tables().tolerance[size_t(t)] : QString());
        FUZZ_CHECK(!back || mod_R::tables().tolerance[size_t(*back)] == mod_R::tables().tolerance[size_t(t)]);
    }
    for (const QString &tol : mod_R::toleranceList())
        FUZZ_CHECK(mod_R::toleranceColour(tol).has_value());
    return true;
}

void checkTyped(const QString &typed, const QString &unit)
{
    const std::optional<mod_R::ValueBands> bands = mod_R::bandsFromTyped(typed, unit);
    if (!bands)
        return;
    FUZZ_CHECK(mod_R::typedValueAccepted(typed));
    FUZZ_CHECK(offers(mod_R::BandRole::Digit, bands->first) && offers(mod_R::BandRole::Digit, bands->second)
               && offers(mod_R::BandRole::Multiplier, bands->multiplier));
    const std::optional<double> ohms = mod_R::resistance({bands->first, bands->second}, bands->multiplier);
    const std::optional<double> typedValue = num::localeNumber(typed, u',');
    FUZZ_CHECK(ohms && typedValue);
    // The bands show the typed value, or for a value below one ohm its first
    // decimal (two bands and silver cannot show more).
    const double want = *typedValue * mod_R::unitFactor(unit);
    if (mod_R::unitFactor(unit) == 1 && *typedValue < 1)
        FUZZ_CHECK(near(*ohms, std::trunc(want * 10 + 1e-9) / 10));
    else
        FUZZ_CHECK(near(*ohms, want));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool once = exhaustive();
    (void)once;

    // Bytes 0..4: signed band indexes (a fifth chooses two or three digits);
    // 5..12: a resistance as raw double bits; the rest: a typed value, its
    // first character choosing the unit.
    int8_t b[6] = {};
    std::memcpy(b, data, std::min<size_t>(size, 6));
    const QVector<int> digits = b[5] & 1 ? QVector<int>{b[0], b[1], b[2]} : QVector<int>{b[0], b[1]};
    checkBands(digits, b[3], b[4]);

    if (size >= 14) {
        double ohms;
        std::memcpy(&ohms, data + 6, sizeof ohms);
        checkValueText(ohms, b[4]);
        checkValueText(std::fabs(ohms), (b[4] & 0x7f) % mod_R::kColourCount);
    }
    if (size > 14) {
        const QString rest = QString::fromLatin1(reinterpret_cast<const char *>(data) + 15, qsizetype(size - 15));
        const QString unit = mod_R::tables().units.value(data[14] % 4);
        checkTyped(rest, unit);
        // What the value box lets through.
        QString filtered;
        for (QChar c : rest)
            if (const std::optional<QChar> k = mod_R::keyFilter(c)) {
                FUZZ_CHECK(*k == c || (c == u'.' && *k == u','));
                filtered += *k;
            }
        checkTyped(filtered, unit);
        if (const std::optional<int> c = mod_R::toleranceColour(rest))
            FUZZ_CHECK(mod_R::tables().tolerance[size_t(*c)] == rest);
    }
    return 0;
}
