// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/bdh_funkciok.h"

#include "core/numbers.h"

#include <cmath>

namespace BDH_Funkciók {

bool Hiba = false;
const char *const kCharacterError = "Karakter hiba !!!!!!";

namespace {

const char kHexDigits[] = "0123456789ABCDEF";
const char *const kTooLarge = "Túl nagy szám! (legfeljebb 64 bites egész)";
const char *const kNegative = "Negatív szám nem váltható át!";

bool ignorable(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

QString wholeText(quint64 v) { return QLatin1Char(' ') + QString::number(v); }

// The number that leads the text, as the shared reader reads it, but with its
// whole part kept exactly.
struct DecimalInput
{
    bool negative = false;
    bool tooLarge = false;
    quint64 whole = 0;
    QString fraction;   // digits after the point, trailing zeros dropped
    bool inexactFraction = false;   // a fraction known only through the double
    double value = 0;   // the same number as a double, for the display
};

DecimalInput readDecimal(const QString &text)
{
    DecimalInput in;
    QString s;
    s.reserve(text.size());
    for (QChar c : text)
        if (!ignorable(c))
            s.append(c);
    in.value = num::leadingNumber(text);

    int i = 0;
    if (i < s.size() && (s[i] == QLatin1Char('+') || s[i] == QLatin1Char('-')))
        ++i;
    int digitsEnd = i;
    while (digitsEnd < s.size() && isDigit(s[digitsEnd]))
        ++digitsEnd;
    int fracEnd = digitsEnd;
    if (fracEnd < s.size() && s[fracEnd] == QLatin1Char('.')) {
        ++fracEnd;
        while (fracEnd < s.size() && isDigit(s[fracEnd]))
            ++fracEnd;
    }
    const QChar next = fracEnd < s.size() ? s[fracEnd].toUpper() : QChar();
    const bool plain = s.isEmpty() || s[0] != QLatin1Char('&');
    const bool exponent = (next == QLatin1Char('E') || next == QLatin1Char('D')) && fracEnd + 1 < s.size()
                          && (isDigit(s[fracEnd + 1])
                              || ((s[fracEnd + 1] == QLatin1Char('+') || s[fracEnd + 1] == QLatin1Char('-'))
                                  && fracEnd + 2 < s.size() && isDigit(s[fracEnd + 2])));

    if (plain && !exponent) {
        // Digits as typed: exact however long.
        for (int k = i; k < digitsEnd; ++k) {
            const unsigned d = unsigned(s[k].unicode() - '0');
            if (in.whole > (~quint64(0) - d) / 10) {
                in.tooLarge = true;
                break;
            }
            in.whole = in.whole * 10 + d;
        }
        if (digitsEnd + 1 < fracEnd)
            in.fraction = s.mid(digitsEnd + 1, fracEnd - digitsEnd - 1);
        while (in.fraction.endsWith(QLatin1Char('0')))
            in.fraction.chop(1);
        in.negative = i > 0 && s[0] == QLatin1Char('-') && (in.whole != 0 || !in.fraction.isEmpty());
        return in;
    }
    // Exponent or &H/&O form: through the double reader.
    const double v = in.value;
    if (std::isnan(v) || v < 0) {
        in.negative = v < 0;
        return in;
    }
    if (!(v < 18446744073709551616.0)) {
        in.tooLarge = true;
        return in;
    }
    const double w = std::floor(v);
    in.whole = quint64(w);
    in.inexactFraction = v != w;
    return in;
}

QString decimalShown(const DecimalInput &in)
{
    if (in.inexactFraction)
        return num::decimalText(in.value);
    if (in.fraction.isEmpty())
        return wholeText(in.whole);
    if (in.whole < 1000000000000000ULL)
        return num::decimalText(in.value);
    return wholeText(in.whole) + QLatin1Char('.') + in.fraction;
}

Conversion failed(const char *message)
{
    Hiba = true;
    Conversion c;
    c.error = true;
    c.message = QString::fromUtf8(message);
    return c;
}

} // namespace

quint64 BinToDec(const QString &s, bool *overflow)
{
    if (overflow)
        *overflow = false;
    quint64 result = 0;
    int significant = 0;
    for (QChar c : s) {
        if (c != QLatin1Char('0') && c != QLatin1Char('1')) {
            Hiba = true;
            return 0;
        }
        if (significant > 0 || c == QLatin1Char('1'))
            ++significant;
        result = (result << 1) | (c == QLatin1Char('1') ? 1u : 0u);
    }
    if (significant > 64) {
        if (overflow)
            *overflow = true;
        return 0;
    }
    return result;
}

QString DecToBin(quint64 x)
{
    if (x == 0)
        return QStringLiteral("0");
    QString r;
    for (; x != 0; x >>= 1)
        r.prepend(x & 1 ? QLatin1Char('1') : QLatin1Char('0'));
    return r;
}

quint64 HexToDec(const QString &s, bool *overflow)
{
    if (overflow)
        *overflow = false;
    const qsizetype n = s.trimmed().size();
    quint64 result = 0;
    int significant = 0;
    for (qsizetype i = 0; i < n; ++i) {
        char16_t a = s[i].unicode();
        if (a >= 'a' && a <= 'f')
            a = char16_t(a - 32);
        int d;
        if (a >= '0' && a <= '9')
            d = a - '0';
        else if (a >= 'A' && a <= 'F')
            d = a - 'A' + 10;
        else {
            Hiba = true;
            return 0;
        }
        if (significant > 0 || d != 0)
            ++significant;
        result = (result << 4) | quint64(d);
    }
    if (significant > 16) {
        if (overflow)
            *overflow = true;
        return 0;
    }
    return result;
}

QString DecToHex(quint64 x)
{
    int m = 16;
    if (x < (quint64(1) << 48))
        m = 12;
    if (x < (quint64(1) << 32))
        m = 8;
    if (x < 65536)
        m = 4;
    if (x < 256)
        m = 2;
    QString r(m, QLatin1Char('0'));
    for (int k = m - 1; k >= 0; --k, x >>= 4)
        r[k] = QLatin1Char(kHexDigits[x & 15]);
    return r;
}

Conversion convert(Notation from, const QString &text)
{
    Hiba = false;
    const QString s = text.toUpper();
    Conversion out;
    switch (from) {
    case Binary: {
        for (QChar c : s) {
            if (c < QLatin1Char('0') || c > QLatin1Char('1')) {
                Hiba = true;
                break;
            }
        }
        bool overflow = false;
        const quint64 v = BinToDec(s, &overflow);
        if (overflow)
            return failed(kTooLarge);
        out.dec = wholeText(v);
        out.hex = DecToHex(v);
        out.bin = s;
        break;
    }
    case Decimal: {
        for (QChar c : s) {
            if (!isDigit(c)) {
                Hiba = true;
                break;
            }
        }
        const DecimalInput in = readDecimal(s);
        if (in.negative)
            return failed(kNegative);
        if (in.tooLarge)
            return failed(kTooLarge);
        out.hex = DecToHex(in.whole);
        out.bin = DecToBin(in.whole);
        out.dec = decimalShown(in);
        break;
    }
    case Hexadecimal: {
        bool overflow = false;
        const quint64 v = HexToDec(s, &overflow);
        if (overflow)
            return failed(kTooLarge);
        out.hex = s;
        out.dec = wholeText(v);
        out.bin = DecToBin(v);
        break;
    }
    }
    out.error = Hiba;
    if (out.error)
        out.message = QString::fromUtf8(kCharacterError);
    return out;
}

} // namespace BDH_Funkciók
