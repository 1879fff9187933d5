// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>
#include <optional>

// Resistor colour bands: the colour table, resistance from bands and back.
// Numbers here are always written and read with the decimal comma, whatever
// the user's locale: the windows and their help are made for it.
namespace mod_R {

constexpr int kColourCount = 13;
constexpr int kSilver = 10;
constexpr int kGold = 11;
constexpr int kUnmarked = 12;

struct Rgb
{
    int r, g, b;
};

struct ColourInfo
{
    const char *caption;        // UTF-8 palette caption ("4-Sárga")
    Rgb paletteBackground;
    Rgb paletteText;
    Rgb bandColour;             // flat fill of the band image (silver and gold are textures)
};

const ColourInfo &colour(int index);   // index 0..12
bool isColourIndex(int index);

// Fills the digit, multiplier and tolerance tables, the unit list and the
// palette hint. Any number of calls give the same contents.
void InitColourTables();

struct Tables
{
    std::array<int, kColourCount> digit;            // -1: no digit
    std::array<double, kColourCount> multiplier;    // NaN: no multiplier
    std::array<QString, kColourCount> tolerance;    // empty: no tolerance
    QStringList units;                              // "Ohm", "k-Ohm", "M-Ohm"
    QString paletteHint;
};
const Tables &tables();

enum class BandRole { Digit, Multiplier, Tolerance };
// Whether a band of this role may take the colour.
bool roleOffers(BandRole role, int index);

// The tolerance list offered for typed values, in its display order.
QStringList toleranceList();

// Digits in band order (two or three) and the multiplier band; no value when
// a band holds a colour its role does not have.
std::optional<double> resistance(const QVector<int> &digitBands, int multiplierBand);

// "4,7 k-ohm  10%": the number, its unit text and the tolerance of the band.
// No value for a negative or non-finite resistance or a bad band index.
std::optional<QString> valueText(double ohms, int toleranceBand);

// Whether the four-band window accepts the typed value text.
bool typedValueAccepted(const QString &text);

struct ValueBands
{
    int first;
    int second;
    int multiplier;
};
double unitFactor(const QString &unit);
// The three value bands for a typed value and unit; none leaves them unmarked.
std::optional<ValueBands> bandsFromTyped(const QString &text, const QString &unit);

// The colour (1..12) whose tolerance text equals text.
std::optional<int> toleranceColour(const QString &text);

// The value box's key filter: the character to insert, or none to drop it.
std::optional<QChar> keyFilter(QChar c);

} // namespace mod_R
