// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

#include <optional>

// Resistor colour codes read from either end, the E-series check that tells
// the plausible reading, and value texts turned into four- and five-band codes.
// Values and tolerances are written with the resistor windows' own texts.
namespace bands {

enum class Series { E6, E12, E24, E48, E96, E192 };

QString seriesName(Series s);   // "E24"
// The values of one decade in ascending order: two significant digits for
// E6..E24 (10..91), three for E48..E192 (100..988).
const QVector<int> &seriesValues(Series s);
// The series that belongs to a tolerance colour: 20 % E6, 10 % E12, 5 % E24,
// 2 % E48, 1 % E96, 0,5/0,25/0,1 % E192; none for 3 % and 4 %.
std::optional<Series> seriesForTolerance(int toleranceColour);
// Whether a resistance is a value of the series (in any decade).
bool inSeries(double ohms, Series s);

// A colour index (0..12) for a colour name: the resistor windows' Hungarian
// names (with or without accents, with or without the palette digit), English
// names, or a digit 0..9. Case is ignored.
std::optional<int> colourFromName(const QString &name);
// The Hungarian name as the windows write it ("Sárga"), and an English one.
QString hungarianName(int colour);
QString englishName(int colour);

struct Reading
{
    QVector<int> colours;   // in reading order; the last is the tolerance band
    bool reversed = false;  // read from the other end than given
    double ohms = 0;
    QString valueText;      // as the resistor windows show it ("4,7 k-ohm  5%")
    QString tolerance;      // "5%"
    std::optional<Series> series;   // the series of the tolerance, if any
    bool inSeries = false;
};

// Every valid reading of four or five colours, as given and reversed (once
// when both are the same), plausible first: a value of the tolerance's series
// before one that is not, then the given order before the reverse. Empty when
// no reading is valid or the
// count is not four or five.
QVector<Reading> readBands(const QVector<int> &colours);

// A resistance typed the usual ways: 4,7k 4.7k 4k7 470 1M 0R47 2G2 4,7 k-ohm
// 470 ohm. No value for anything else (also for a value too large to hold).
std::optional<double> parseValueText(const QString &text);

struct BandCode
{
    QVector<int> colours;   // digit bands then the multiplier band; empty when none
    QString message;        // why the value has no code of this length
};
// The digit and multiplier bands of a value: digitCount 2 for four bands,
// 3 for five.
BandCode valueToBands(double ohms, int digitCount);

} // namespace bands
