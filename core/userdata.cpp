// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/userdata.h"

#include "core/appdir.h"
#include "core/textfile.h"

#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace userdata {
namespace {
QString &overridePath()
{
    static QString p;
    return p;
}
} // namespace

QString path()
{
    if (!overridePath().isEmpty())
        return overridePath();
    // A fixed folder name, whatever application name the program set.
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + QStringLiteral("/kondrix");
}

void setPath(const QString &dir)
{
    overridePath() = dir;
}

QString file(const QString &relative)
{
    const QString dir = path();
    const QFileInfo info(dir);
    // Most users have no folder: no case-insensitive walk through nothing.
    if (dir.isEmpty() || !info.isDir())
        return QString();
    if (info.canonicalFilePath() == QFileInfo(appdir::path()).canonicalFilePath())
        return QString();
    return appdir::resolve(dir, relative);
}

bool present(const QString &relative)
{
    const QString p = file(relative);
    // exists() is false for an entry it may not look at; the entry is still there.
    return !p.isEmpty() && (QFileInfo::exists(p) || QFileInfo(p).isSymLink());
}

bool read(const QString &relative, QString *text, QStringList *problems)
{
    if (!present(relative))
        return false;
    const QString p = file(relative);
    QFile f(p);
    if (QFileInfo(p).isDir() || !textfile::readAll(f, text)) {
        problems->append(QString::fromUtf8("Nem olvasható a(z) %1 fájl.").arg(p));
        return false;
    }
    return true;
}

bool readWithOwn(const QString &relative, QString *shipped, QString *own, QStringList *problems)
{
    QFile f(appdir::file(relative));
    const bool ok = textfile::readAll(f, shipped);
    read(relative, own, problems);
    return ok;
}

QString loadMessage(bool shippedRead, bool anyRecords, const QStringList &ownProblems, const QString &missing,
                    const QString &onlyOwn)
{
    QStringList lines = ownProblems;
    if (!shippedRead)
        lines.prepend(missing + (anyRecords ? onlyOwn : QString::fromUtf8("a lista üres.")));
    return lines.join(QLatin1Char('\n'));
}

QString marker()
{
    return QString::fromUtf8("(saját)");
}

QString marked(const QString &text)
{
    return text.isEmpty() ? marker() : text + QLatin1Char(' ') + marker();
}

} // namespace userdata
