// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QString>
#include <QStringList>

// Runs the installed kondrix-cli (installed into the build folder by the
// cli_install test fixture) with the Hungarian locale.
struct CliRun {
    int code = -1;
    QString out;
    QString err;
    QJsonObject json() const { return QJsonDocument::fromJson(out.toUtf8()).object(); }
};

// dataHome: the XDG_DATA_HOME of the run (the user's own records), configHome
// its XDG_CONFIG_HOME (the user's trafo.ini); none by default.
inline CliRun runCli(const QStringList &args,
                     const QString &program = QStringLiteral(KONDRIX_CLI_PREFIX "/bin/kondrix-cli"),
                     const QString &dataHome = QString(), const QString &configHome = QString())
{
    QProcess p;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("LANG"), QStringLiteral("hu_HU.UTF-8"));
    env.insert(QStringLiteral("LC_ALL"), QStringLiteral("hu_HU.UTF-8"));
    // The user's own trafo.ini must not change what the tests expect.
    env.insert(QStringLiteral("XDG_CONFIG_HOME"),
               configHome.isEmpty() ? QStringLiteral(KONDRIX_CLI_PREFIX "/no-config") : configHome);
    // Nor the user's own catalog records.
    env.insert(QStringLiteral("XDG_DATA_HOME"),
               dataHome.isEmpty() ? QStringLiteral(KONDRIX_CLI_PREFIX "/no-data") : dataHome);
    p.setProcessEnvironment(env);
    p.start(program, args);
    CliRun r;
    if (!p.waitForFinished(30000) || p.exitStatus() != QProcess::NormalExit)
        return r;
    r.code = p.exitCode();
    r.out = QString::fromUtf8(p.readAllStandardOutput());
    r.err = QString::fromUtf8(p.readAllStandardError());
    return r;
}

// The words of a command line, blank-separated.
inline QStringList args(const char *line) { return QString::fromUtf8(line).split(QLatin1Char(' '), Qt::SkipEmptyParts); }
inline QStringList outLines(const CliRun &r) { return r.out.split(QLatin1Char('\n'), Qt::SkipEmptyParts); }
