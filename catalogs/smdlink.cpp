// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogs/smdlink.h"

#include "catalogs/module1.h"

#include <QRegularExpression>

#include <vector>

QStringList Smd_BaseTypeCandidates(const QString &base)
{
    QStringList out;
    const QString b = base.trimmed();
    if (b.isEmpty())
        return out;
    out << b;
    // Gain groups as makers append them; other hyphenated endings (BAS40-04,
    // BZX84-C10) name a different part and are kept.
    static const QRegularExpression hyphenGroup(
        QStringLiteral("^(.*[0-9])-(6|10|16|25|40|63|100|160|250|O|R|Y|GR|BL|L)$"),
        QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression letterGroup(QStringLiteral("^(.*[0-9])[A-D]$"),
                                                QRegularExpression::CaseInsensitiveOption);
    if (const QRegularExpressionMatch m = hyphenGroup.match(b); m.hasMatch())
        out << m.captured(1);
    else if (const QRegularExpressionMatch m = letterGroup.match(b); m.hasMatch())
        out << m.captured(1);
    return out;
}

std::optional<Transistor_Match> Find_Transistor_Type(const Transistor_Table &table, const QString &base)
{
    std::vector<int> slots;
    for (const QString &candidate : Smd_BaseTypeCandidates(base)) {
        table.findTypes(candidate, &slots);
        for (int slot : slots) {
            const QStringView name = table.field(slot, 0);
            if (name.trimmed().compare(candidate, Qt::CaseInsensitive) == 0)
                return Transistor_Match{slot, name.trimmed().toString()};
        }
    }
    return std::nullopt;
}

QString Smd_NoTransistorMessage(const QString &base)
{
    const QString b = base.trimmed();
    if (b.isEmpty())
        return QStringLiteral("Ennek a kódnak nincs megadva alaptípusa.");
    return QStringLiteral("A tranzisztor katalógusban nincs %1 típus.").arg(b);
}
