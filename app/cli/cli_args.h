// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "app/cli/cli.h"

#include <QMap>

// Argument handling shared by the decoder, calculator and catalog commands.
namespace cli {

struct Args
{
    QStringList positional;
    QMap<QString, QString> options;   // "--L" -> "10u"
    QString error;                    // Hungarian; empty when the line is usable
};

// Options in valueOptions take the next argument as their value; any other
// argument starting with "--" is an error, as is an option without a value.
inline Args parseArgs(const QStringList &args, const QStringList &valueOptions = {})
{
    Args a;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString &arg = args.at(i);
        if (!arg.startsWith(QLatin1String("--"))) {
            a.positional << arg;
            continue;
        }
        if (!valueOptions.contains(arg)) {
            a.error = QStringLiteral("Ismeretlen kapcsoló: %1").arg(arg);
            return a;
        }
        if (i + 1 >= args.size() || args.at(i + 1).trimmed().isEmpty()) {
            a.error = QStringLiteral("Hiányzik a(z) %1 értéke.").arg(arg);
            return a;
        }
        if (a.options.contains(arg)) {
            a.error = QStringLiteral("A(z) %1 kétszer szerepel.").arg(arg);
            return a;
        }
        a.options.insert(arg, args.at(++i).trimmed());
    }
    return a;
}

// One positional argument that is not empty; false with an error otherwise.
inline bool singleArgument(const Args &a, const QString &what, QString *value, Result *error)
{
    if (!a.error.isEmpty()) {
        *error = usageError(a.error);
        return false;
    }
    if (a.positional.size() != 1 || a.positional.first().trimmed().isEmpty()) {
        *error = usageError(QStringLiteral("Egy argumentum kell: %1.").arg(what));
        return false;
    }
    *value = a.positional.first().trimmed();
    return true;
}

inline Result done(const QStringList &lines, const QJsonObject &json)
{
    Result r;
    r.lines = lines;
    r.json = json;
    return r;
}

// A failure that still carries what is known about the input.
inline Result failed(Result r, const QJsonObject &json)
{
    r.json = json;
    return r;
}

inline Result withWarnings(Result r, const QStringList &warnings)
{
    for (const QString &w : warnings)
        if (!w.isEmpty() && !r.warnings.contains(w) && w != r.message)
            r.warnings << w;
    return r;
}

} // namespace cli
