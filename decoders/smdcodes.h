// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <vector>

// Printed codes of SMD resistors and capacitors.
namespace smdcodes {

// Letters of the multiplier table, in the order of the multiplier file.
inline constexpr char kMultiplierLetters[] = "ABCDEFXSYR";
// Voltage letters of the electrolytic code (case matters: "e" 2.5 V, "E" 25 V).
inline constexpr char kVoltageLetters[] = "eGJACDEVH";

struct CodePair
{
    QString code;
    QString value;
};

// The decoding tables, as read from the data files. Values stay text until used.
struct Tables
{
    std::vector<CodePair> onePercent;   // EIA-96: "01".."96" -> three digits
    std::vector<CodePair> twoFive;      // letter + two digits: "01".."48"
    std::vector<double> multipliers;    // one per letter of kMultiplierLetters
    std::vector<CodePair> ceramic;      // letter -> significant figures
};

// The four decoding tables from "\SMD\" of the application directory; a
// missing file leaves its table empty and is named in problems.
Tables loadTables(QStringList *problems);

// Pairs of comma-separated values; a file that ends after a code gives that
// code an empty value.
std::vector<CodePair> readPairs(const QString &text);
// The leading number of every line.
std::vector<double> readMultipliers(const QString &text);

// Multiplier of a letter; 0 for a letter outside the table.
double multiplier(QChar letter, const Tables &t);

// " 165 ohm", " 510 K-ohm", " 4.7 M-ohm", " 1 G-ohm" (decimal number text).
QString resistorText(double ohms);

struct ResistorResult
{
    QString code;    // the code in upper case
    QString text;    // what the result label shows
    bool known = false;   // decoded (blue) or a message (red)
    double ohms = 0;      // the value, when known
};

// Three-character resistor codes: two digits and a multiplier letter (1 %)
// or a multiplier letter and two digits (2 % and 5 %).
ResistorResult decodeResistor(const QString &typed, const Tables &t);

// Three- and four-digit resistor codes: the significant digits and a
// power-of-ten digit (103, 1002), or digits with R as the decimal point (4R7,
// R010). The text is the resistor text alone: these codes carry no tolerance.
ResistorResult decodeDigitCode(const QString &typed);

// Ceramic code from the last two characters (letter, power-of-ten digit);
// empty when it cannot be decoded.
QString decodeCeramic(const QString &typed, const Tables &t);
std::optional<double> ceramicPicofarads(const QString &typed, const Tables &t);

// Electrolytic code: voltage letter, two digits, power-of-ten digit (pF);
// "XXXX" when it cannot be decoded.
QString decodeElectrolytic(const QString &typed);
std::optional<double> electrolyticPicofarads(const QString &typed);

// "2.5 V" .. "50 V" for a voltage letter; empty for any other character.
QString voltageText(QChar letter);

// Capacitance in pF as "<general number> pF|nF|uF".
QString capacitanceText(double picofarads);

} // namespace smdcodes
