#pragma once

#include <QChar>
#include <QString>
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

// Repeated division or multiplication by 1000 into a mantissa 1 <= m < 1000.
// Only a positive finite value has one: anything else gives no result.
std::optional<Normalised> qqq(double v);

} // namespace mod_RLC
