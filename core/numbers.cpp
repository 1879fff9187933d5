// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/numbers.h"

#include <QLocale>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace num {
namespace {

bool ignorable(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n');
}

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }

// An &H / &O integer keeps the width rules of 16- and 32-bit integers: up to
// 0xFFFF it reads as a signed 16-bit value, up to 0xFFFFFFFF as signed 32-bit.
double radixValue(const std::string &s, size_t i, int radix)
{
    double v = 0;
    bool any = false;
    for (; i < s.size(); ++i) {
        const char c = s[i];
        int d;
        if (c >= '0' && c <= '9')
            d = c - '0';
        else if (radix == 16 && c >= 'a' && c <= 'f')
            d = c - 'a' + 10;
        else if (radix == 16 && c >= 'A' && c <= 'F')
            d = c - 'A' + 10;
        else
            break;
        if (d >= radix)
            break;
        v = v * radix + d;
        any = true;
    }
    if (!any)
        return 0;
    if (v <= 65535.0)
        return v >= 32768.0 ? v - 65536.0 : v;
    if (v <= 4294967295.0)
        return v >= 2147483648.0 ? v - 4294967296.0 : v;
    return v;
}

struct Digits
{
    std::string mantissa;   // significant digits, no trailing zeros, at least "0"
    int exponent = 0;       // decimal exponent of the first digit
    bool negative = false;
    bool zero = true;
};

Digits toDigits(double value)
{
    Digits d;
    d.negative = std::signbit(value) && value != 0;
    const double a = std::fabs(value);
    if (a == 0 || !std::isfinite(a)) {
        d.mantissa = "0";
        return d;
    }
    char buf[64];
    std::snprintf(buf, sizeof buf, "%.14e", a);   // 15 significant digits, rounded
    const std::string s(buf);
    const size_t e = s.find('e');
    std::string m = s.substr(0, e);
    m.erase(1, 1);   // the point
    while (m.size() > 1 && m.back() == '0')
        m.pop_back();
    d.mantissa = m;
    d.exponent = std::atoi(s.c_str() + e + 1);
    d.zero = false;
    return d;
}

QString format(double value, QChar point, bool decimalForm)
{
    if (std::isnan(value))
        return QStringLiteral("NaN");
    if (std::isinf(value))
        return value < 0 ? QStringLiteral("-Inf") : QStringLiteral("Inf");
    const Digits d = toDigits(value);
    std::string out;
    if (d.zero) {
        out = "0";
    } else if (d.exponent >= 15 || d.exponent < -4) {
        out = d.mantissa.substr(0, 1);
        if (d.mantissa.size() > 1)
            out += '\x01' + d.mantissa.substr(1);
        char eb[16];
        std::snprintf(eb, sizeof eb, "E%c%02d", d.exponent < 0 ? '-' : '+', std::abs(d.exponent));
        out += eb;
    } else if (d.exponent >= 0) {
        const size_t intDigits = size_t(d.exponent) + 1;
        if (d.mantissa.size() <= intDigits) {
            out = d.mantissa + std::string(intDigits - d.mantissa.size(), '0');
        } else {
            out = d.mantissa.substr(0, intDigits) + '\x01' + d.mantissa.substr(intDigits);
        }
    } else {
        out = std::string(decimalForm ? "" : "0") + '\x01'
              + std::string(size_t(-d.exponent - 1), '0') + d.mantissa;
    }
    QString q = QString::fromLatin1(out.c_str());
    q.replace(QChar(1), point);
    if (decimalForm)
        q.prepend(d.negative ? QLatin1Char('-') : QLatin1Char(' '));
    else if (d.negative)
        q.prepend(QLatin1Char('-'));
    return q;
}

} // namespace

QChar localeDecimalPoint()
{
    const QString p = QLocale().decimalPoint();
    return p.isEmpty() ? QLatin1Char('.') : p.at(0);
}

double leadingNumber(QStringView text)
{
    std::string s;
    s.reserve(size_t(text.size()));
    for (QChar c : text) {
        if (ignorable(c))
            continue;
        if (c.unicode() >= 128)
            break;   // nothing beyond ASCII can be part of a number
        s.push_back(char(c.unicode()));
    }
    if (s.size() >= 2 && s[0] == '&') {
        if (s[1] == 'H' || s[1] == 'h')
            return radixValue(s, 2, 16);
        if (s[1] == 'O' || s[1] == 'o')
            return radixValue(s, 2, 8);
        return 0;
    }
    std::string num;
    size_t i = 0;
    if (i < s.size() && (s[i] == '+' || s[i] == '-'))
        num += s[i++];
    bool digits = false;
    while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
        num += s[i++];
        digits = true;
    }
    if (i < s.size() && s[i] == '.') {
        num += s[i++];
        while (i < s.size() && s[i] >= '0' && s[i] <= '9') {
            num += s[i++];
            digits = true;
        }
    }
    if (!digits)
        return 0;
    if (i < s.size() && (s[i] == 'E' || s[i] == 'e' || s[i] == 'D' || s[i] == 'd')) {
        std::string ex = "e";
        size_t j = i + 1;
        if (j < s.size() && (s[j] == '+' || s[j] == '-'))
            ex += s[j++];
        bool expDigits = false;
        while (j < s.size() && s[j] >= '0' && s[j] <= '9') {
            ex += s[j++];
            expDigits = true;
        }
        if (expDigits)
            num += ex;
    }
    return std::strtod(num.c_str(), nullptr);
}

std::optional<double> localeNumber(QStringView text, QChar decimalPoint)
{
    const QStringView t = text.trimmed();
    std::string num;
    qsizetype i = 0;
    const qsizetype n = t.size();
    if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
        num += char(t[i++].unicode());
    bool digits = false;
    while (i < n && isDigit(t[i])) {
        num += char(t[i++].unicode());
        digits = true;
    }
    if (i < n && t[i] == decimalPoint) {
        ++i;
        num += '.';
        while (i < n && isDigit(t[i])) {
            num += char(t[i++].unicode());
            digits = true;
        }
    }
    if (!digits)
        return std::nullopt;
    if (i < n && (t[i] == QLatin1Char('E') || t[i] == QLatin1Char('e'))) {
        num += 'e';
        ++i;
        if (i < n && (t[i] == QLatin1Char('+') || t[i] == QLatin1Char('-')))
            num += char(t[i++].unicode());
        bool expDigits = false;
        while (i < n && isDigit(t[i])) {
            num += char(t[i++].unicode());
            expDigits = true;
        }
        if (!expDigits)
            return std::nullopt;
    }
    if (i != n)
        return std::nullopt;
    const double v = std::strtod(num.c_str(), nullptr);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

std::optional<double> localeNumber(QStringView text)
{
    return localeNumber(text, localeDecimalPoint());
}

QString generalText(double value, QChar decimalPoint)
{
    return format(value, decimalPoint, false);
}

QString generalText(double value)
{
    return format(value, localeDecimalPoint(), false);
}

QString decimalText(double value)
{
    return format(value, QLatin1Char('.'), true);
}

} // namespace num
