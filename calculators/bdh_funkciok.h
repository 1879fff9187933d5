// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// Whole numbers between binary, decimal and hexadecimal notation. Values are
// carried as 64-bit unsigned integers, so every number from 0 to 2^64 - 1
// converts exactly.
namespace BDH_Funkciók {

enum Notation { Binary = 0, Decimal = 1, Hexadecimal = 2 };

// Set by the conversions (and by the window's own validation) when the input
// holds a character its notation does not allow.
extern bool Hiba;

// Binary digits to a value: any character other than 0 or 1 sets Hiba and
// gives 0. More than 64 significant digits also give 0 (*overflow set).
quint64 BinToDec(const QString &s, bool *overflow = nullptr);
// The binary digits of x, "0" for 0.
QString DecToBin(quint64 x);
// Hexadecimal digits (either case) to a value. Only as many characters are
// examined as the text holds without its surrounding blanks, counted from
// its first character. An invalid character sets Hiba and gives 0; more than
// 16 significant digits give 0 with *overflow set.
quint64 HexToDec(const QString &s, bool *overflow = nullptr);
// 2, 4, 8, 12 or 16 upper-case hexadecimal digits, by the size of x.
QString DecToHex(quint64 x);

// What the window shows for one input.
struct Conversion
{
    QString bin, dec, hex;
    bool error = false;   // the error line is shown
    QString message;      // its text
};

// Converts the typed text in the given notation. The text must not be
// empty (an empty input leaves the window as it is).
Conversion convert(Notation from, const QString &text);

extern const char *const kCharacterError;   // "Karakter hiba !!!!!!"

} // namespace BDH_Funkciók
