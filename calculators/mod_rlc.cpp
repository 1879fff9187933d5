// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/mod_rlc.h"

#include "core/numbers.h"

#include <cmath>

namespace mod_RLC {
namespace {

const char *const kShortNames[kPrefixes] = {"atto", "femto", "piko", "nano", "mikro", "mili", "",
                                            "kilo", "Mega", "Giga", "Tera", "Peta", "Exa"};
const char kLetters[] = "afpnum KMGTPE";
const char *const kUnits[4] = {"ohm", "F", "H", "Hz"};

struct Tables
{
    bool filled = false;
    QString name[kPrefixes];
    QChar letter[kPrefixes];
    int exponent[kPrefixes] = {};
    QString unit[kPrefixes][4];
};

Tables g_tables;

const Tables &tables()
{
    if (!g_tables.filled)
        FillTables();
    return g_tables;
}

bool inRange(int index) { return index >= 0 && index < kPrefixes; }

} // namespace

void FillTables()
{
    for (int i = 0; i < kPrefixes; ++i) {
        g_tables.name[i] = QString::fromLatin1(kShortNames[i]);
        g_tables.letter[i] = QLatin1Char(kLetters[i]);
        g_tables.exponent[i] = -18 + 3 * i;
        for (int c = 0; c < 4; ++c)
            g_tables.unit[i][c] = g_tables.letter[i] + QLatin1String(kUnits[c]);
    }
    g_tables.filled = true;
}

QString shortName(int index) { return inRange(index) ? tables().name[index] : QString(); }

QChar letter(int index) { return inRange(index) ? tables().letter[index] : QLatin1Char(' '); }

int exponent(int index) { return inRange(index) ? tables().exponent[index] : 0; }

QString unitSymbol(int index, int column)
{
    if (!inRange(index) || column < 0 || column > 3)
        return QString();
    return tables().unit[index][column];
}

double scale(double x, int index)
{
    return x * std::pow(10.0, exponent(index));
}

std::optional<Normalised> qqq(double v)
{
    if (!(v > 0) || !std::isfinite(v))
        return std::nullopt;
    int k = kBaseIndex;
    for (;;) {
        if (v >= 1000) {
            v /= 1000;
            ++k;
        } else if (v < 1) {
            v *= 1000;
            --k;
        } else {
            break;
        }
    }
    return Normalised{v, k};
}

} // namespace mod_RLC

namespace mod_RLC {

namespace {

int prefixOf(QChar c)
{
    if (c == QLatin1Char('k'))
        return kBaseIndex + 1;
    if (c == QChar(0x00B5) || c == QChar(0x03BC))
        return kBaseIndex - 2;
    if (c == QLatin1Char(' '))
        return -1;
    for (int i = 0; i < kPrefixes; ++i)
        if (c == QLatin1Char(kLetters[i]))
            return i;
    return -1;
}

bool allDigits(QStringView s)
{
    if (s.isEmpty())
        return false;
    for (QChar c : s)
        if (!c.isDigit() || c.unicode() > '9')
            return false;
    return true;
}

} // namespace

std::optional<Typed> readPrefixed(QStringView text, const QStringList &units)
{
    QString s = text.trimmed().toString();
    s.replace(QLatin1Char(','), QLatin1Char('.'));
    for (const QString &u : units) {
        // One letter must match exactly: "1f" is a femto, not one farad.
        const Qt::CaseSensitivity cs = u.size() > 1 ? Qt::CaseInsensitive : Qt::CaseSensitive;
        if (s.size() > u.size() && s.endsWith(u, cs)) {
            s.chop(u.size());
            s = s.trimmed();
            break;
        }
    }
    if (s.isEmpty())
        return std::nullopt;
    int index = kBaseIndex;
    QString number = s;
    const int last = prefixOf(s.back());
    if (last >= 0) {
        index = last;
        number = s.left(s.size() - 1).trimmed();
    } else {
        // 4k7: the letter in place of the decimal point.
        for (qsizetype i = 1; i + 1 < s.size(); ++i) {
            const int k = prefixOf(s.at(i));
            if (k < 0 || s.at(i) == QLatin1Char('E'))
                continue;
            if (allDigits(QStringView(s).left(i)) && allDigits(QStringView(s).mid(i + 1))) {
                index = k;
                number = s.left(i) + QLatin1Char('.') + s.mid(i + 1);
            }
            break;
        }
    }
    const std::optional<double> n = num::localeNumber(number, QLatin1Char('.'));
    if (!n)
        return std::nullopt;
    const double v = scale(*n, index);
    if (!std::isfinite(v))
        return std::nullopt;
    return Typed{*n, index, v};
}

} // namespace mod_RLC
