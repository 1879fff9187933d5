// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QVector>

// Capacitor markings: the colour codes of ceramic and banded capacitors and
// the printed three-digit code. Like the resistor code, numbers here are
// written and read with the decimal comma whatever the user's locale.
namespace capcodes {

struct Rgb
{
    int r, g, b;
    bool operator==(const Rgb &o) const { return r == o.r && g == o.g && b == o.b; }
};

constexpr int kColourCount = 12;   // 0 black .. 9 white, 10 gold, 11 silver
constexpr int kSlots = 13;         // the tables keep one spare slot
constexpr Rgb kUnset{192, 255, 192};   // a mark not picked yet

struct Colour
{
    const char *caption;   // UTF-8 ("Fekete")
    Rgb background;
    Rgb text;
};

bool isColourIndex(int index);
const Colour &colour(int index);   // index 0..11

// The colour indices of each column, top to bottom.
enum class Column { A, B, C, D, E };
QVector<int> ceramicColumn(Column c);
QVector<int> bandedColumn(Column c);

// Label heights of the temperature coefficient, in twips.
constexpr int kCoefficientHeight = 300;
constexpr int kLongCoefficientHeight = 855;

// Ceramic marks. Every lookup gives an empty text outside the table.
QString temperatureCoefficient(int a);
int coefficientLabelHeight(int a);
// The multiplier of a colour as shown: "1" .. "10000000", "0,01", "0,1".
QString multiplierText(int d);
// The tolerance of E for a capacitance in pF: its own table below 10 pF, and
// none at all for 0 pF.
QString ceramicTolerance(int e, double picofarads);

// Banded (five-band) marks.
QString bandedTolerance(int d);   // "+/- 20 %" ...
QString bandedVoltage(int e);     // "100 V" ...

// The capacitance in pF that the shown first and second digits and the shown
// multiplier spell. An empty digit adds nothing; no digits or no multiplier
// (or one that is not a number) give 0.
double capacitance(const QString &firstDigit, const QString &secondDigit, const QString &multiplier);

struct ValueTexts
{
    QString pF, nF, uF;
};
// The capacitance as pF, nF and µF in general number text with the comma.
ValueTexts valueTexts(double picofarads);

// Printed code: digits, a number of zeros and a tolerance letter.
constexpr int kLetterCount = 7;
QChar toleranceLetter(int index);     // "EFGHJKM"
QString letterTolerance(int index);   // "25 " .. "20 ", with its trailing blank
QString zeros(int count);             // count "0" characters, none outside 0..9
// The pF text (the joined texts and a blank) and the nF and µF texts read
// back from it, each followed by a blank.
ValueTexts printedTexts(const QString &first, const QString &second, const QString &zeros);

} // namespace capcodes
