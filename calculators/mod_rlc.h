// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <QStringList>
#include <optional>

// The decimal prefixes atto..Exa in steps of 1000 and the prefixed unit
// symbols of resistance, capacitance, inductance and frequency.
namespace mod_RLC {

constexpr int kPrefixes = 13;
constexpr int kBaseIndex = 6;   // no prefix

enum Column { Ohm = 0, Farad = 1, Henry = 2, Hertz = 3 };

// Writes both tables (again); the windows that use them call it on load.
void FillTables();

// Index 0..12; an index outside that range gives an empty text, a blank
// letter and exponent 0.
QString shortName(int index);     // "atto" .. "mili", "", "kilo", "Mega" .. "Exa"
QChar letter(int index);          // a f p n u m, blank, K M G T P E
int exponent(int index);          // -18 + 3 * index
QString unitSymbol(int index, int column);   // "pF", " H", "KHz", "Mohm"

// A typed number in base units: x * 10^exponent(index).
double scale(double x, int index);

struct Normalised
{
    double mantissa;
    int index;   // may lie outside 0..12 for values beyond the prefixes
};

struct Typed
{
    double number;   // as written
    int index;       // its prefix
    double value;    // in base units
};

// A value written with an optional prefix letter, as on a schematic: "10u",
// "4,7n", "100n", "2.2M", "10µ", "1e-6", the letter also standing for the
// decimal point ("4k7"). k and K are kilo, u, µ and μ micro; E after digits
// reads as an exponent unless it ends the text. One of units may follow
// ("10uH"; case ignored in units of more than one letter). Anything else, and a value too large for a double,
// gives no value.
std::optional<Typed> readPrefixed(QStringView text, const QStringList &units = {});

// Repeated division or multiplication by 1000 into a mantissa 1 <= m < 1000.
// Only a positive finite value has one: anything else gives no result.
std::optional<Normalised> qqq(double v);

} // namespace mod_RLC
