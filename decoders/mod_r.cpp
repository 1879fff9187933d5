// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/mod_r.h"

#include "core/numbers.h"

#include <cmath>
#include <limits>

namespace mod_R {
namespace {

const QChar kComma(QLatin1Char(','));

// Palette colours follow the usual colour-code charts; the band colours are
// what the drawn rings show (orange and violet are a shade off the palette).
constexpr ColourInfo kColours[kColourCount] = {
    {"0-Fekete", {0, 0, 0}, {255, 255, 255}, {0, 0, 0}},
    {"1-Barna", {128, 64, 0}, {255, 255, 255}, {128, 64, 0}},
    {"2-Vörös", {255, 0, 0}, {255, 255, 255}, {255, 0, 0}},
    {"3-Narancs", {255, 128, 0}, {255, 255, 255}, {255, 143, 15}},
    {"4-Sárga", {255, 255, 0}, {0, 0, 255}, {255, 255, 0}},
    {"5-Zöld", {0, 255, 0}, {0, 0, 0}, {0, 255, 0}},
    {"6-Kék", {0, 0, 255}, {255, 255, 255}, {0, 0, 255}},
    {"7-Ibolya", {128, 128, 255}, {255, 255, 255}, {128, 127, 255}},
    {"8-Szürke", {128, 128, 128}, {255, 255, 255}, {128, 128, 128}},
    {"9-Fehér", {255, 255, 255}, {0, 0, 0}, {255, 255, 255}},
    {"Ezüst", {152, 164, 184}, {255, 255, 255}, {152, 164, 184}},
    {"Arany", {240, 220, 136}, {255, 255, 255}, {240, 220, 136}},
    {"Jelöletlen", {216, 164, 120}, {255, 255, 255}, {208, 160, 111}},
};

// Tolerance texts by colour index; black, grey and white have none.
const char *const kTolerance[kColourCount] = {"",   "1%",  "2%", "3%", "4%",  "0,5%", "0,25%",
                                              "0,1%", "", "", "10%", "5%", "20%"};

// The typed-value tolerance list: colours 12, 10, 11, 4, 3, 2, 1, 5, 6, 7.
constexpr int kToleranceOrder[] = {12, 10, 11, 4, 3, 2, 1, 5, 6, 7};

Tables g_tables;
bool g_filled = false;

// The number written with at most 15 significant digits and read back: the
// floating-point residue of a product (47.00000000000001) vanishes.
double cleaned(double v)
{
    return num::localeNumber(num::generalText(v, kComma), kComma).value_or(v);
}

} // namespace

bool isColourIndex(int index)
{
    return index >= 0 && index < kColourCount;
}

const ColourInfo &colour(int index)
{
    Q_ASSERT(isColourIndex(index));
    return kColours[index];
}

void InitColourTables()
{
    Tables t;
    const double none = std::numeric_limits<double>::quiet_NaN();
    for (int i = 0; i < kColourCount; ++i) {
        t.digit[size_t(i)] = i <= 9 ? i : -1;
        t.multiplier[size_t(i)] = i <= 9 ? std::pow(10.0, i) : none;
        t.tolerance[size_t(i)] = QString::fromUtf8(kTolerance[i]);
    }
    t.multiplier[kSilver] = 0.01;
    t.multiplier[kGold] = 0.1;
    t.units = QStringList{QStringLiteral("Ohm"), QStringLiteral("k-Ohm"), QStringLiteral("M-Ohm")};
    t.paletteHint = QStringLiteral("Ha ide klikkelsz átszínezed a villogó vonal alatti sávot !");
    g_tables = t;
    g_filled = true;
}

const Tables &tables()
{
    if (!g_filled)
        InitColourTables();
    return g_tables;
}

bool roleOffers(BandRole role, int index)
{
    switch (role) {
    case BandRole::Digit:
        return index >= 0 && index <= 9;
    case BandRole::Multiplier:
        return index >= 0 && index <= kGold;
    case BandRole::Tolerance:
        return (index >= 1 && index <= 7) || (index >= kSilver && index <= kUnmarked);
    }
    return false;
}

QStringList toleranceList()
{
    QStringList list;
    for (int i : kToleranceOrder)
        list.append(tables().tolerance[size_t(i)]);
    return list;
}

std::optional<double> resistance(const QVector<int> &digitBands, int multiplierBand)
{
    const Tables &t = tables();
    if (digitBands.isEmpty() || !roleOffers(BandRole::Multiplier, multiplierBand))
        return std::nullopt;
    double spelled = 0;
    for (int band : digitBands) {
        if (!roleOffers(BandRole::Digit, band))
            return std::nullopt;
        spelled = spelled * 10 + t.digit[size_t(band)];
    }
    return spelled * t.multiplier[size_t(multiplierBand)];
}

std::optional<QString> valueText(double ohms, int toleranceBand)
{
    if (!std::isfinite(ohms) || ohms < 0 || !isColourIndex(toleranceBand))
        return std::nullopt;
    double shown = ohms;
    QString unit = QStringLiteral(" ohm ");
    if (ohms > 999999999) {
        shown = ohms / 1e9;
        unit = QStringLiteral(" G-ohm ");
    } else if (ohms > 999999) {
        shown = ohms / 1e6;
        unit = QStringLiteral(" M-ohm ");
    } else if (ohms > 999) {
        shown = ohms / 1000;
        unit = QStringLiteral(" k-ohm ");
    }
    return num::generalText(shown, kComma) + unit + QLatin1Char(' ')
           + tables().tolerance[size_t(toleranceBand)];
}

bool typedValueAccepted(const QString &text)
{
    const qsizetype n = text.size();
    if (n == 3 && text.at(2) == QLatin1Char('0'))
        return true;
    if (n > 3)
        return false;
    if (n == 3 && text.at(1) != kComma)
        return false;
    return true;
}

double unitFactor(const QString &unit)
{
    if (unit == QLatin1String("k-Ohm"))
        return 1000;
    if (unit == QLatin1String("M-Ohm"))
        return 1000000;
    return 1;
}

std::optional<ValueBands> bandsFromTyped(const QString &text, const QString &unit)
{
    // A rejected text could spell three significant digits (475), which two
    // digit bands cannot show: it gets no bands rather than wrong ones.
    if (!typedValueAccepted(text))
        return std::nullopt;
    const std::optional<double> typed = num::localeNumber(text, kComma);
    if (!typed || !std::isfinite(*typed) || *typed < 0)
        return std::nullopt;
    const double v = *typed;
    const double f = unitFactor(unit);

    if (f == 1 && v < 1) {
        const int first = int(std::trunc(cleaned(v * 10)));
        if (first < 0 || first > 9)
            return std::nullopt;
        return ValueBands{first, 0, kSilver};
    }
    if (text.size() == 1 && f == 1) {
        const int d = int(v);
        return ValueBands{0, d, 0};
    }

    const double s = v * f;
    for (int e = -9; e <= 2; ++e) {
        // Compared after cleaning: a raw 9.999999999999998 would slip to the
        // next exponent and give a value ten times too small.
        const double x = cleaned(s * std::pow(10.0, e));
        if (x < 10 || x >= 100)
            continue;
        const int whole = int(x);
        if (whole != x)
            return std::nullopt;
        const int exponent = -e;
        int multiplier;
        if (exponent >= 0)
            multiplier = exponent;
        else
            multiplier = exponent == -1 ? kGold : kSilver;
        return ValueBands{whole / 10, whole % 10, multiplier};
    }
    return std::nullopt;
}

std::optional<int> toleranceColour(const QString &text)
{
    // Grey and white have an empty tolerance text: an empty pick is no colour.
    if (text.isEmpty())
        return std::nullopt;
    const Tables &t = tables();
    for (int i = 1; i < kColourCount; ++i)
        if (t.tolerance[size_t(i)] == text)
            return i;
    return std::nullopt;
}

std::optional<QChar> keyFilter(QChar c)
{
    if (c.unicode() < 32 || c == kComma)
        return c;
    if (c == QLatin1Char('.'))
        return kComma;
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c;
    return std::nullopt;
}

} // namespace mod_R
