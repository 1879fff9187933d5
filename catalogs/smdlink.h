// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>

class Transistor_Table;

// From an SMD marking code's base type to the transistor catalog.

// The type names tried for a base type, in order: the base as written
// (trimmed); without a gain-group suffix after a hyphen (BC327-16 -> BC327,
// 2SA1015-GR -> 2SA1015); without a gain-group letter after the number
// (BC548A -> BC548).
QStringList Smd_BaseTypeCandidates(const QString &base);

struct Transistor_Match
{
    int slot = -1;
    QString type;   // the type name as the catalog holds it
};

// The first catalog record whose type name equals a candidate of the base
// type, case ignored; candidates in their order, records in slot order.
std::optional<Transistor_Match> Find_Transistor_Type(const Transistor_Table &table, const QString &base);

// "A tranzisztor katalógusban nincs BAS16 típus." and the like.
QString Smd_NoTransistorMessage(const QString &base);
