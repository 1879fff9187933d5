// SPDX-License-Identifier: GPL-3.0-or-later
#include "core/datafile.h"

#include "core/appdir.h"
#include "core/textfile.h"

#include <QFile>

namespace datafile {

bool read(const QString &relative, QString *text, QStringList *problems)
{
    QString shown = relative.startsWith(QLatin1Char('\\')) ? relative.mid(1) : relative;
    shown.replace(QLatin1Char('\\'), QLatin1Char('/'));
    const QString path = appdir::file(relative);
    if (!appdir::fileExists(path)) {
        problems->append(QString::fromUtf8("Hiányzik a(z) %1 fájl.").arg(shown));
        return false;
    }
    QFile f(path);
    if (!textfile::readAll(f, text)) {
        problems->append(QString::fromUtf8("Nem olvasható a(z) %1 fájl.").arg(shown));
        return false;
    }
    return true;
}

} // namespace datafile
