// SPDX-License-Identifier: GPL-3.0-or-later
// Number reading and writing: readers give finite values where they promise
// to, writers never spell out "inf"/"nan" for a finite value, and written text
// reads back to the value rounded to 15 significant digits.
#include "calculators/mod_rlc.h"
#include "core/numbers.h"
#include "fuzz/fuzzcheck.h"

#include <cmath>
#include <cstring>

namespace {

double rounded15(double v)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", v);
    return std::strtod(buf, nullptr);
}

bool spellsNonFinite(const QString &s)
{
    return s.contains(QLatin1String("inf"), Qt::CaseInsensitive)
        || s.contains(QLatin1String("nan"), Qt::CaseInsensitive);
}

void checkWritten(double v)
{
    if (!std::isfinite(v))
        return;
    const double r = rounded15(v);
    for (QChar point : {QChar(u','), QChar(u'.')}) {
        const QString g = num::generalText(v, point);
        FUZZ_CHECK(!g.isEmpty() && !g.startsWith(u' ') && !spellsNonFinite(g));
        const std::optional<double> back = num::localeNumber(g, point);
        if (std::isfinite(r)) {
            FUZZ_CHECK(back && *back == r);
        } else {
            FUZZ_CHECK(!back);   // beyond the largest double after rounding
        }
    }
    const QString d = num::decimalText(v);
    FUZZ_CHECK(d.size() >= 2 && (d[0] == u' ' || d[0] == u'-') && !spellsNonFinite(d));
    FUZZ_CHECK(d[0] == u'-' ? (v < 0 && r < 0) : !(r < 0));
    FUZZ_CHECK(!d.contains(u','));
    const double back = num::leadingNumber(d);
    FUZZ_CHECK(back == r || (std::isinf(r) && std::isinf(back) && (r < 0) == (back < 0)));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes = fuzzBytes(data, size);
    const QString text = QString::fromUtf8(bytes);

    const double lead = num::leadingNumber(text);
    FUZZ_CHECK(!std::isnan(lead));
    checkWritten(lead);

    // A value typed with a prefix letter is finite and its prefix is one of the table's.
    const std::optional<mod_RLC::Typed> typed =
        mod_RLC::readPrefixed(text, {QStringLiteral("H"), QStringLiteral("Hz"), QStringLiteral("ohm")});
    if (typed)
        FUZZ_CHECK(std::isfinite(typed->value) && typed->index >= 0 && typed->index < mod_RLC::kPrefixes);

    for (QChar point : {QChar(u','), QChar(u'.')}) {
        const std::optional<double> v = num::localeNumber(text, point);
        if (v) {
            FUZZ_CHECK(std::isfinite(*v));
            checkWritten(*v);
        }
    }

    // The raw bytes as a double reach every bit pattern, denormals included.
    if (size >= sizeof(double)) {
        double v;
        std::memcpy(&v, data, sizeof v);
        checkWritten(v);
        if (!std::isfinite(v)) {
            const QString g = num::generalText(v, u',');
            FUZZ_CHECK(g == u"NaN" || g == u"Inf" || g == u"-Inf");
        }
    }
    return 0;
}
