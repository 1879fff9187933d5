// SPDX-License-Identifier: GPL-3.0-or-later
#include "damaged/damage.h"

#include "core/textfile.h"
#include "support/windowtest.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QTest>

#include <linux/capability.h>
#include <sys/syscall.h>
#include <unistd.h>

namespace damage {

QList<Kind> all()
{
    return {Kind::Missing, Kind::Empty,  Kind::Cut,       Kind::Random,    Kind::HugeLine,
            Kind::LfOnly,  Kind::Utf8,   Kind::Directory, Kind::Unreadable};
}

QList<Kind> forBinary()
{
    return {Kind::Missing, Kind::Empty, Kind::Cut, Kind::Random, Kind::HugeLine, Kind::Directory,
            Kind::Unreadable};
}

const char *name(Kind kind)
{
    switch (kind) {
    case Kind::Missing: return "missing";
    case Kind::Empty: return "empty";
    case Kind::Cut: return "cut";
    case Kind::Random: return "random";
    case Kind::HugeLine: return "hugeline";
    case Kind::LfOnly: return "lf";
    case Kind::Utf8: return "utf8";
    case Kind::Directory: return "directory";
    case Kind::Unreadable: return "unreadable";
    }
    return "?";
}

namespace {
bool isEnd(char c) { return c == '\r' || c == '\n'; }

// A cut inside a line: both neighbours of the cut are line characters.
QByteArray cutInLine(const QByteArray &b)
{
    if (b.size() < 3)
        return b.left(b.size() / 2);
    for (qsizetype p = b.size() / 2; p < b.size(); ++p)
        if (!isEnd(b.at(p - 1)) && !isEnd(b.at(p)))
            return b.left(p);
    return b.left(b.size() / 2);
}

// The second line replaced by kHugeLine characters, so that the line count
// stays.
QByteArray withHugeLine(const QByteArray &b)
{
    QByteArray line;
    line.reserve(kHugeLine);
    static const char pattern[] = "HugeLine 0123456789,\"abc\" \xe1\xe9\xf5\xfb ";
    while (line.size() < kHugeLine)
        line.append(pattern, qsizetype(sizeof pattern - 1));
    line.truncate(kHugeLine);
    const qsizetype first = b.indexOf('\r');
    if (first < 0)
        return b + line;
    qsizetype start = first + 1;
    if (start < b.size() && b.at(start) == '\n')
        ++start;
    qsizetype end = b.indexOf('\r', start);
    if (end < 0)
        end = b.size();
    return b.left(start) + line + b.mid(end);
}

bool write(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly | QIODevice::Truncate) && f.write(bytes) == bytes.size();
}
} // namespace

bool apply(const QString &path, Kind kind, quint32 seed)
{
    QByteArray original;
    {
        QFile f(path);
        if (f.open(QIODevice::ReadOnly))
            original = f.readAll();
    }
    switch (kind) {
    case Kind::Missing:
        return QFile::remove(path) || !QFileInfo::exists(path);
    case Kind::Empty:
        return write(path, {});
    case Kind::Cut:
        return write(path, cutInLine(original));
    case Kind::Random: {
        QRandomGenerator gen(seed);
        QByteArray bytes(std::max<qsizetype>(original.size(), 8192), Qt::Uninitialized);
        for (char &c : bytes)
            c = char(gen.bounded(256));
        return write(path, bytes);
    }
    case Kind::HugeLine:
        return write(path, withHugeLine(original));
    case Kind::LfOnly: {
        QByteArray b = original;
        return write(path, b.replace("\r\n", "\n"));
    }
    case Kind::Utf8:
        return write(path, textfile::decode(original).toUtf8());
    case Kind::Directory:
        QFile::remove(path);
        return QDir().mkpath(path) && write(path + QStringLiteral("/inside.txt"), "x\r\n");
    case Kind::Unreadable:
        return canTestUnreadable() && QFile::setPermissions(path, QFileDevice::Permissions());
    }
    return false;
}

void restore(const QString &path, const QString &source)
{
    const QFileInfo fi(path);
    if (fi.isDir()) {
        QDir(path).removeRecursively();
    } else if (fi.exists()) {
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QFile::remove(path);
    }
    QFile in(source);
    if (in.open(QIODevice::ReadOnly))
        write(path, in.readAll());
}

namespace {
bool dropReadOverride()
{
    if (geteuid() != 0)
        return true;
    __user_cap_header_struct header{_LINUX_CAPABILITY_VERSION_3, 0};
    __user_cap_data_struct data[_LINUX_CAPABILITY_U32S_3] = {};
    if (syscall(SYS_capget, &header, data) != 0)
        return false;
    for (int cap : {CAP_DAC_OVERRIDE, CAP_DAC_READ_SEARCH})
        data[CAP_TO_INDEX(cap)].effective &= ~CAP_TO_MASK(cap);
    return syscall(SYS_capset, &header, data) == 0;
}

bool probeUnreadable()
{
    if (!dropReadOverride())
        return false;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("probe"));
    if (!write(path, "x") || !QFile::setPermissions(path, QFileDevice::Permissions()))
        return false;
    QFile f(path);
    return !f.open(QIODevice::ReadOnly);
}
} // namespace

bool isOwn(const QString &file)
{
    return file.startsWith(QString::fromUtf8("saját/"));
}

QString pathOf(const WindowTestEnv &env, const QString &file)
{
    const qsizetype prefix = QString::fromUtf8("saját/").size();
    return isOwn(file) ? env.userDataDir() + QLatin1Char('/') + file.mid(prefix)
                       : env.appDir() + QLatin1Char('/') + file;
}

void clearOwn(const WindowTestEnv &env)
{
    QDir(env.userDataDir()).removeRecursively();
    QDir().mkpath(env.userDataDir());
}

bool canTestUnreadable()
{
    static const bool can = probeUnreadable();
    return can;
}

} // namespace damage

void addDamageColumns()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<int>("kind");
}

void addDamageRows(const QString &file, const QList<damage::Kind> &kinds)
{
    for (damage::Kind k : kinds)
        QTest::addRow("%s/%s", qPrintable(file), damage::name(k)) << file << int(k);
}
