// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/appdir.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

// Where an install puts the data, seen from the executable's folder.
#ifndef KONDRIX_DATA_FROM_EXE
#define KONDRIX_DATA_FROM_EXE ""
#endif

namespace appdir {
namespace {
QString &overridePath()
{
    static QString p;
    return p;
}

QString &overrideConfigPath()
{
    static QString p;
    return p;
}

// Finds an entry of dir whose name equals name without regard to case.
QString matchEntry(const QDir &dir, const QString &name)
{
    const QStringList entries =
        dir.entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QString &e : entries)
        if (e.compare(name, Qt::CaseInsensitive) == 0)
            return e;
    return {};
}
} // namespace

namespace {
// A folder of the data has at least one of entries. The program's own folder
// counts with any of the data beside it, damaged or partial copies too; an XDG
// folder only with what is never among a user's own records there.
bool hasAny(const QString &dir, std::initializer_list<const char *> entries)
{
    for (const char *e : entries)
        if (QFileInfo::exists(resolve(dir, QLatin1Char('\\') + QString::fromUtf8(e))))
            return true;
    return false;
}

bool holdsData(const QString &dir)
{
    return hasAny(dir, {"help.htm", "trafo.ini", "Wav", "dioda.ini", "műszaki.txt", "SMD", "Tranzisztor"});
}

bool holdsShippedData(const QString &dir)
{
    return hasAny(dir, {"help.htm", "trafo.ini", "Wav"});
}
} // namespace

QString locate(const QString &exeDir, const QString &installedDataDir, const QStringList &dataDirs)
{
    if (holdsData(exeDir))
        return exeDir;
    if (!installedDataDir.isEmpty()) {
        const QString installed = QDir::cleanPath(exeDir + QLatin1Char('/') + installedDataDir);
        if (holdsData(installed))
            return installed;
    }
    for (const QString &d : dataDirs)
        if (holdsShippedData(d + QStringLiteral("/kondrix")))
            return d + QStringLiteral("/kondrix");
    return exeDir;
}

QString path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    if (!QCoreApplication::instance())
        return QDir::currentPath();
    static const QString found =
        locate(QCoreApplication::applicationDirPath(), QStringLiteral(KONDRIX_DATA_FROM_EXE),
               QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation));
    return found;
}

void setPath(const QString &dir)
{
    overridePath() = dir;
}

QString resolve(const QString &base, const QString &relative)
{
    QString rel = relative;
    rel.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QStringList parts = rel.split(QLatin1Char('/'), Qt::SkipEmptyParts);
    for (const QString &p : parts)
        if (p == QLatin1String("..") || p == QLatin1String("."))
            return {};
    if (parts.isEmpty())
        return {};

    const QString exact = base + QLatin1Char('/') + parts.join(QLatin1Char('/'));
    if (QFileInfo::exists(exact))
        return exact;

    // Walk down matching each component without regard to case; the first
    // component that has no match keeps its own spelling.
    QString cur = base;
    for (int i = 0; i < parts.size(); ++i) {
        const QString found = matchEntry(QDir(cur), parts.at(i));
        if (found.isEmpty()) {
            QStringList rest = parts.mid(i);
            return cur + QLatin1Char('/') + rest.join(QLatin1Char('/'));
        }
        cur += QLatin1Char('/') + found;
    }
    return cur;
}

QString file(const QString &relative)
{
    return resolve(path(), relative);
}

QString userConfigPath()
{
    if (!overrideConfigPath().isEmpty())
        return overrideConfigPath();
    // Fixed folder name rather than AppConfigLocation, which would follow
    // whatever application name the running program set.
    return QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation)
           + QStringLiteral("/kondrix");
}

void setUserConfigPath(const QString &dir)
{
    overrideConfigPath() = dir;
}

bool fileExists(const QString &p)
{
    if (p.isEmpty())
        return false;
    const QFileInfo fi(p);
    return fi.exists() && !fi.isDir();
}

} // namespace appdir
