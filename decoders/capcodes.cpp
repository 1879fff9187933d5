// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/capcodes.h"

#include "core/numbers.h"

#include <array>
#include <cmath>

namespace capcodes {
namespace {

constexpr QChar kComma(u',');

constexpr std::array<Colour, kColourCount> kPalette{{
    {"Fekete", {0, 0, 0}, {255, 255, 255}},
    {"Barna", {192, 64, 0}, {255, 255, 255}},
    {"Vörös", {255, 0, 0}, {255, 255, 255}},
    {"Narancs", {255, 128, 0}, {255, 255, 255}},
    {"Sárga", {255, 255, 0}, {0, 0, 0}},
    {"Zöld", {0, 192, 0}, {0, 0, 0}},
    {"Kék", {0, 0, 255}, {255, 255, 255}},
    {"Lila", {255, 0, 255}, {255, 255, 255}},
    {"Szürke", {192, 192, 192}, {255, 255, 255}},
    {"Fehér", {255, 255, 255}, {0, 0, 0}},
    {"Arany", {255, 192, 128}, {255, 255, 255}},
    {"Ezüst", {128, 128, 128}, {255, 255, 255}},
}};

// Tables by colour index; unlisted slots stay empty.
using Table = std::array<const char *, kSlots>;

constexpr Table kCoefficient{"0",
                             "-30",
                             "-80",
                             "-150",
                             "-220",
                             "-330",
                             "-470",
                             "-750",
                             "+30",
                             "+120 tól -750 (EIA)         +500 tól -330 (JAN)",
                             "Bypass or Coupling",
                             "+100 (JAN)",
                             ""};
constexpr Table kToleranceFrom10pF{"20 %", "1 %", "3 %", "", "", "5 %", "", "", "", "10 %", "", "", ""};
constexpr Table kToleranceBelow10pF{"2.0 pF", "", "", "", "", "0.5 pF", "", "", "0.25 pF", "1.0 pF", "", "", ""};
constexpr Table kBandedTolerance{"+/- 20 %", "", "", "", "", "+/- 5 %", "", "", "", "+/- 10 %", "", "", ""};
constexpr Table kBandedVoltage{"", "100 V", "200 V", "", "400 V", "", "", "", "", "", "", "", ""};

constexpr std::array<const char *, kLetterCount> kLetterTolerance{"25 ", "1 ", "2 ", "2,5 ", "5 ", "10 ",
                                                                  "20 "};

QString lookup(const Table &t, int i)
{
    return i >= 0 && i < kSlots ? QString::fromUtf8(t[size_t(i)]) : QString();
}

} // namespace

bool isColourIndex(int index)
{
    return index >= 0 && index < kColourCount;
}

const Colour &colour(int index)
{
    return kPalette[size_t(isColourIndex(index) ? index : 0)];
}

QVector<int> ceramicColumn(Column c)
{
    switch (c) {
    case Column::A:
        return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11};
    case Column::E:
        return {0, 1, 2, 5, 8, 9};
    default:
        return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    }
}

QVector<int> bandedColumn(Column c)
{
    switch (c) {
    case Column::C:
        return {3, 4, 5};
    case Column::D:
        return {0, 5, 9};
    case Column::E:
        return {1, 2, 4};
    default:
        return {0, 1, 2, 3, 4, 5, 6, 7, 8, 9};
    }
}

QString temperatureCoefficient(int a)
{
    return lookup(kCoefficient, a);
}

int coefficientLabelHeight(int a)
{
    return a == 9 || a == 10 ? kLongCoefficientHeight : kCoefficientHeight;
}

QString multiplierText(int d)
{
    if (d >= 0 && d <= 7)
        return QString::number(qlonglong(std::llround(std::pow(10.0, d))));
    if (d == 8)
        return QStringLiteral("0,01");
    if (d == 9)
        return QStringLiteral("0,1");
    return QString();
}

QString ceramicTolerance(int e, double picofarads)
{
    if (picofarads == 0)
        return QString();
    return lookup(picofarads < 10 ? kToleranceBelow10pF : kToleranceFrom10pF, e);
}

QString bandedTolerance(int d)
{
    return lookup(kBandedTolerance, d);
}

QString bandedVoltage(int e)
{
    return lookup(kBandedVoltage, e);
}

double capacitance(const QString &firstDigit, const QString &secondDigit, const QString &multiplier)
{
    const double m = num::localeNumber(multiplier, kComma).value_or(0);
    const double n = num::localeNumber(firstDigit + secondDigit, kComma).value_or(0);
    const double c = n * m;
    // Neither a negative zero nor anything beyond a double reaches the labels.
    return std::isfinite(c) && c != 0 ? c : 0;
}

ValueTexts valueTexts(double picofarads)
{
    return {num::generalText(picofarads, kComma), num::generalText(picofarads / 1000, kComma),
            num::generalText(picofarads / 1000000, kComma)};
}

QChar toleranceLetter(int index)
{
    return index >= 0 && index < kLetterCount ? QChar(u"EFGHJKM"[index]) : QChar();
}

QString letterTolerance(int index)
{
    return index >= 0 && index < kLetterCount ? QString::fromLatin1(kLetterTolerance[size_t(index)])
                                              : QString();
}

QString zeros(int count)
{
    return count >= 0 && count <= 9 ? QString(count, QLatin1Char('0')) : QString();
}

ValueTexts printedTexts(const QString &first, const QString &second, const QString &zeros)
{
    const QString pf = first + second + zeros;
    double x = num::leadingNumber(pf);
    if (!std::isfinite(x) || x == 0)
        x = 0;
    const QString blank(QLatin1Char(' '));
    return {pf + blank, num::generalText(x / 1000, kComma) + blank,
            num::generalText(x / 1000000, kComma) + blank};
}

} // namespace capcodes
