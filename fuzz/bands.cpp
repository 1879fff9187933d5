// SPDX-License-Identifier: GPL-3.0-or-later
// Colour bands read from either end: any four or five band indexes give only
// readings that spell the given colours forwards or backwards, with finite
// values, plausible ones first; any typed value gives bands that read back to
// it within the rounding of their digits.
#include "decoders/bandreading.h"
#include "decoders/mod_r.h"
#include "fuzz/fuzzcheck.h"

#include <algorithm>
#include <cmath>

namespace {

bool spellsNonFinite(const QString &s)
{
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

void checkReadings(const QVector<int> &given)
{
    const QVector<bands::Reading> readings = bands::readBands(given);
    QVector<int> reversed(given.rbegin(), given.rend());
    FUZZ_CHECK(readings.size() <= (given == reversed ? 1 : 2));
    if (given.size() != 4 && given.size() != 5)
        FUZZ_CHECK(readings.isEmpty());
    bool seenImplausible = false;
    for (const bands::Reading &r : readings) {
        FUZZ_CHECK(r.colours == (r.reversed ? reversed : given));
        FUZZ_CHECK(std::isfinite(r.ohms) && r.ohms >= 0);
        FUZZ_CHECK(!spellsNonFinite(r.valueText) && !r.valueText.isEmpty());
        FUZZ_CHECK(!r.inSeries || (r.series && bands::inSeries(r.ohms, *r.series)));
        // Plausible readings come first.
        FUZZ_CHECK(!(r.inSeries && seenImplausible));
        seenImplausible = seenImplausible || !r.inSeries;
    }
}

// The bands of a typed value read back (with a tolerance band added) to the
// value rounded to the digits the bands hold.
void checkValue(const QString &typed)
{
    const std::optional<double> v = bands::parseValueText(typed);
    if (!v)
        return;
    FUZZ_CHECK(std::isfinite(*v) && *v >= 0);
    for (int digits : {2, 3}) {
        const bands::BandCode code = bands::valueToBands(*v, digits);
        if (code.colours.isEmpty()) {
            FUZZ_CHECK(!code.message.isEmpty());
            continue;
        }
        FUZZ_CHECK(code.colours.size() == digits + 1);
        int number = 0;
        for (int i = 0; i < digits; ++i) {
            FUZZ_CHECK(code.colours[i] >= 0 && code.colours[i] <= 9);
            number = number * 10 + code.colours[i];
        }
        QVector<int> colours = code.colours;
        colours << (digits == 2 ? mod_R::kGold : 1);
        const QVector<bands::Reading> readings = bands::readBands(colours);
        const auto it = std::find_if(readings.begin(), readings.end(),
                                     [](const bands::Reading &r) { return !r.reversed; });
        FUZZ_CHECK(it != readings.end());
        if (number == 0)
            continue;
        const double step = it->ohms / number;   // the multiplier band's factor
        FUZZ_CHECK(std::fabs(it->ohms - *v) <= 0.5 * step * (1 + 1e-9) + 1e-12 * *v);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    mod_R::InitColourTables();
    const uint8_t mode = data[0];
    ++data;
    --size;
    if (mode % 2 == 0) {
        QVector<int> colours;
        for (size_t i = 0; i < size && i < 6; ++i)
            colours << int(int8_t(data[i])) % 16;
        checkReadings(colours);
    } else {
        const QString text = QString::fromUtf8(fuzzBytes(data, size));
        if (const std::optional<int> c = bands::colourFromName(text))
            FUZZ_CHECK(mod_R::isColourIndex(*c));
        checkValue(text);
    }
    return 0;
}
