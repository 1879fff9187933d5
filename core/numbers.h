// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QChar>
#include <QString>
#include <optional>

namespace num {

// Leading-number reading: blanks, tabs and line feeds anywhere are ignored; an
// optional sign, digits with at most one "." and an optional exponent (E or D)
// are read, or an integer after &H / &O; reading stops at the first other
// character; no number at the start gives 0 ("12.5V" -> 12.5, "12,5" -> 12).
// A value too large for a double gives an infinity: callers that compute
// with it check std::isfinite.
double leadingNumber(QStringView text);

// Locale number reading: the whole text (surrounding blanks aside) must be a
// number written with the given decimal separator ("4,7" -> 4.7, "4," -> 4,
// ",5" -> 0.5). Anything else gives no value.
std::optional<double> localeNumber(QStringView text, QChar decimalPoint);
std::optional<double> localeNumber(QStringView text);   // the user's locale

// General number text: up to 15 significant digits, rounded, no trailing
// zeros, no leading blank; exponent form below 0.0001 and from 1E+15 upward
// (4,7; 22,6; 0,47; 10; 4,7E-05; 1E+15).
QString generalText(double value, QChar decimalPoint);
QString generalText(double value);                      // the user's locale

// Decimal number text: a blank or a minus sign, then the number with "." and
// no zero before the point (" 5", " .5", "-2", " 1.84467440737096E+19").
QString decimalText(double value);

QChar localeDecimalPoint();

} // namespace num
