// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDir>
#include <QFile>
#include <QString>
#include <QStringList>

// A user's own records, one of each catalog (code page 1250, CR LF), as a
// user would add them to ~/.local/share/kondrix. Each one is found by the same
// search as shipped records, so it must be listed after them.
namespace userrecords {

inline const char *const kTransistor = "BC546SAJ";
inline const char *const kDiode = "1N4001SAJ";
inline const char *const kSmdCode = "1A";
// Sorts first in Hungarian ("á" with "a"), yet must come after every shipped term.
inline const char *const kTerm = "\xc3\xa1" "b" "\xc3\xa9" "c" "\xc3\xa9" "-ellen" "\xc3\xa1" "ll" "\xc3\xa1" "s";

inline bool write(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(path.section(QLatin1Char('/'), 0, -2));
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}

// The nineteen field files of the given types (all else alike).
inline bool writeTransistors(const QString &dir, const QList<QByteArray> &types)
{
    const QByteArray fields[19] = {"",       "2",   "2",    "625 mW", "70 V", "65 V",   "6 V",
                                   "200 mA", "150", "250 MHz", "3 pF", "200-450", "Saj", "TO92-EBC",
                                   "<286",   "",    "",     "",       ""};
    bool ok = true;
    for (int f = 0; f < 19; ++f) {
        QByteArray lines;
        for (const QByteArray &t : types)
            lines += (f == 0 ? t : fields[f]) + "\r\n";
        ok = ok && write(dir + QStringLiteral("/Tranzisztor/f%1.txt").arg(f, 2, 10, QLatin1Char('0')), lines);
    }
    return ok;
}

// Every catalog's file of the user, one record each, under dir.
inline bool writeAll(const QString &dir)
{
    return writeTransistors(dir, {kTransistor})
        && write(dir + QStringLiteral("/dioda.ini"), QByteArray(kDiode) + "\r\nSi, URRM 100 V, IF 1 A\r\n")
        && write(dir + QStringLiteral("/SMD/!smd.txt"),
                 "1A,BC846SAJ,Saj," + QByteArray(kTransistor) + ",SOT-23,npn 65V\r\n")
        && write(dir + QString::fromUtf8("/műszaki.txt"),
                 "\xe1" "b" "\xe9" "c" "\xe9" "-ellen" "\xe1" "ll" "\xe1" "s,alphabet resistor,Alphabetwiderstand\r\n");
}

} // namespace userrecords
