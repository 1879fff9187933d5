// SPDX-License-Identifier: GPL-3.0-or-later
// Capacitor markings: every colour index (out-of-range ones included) looks
// up text or nothing; the capacitance the shown digits and multiplier spell
// is finite, and its pF, nF and µF texts re-read to the same value. The
// printed code's nF and µF texts re-read to its pF value.
#include "decoders/capcodes.h"
#include "core/numbers.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstring>

namespace {

using capcodes::Column;

bool spellsNonFinite(const QString &s)
{
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

bool near(double a, double b)
{
    return std::fabs(a - b) <= 1e-13 * std::max(std::fabs(a), std::fabs(b)) + 1e-300;
}

void checkTexts(const capcodes::ValueTexts &t, double pf, bool withPf)
{
    const std::optional<double> n = num::localeNumber(t.nF, u',');
    const std::optional<double> u = num::localeNumber(t.uF, u',');
    FUZZ_CHECK(!spellsNonFinite(t.nF) && !spellsNonFinite(t.uF) && n && u);
    FUZZ_CHECK(near(*n, pf / 1000) && near(*u, pf / 1000000));
    if (withPf) {
        const std::optional<double> p = num::localeNumber(t.pF, u',');
        FUZZ_CHECK(!spellsNonFinite(t.pF) && p && near(*p, pf));
    }
}

void checkCapacitance(const QString &a, const QString &b, const QString &m)
{
    const double c = capcodes::capacitance(a, b, m);
    FUZZ_CHECK(std::isfinite(c) && !(c == 0 && std::signbit(c)));
    checkTexts(capcodes::valueTexts(c), c, true);
    for (int e = -2; e <= capcodes::kSlots + 1; ++e)
        FUZZ_CHECK(!spellsNonFinite(capcodes::ceramicTolerance(e, c)));
}

// The marks a window can show: digits and multipliers by colour index.
void checkColours(int a, int b, int d)
{
    const QString first = capcodes::isColourIndex(a) && a <= 9 ? QString::number(a) : QString();
    const QString second = capcodes::isColourIndex(b) && b <= 9 ? QString::number(b) : QString();
    const QString m = capcodes::multiplierText(d);
    FUZZ_CHECK(m.isEmpty() == !(d >= 0 && d <= 9));
    checkCapacitance(first, second, m);
    const double c = capcodes::capacitance(first, second, m);
    if (!first.isEmpty() && !m.isEmpty()) {
        const double mv = d == 8 ? 0.01 : d == 9 ? 0.1 : std::pow(10.0, d);
        FUZZ_CHECK(near(c, (first + second).toInt() * mv));
    }
}

bool exhaustive()
{
    for (int i = -2; i <= capcodes::kSlots + 1; ++i) {
        FUZZ_CHECK(capcodes::colour(i).caption != nullptr);
        FUZZ_CHECK(capcodes::temperatureCoefficient(i).isEmpty() || (i >= 0 && i < capcodes::kSlots));
        FUZZ_CHECK(capcodes::bandedTolerance(i).isEmpty() || (i >= 0 && i < capcodes::kSlots));
        FUZZ_CHECK(capcodes::bandedVoltage(i).isEmpty() || (i >= 0 && i < capcodes::kSlots));
        const int h = capcodes::coefficientLabelHeight(i);
        FUZZ_CHECK(h == capcodes::kCoefficientHeight || h == capcodes::kLongCoefficientHeight);
        FUZZ_CHECK(capcodes::toleranceLetter(i).isNull() == !(i >= 0 && i < capcodes::kLetterCount));
        FUZZ_CHECK(capcodes::letterTolerance(i).isEmpty() == !(i >= 0 && i < capcodes::kLetterCount));
        FUZZ_CHECK(capcodes::zeros(i).size() == (i >= 0 && i <= 9 ? i : 0));
        for (int a = -2; a <= capcodes::kSlots + 1; ++a)
            for (int d = -2; d <= capcodes::kSlots + 1; ++d)
                checkColours(a, i, d);
    }
    for (Column c : {Column::A, Column::B, Column::C, Column::D, Column::E})
        for (int i : capcodes::ceramicColumn(c) + capcodes::bandedColumn(c))
            FUZZ_CHECK(capcodes::isColourIndex(i));
    // Every printed code the window offers.
    for (int a = 0; a <= 9; ++a)
        for (int b = 0; b <= 9; ++b)
            for (int z = 0; z <= 9; ++z) {
                const capcodes::ValueTexts t =
                    capcodes::printedTexts(QString::number(a), QString::number(b), capcodes::zeros(z));
                checkTexts(t, (10 * a + b) * std::pow(10.0, z), true);
            }
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const bool once = exhaustive();
    (void)once;

    int8_t b[3] = {};
    std::memcpy(b, data, std::min<size_t>(size, 3));
    checkColours(b[0], b[1], b[2]);
    FUZZ_CHECK(capcodes::zeros(b[2]).size() == (b[2] >= 0 && b[2] <= 9 ? b[2] : 0));

    // The rest: three texts split at 0x1F, as digits and multiplier and as
    // the printed code's parts.
    if (size > 3) {
        const QStringList parts =
            QString::fromLatin1(reinterpret_cast<const char *>(data) + 3, qsizetype(size - 3)).split(QChar(0x1F));
        const QString a = parts.value(0), s = parts.value(1), z = parts.value(2);
        checkCapacitance(a, s, z);
        const capcodes::ValueTexts t = capcodes::printedTexts(a, s, z);
        FUZZ_CHECK(t.pF == a + s + z + u' ');
        double x = num::leadingNumber(a + s + z);
        if (!std::isfinite(x))
            x = 0;
        FUZZ_CHECK(t.nF.endsWith(u' ') && t.uF.endsWith(u' '));
        capcodes::ValueTexts trimmed{QString(), t.nF.chopped(1), t.uF.chopped(1)};
        checkTexts(trimmed, x, false);
    }
    return 0;
}
