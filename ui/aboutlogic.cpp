// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/aboutlogic.h"

#include <QDir>
#include <QFileInfo>
#include <QRegularExpression>

namespace about {

QString versionText()
{
    return QStringLiteral("Verzió: %1.%2.%3")
        .arg(KONDRIX_VERSION_MAJOR)
        .arg(KONDRIX_VERSION_MINOR)
        .arg(KONDRIX_VERSION_PATCH);
}

bool isValidEmailAddress(const QString &address)
{
    // The wildcard pattern, case-sensitive; "*" also matches line breaks.
    static const QRegularExpression re(QStringLiteral("\\A.*@[A-Za-z0-9,].*\\..*\\z"),
                                       QRegularExpression::DotMatchesEverythingOption);
    return re.match(address).hasMatch();
}

QString findProgram(const QStringList &candidates, const QString &searchPath)
{
    const QStringList dirs = searchPath.split(QDir::listSeparator(), Qt::SkipEmptyParts);
    for (const QString &name : candidates) {
        for (const QString &dir : dirs) {
            const QFileInfo fi(QDir(dir).filePath(name));
            if (fi.isFile() && fi.isExecutable())
                return fi.absoluteFilePath();
        }
    }
    return {};
}

QStringList systemInfoCandidates()
{
    return {QStringLiteral("kinfocenter"), QStringLiteral("hardinfo2"), QStringLiteral("hardinfo"),
            QStringLiteral("gnome-system-monitor"), QStringLiteral("mate-system-monitor"),
            QStringLiteral("xfce4-taskmanager")};
}

} // namespace about
