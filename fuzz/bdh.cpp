// SPDX-License-Identifier: GPL-3.0-or-later
// Number-base conversions against plain 64-bit integer arithmetic.
#include "calculators/bdh_funkciok.h"
#include "fuzz/fuzzcheck.h"

#include <cstring>

using namespace BDH_Funkciók;

namespace {

// The value of a digit string by 64-bit arithmetic; false on a foreign
// character or on overflow.
bool reference(const QString &s, int radix, quint64 *out)
{
    quint64 v = 0;
    for (QChar c : s) {
        const int d = QStringLiteral("0123456789ABCDEF").indexOf(c.toUpper());
        if (d < 0 || d >= radix || c.unicode() > 127)
            return false;
        if (v > (~quint64(0) - quint64(d)) / quint64(radix))
            return false;
        v = v * quint64(radix) + quint64(d);
    }
    *out = v;
    return true;
}

void checkValue(quint64 x)
{
    bool overflow = true;
    Hiba = false;
    const QString bin = DecToBin(x);
    FUZZ_CHECK(BinToDec(bin, &overflow) == x && !overflow && !Hiba);
    const QString hex = DecToHex(x);
    FUZZ_CHECK(hex.size() == 2 || hex.size() == 4 || hex.size() == 8 || hex.size() == 12
               || hex.size() == 16);
    FUZZ_CHECK(HexToDec(hex, &overflow) == x && !overflow && !Hiba);
    FUZZ_CHECK(HexToDec(hex.toLower()) == x && !Hiba);

    const QString dec = QString::number(x);
    for (Notation from : {Binary, Decimal, Hexadecimal}) {
        const QString typed = from == Binary ? bin : from == Decimal ? dec : hex;
        const Conversion c = convert(from, typed);
        FUZZ_CHECK(!c.error);
        FUZZ_CHECK(c.bin == bin && c.hex == hex && c.dec.trimmed() == dec);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= sizeof(quint64)) {
        quint64 x;
        std::memcpy(&x, data, sizeof x);
        checkValue(x);
        checkValue(x >> (data[0] & 63));   // short values too
    }

    const QString text = QString::fromUtf8(fuzzBytes(data, size));
    bool overflow = false;
    quint64 ref = 0;

    Hiba = false;
    const quint64 b = BinToDec(text, &overflow);
    if (reference(text, 2, &ref)) {
        FUZZ_CHECK(!Hiba && !overflow && b == ref);
    } else {
        FUZZ_CHECK(b == 0 && (Hiba || overflow));
    }

    Hiba = false;
    const quint64 h = HexToDec(text, &overflow);
    if (text.trimmed() == text && reference(text, 16, &ref)) {
        FUZZ_CHECK(!Hiba && !overflow && h == ref);
    } else if (!Hiba && !overflow) {
        // Only the leading characters were examined: they must agree.
        FUZZ_CHECK(reference(text.left(text.trimmed().size()), 16, &ref) && h == ref);
    }

    for (Notation from : {Binary, Decimal, Hexadecimal}) {
        if (text.isEmpty())
            break;
        Hiba = false;
        const Conversion c = convert(from, text);
        FUZZ_CHECK(c.error == !c.message.isEmpty());
        if (!c.error) {
            bool o = false;
            const quint64 v = BinToDec(c.bin, &o);
            FUZZ_CHECK(!o);
            // Typed hexadecimal text is shown as typed; the others are derived.
            if (from == Hexadecimal)
                FUZZ_CHECK(c.hex == text.toUpper() && v == HexToDec(c.hex));
            else
                FUZZ_CHECK(DecToHex(v) == c.hex);
        }
    }
    return 0;
}
