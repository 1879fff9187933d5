// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/mod_trafo.h"

#include "core/appdir.h"
#include "core/numbers.h"
#include "core/textfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <cmath>
#include <optional>

namespace mod_trafo {
namespace {

// A number in a settings line, or nothing when the line does not begin with
// one (an empty line, a word). Leading-number reading would turn both into 0,
// which is a valid core code.
std::optional<double> numberIn(QStringView line)
{
    // Only the blanks that leading-number reading skips: a line starting with
    // another white space character (a vertical tab) reads as 0.
    qsizetype i = 0;
    while (i < line.size()
           && (line[i] == QLatin1Char(' ') || line[i] == QLatin1Char('\t') || line[i] == QLatin1Char('\n')))
        ++i;
    const QStringView t = line.mid(i);
    if (t.isEmpty())
        return std::nullopt;
    const QChar c = t.front();
    const bool starts = (c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('+')
                        || c == QLatin1Char('-') || c == QLatin1Char('.') || c == QLatin1Char('&');
    if (!starts)
        return std::nullopt;
    const double v = num::leadingNumber(t);
    if (!std::isfinite(v))
        return std::nullopt;
    return v;
}

// The efficiency may be written with the Hungarian decimal comma; every other
// settings number is read as the file has always been read.
QString commaAsPoint(QStringView text)
{
    QString t = text.toString();
    if (!t.contains(QLatin1Char('.'))) {
        const qsizetype comma = t.indexOf(QLatin1Char(','));
        if (comma >= 0)
            t[comma] = QLatin1Char('.');
    }
    return t;
}

// Two decimals, cut toward minus infinity, never rounded up.
double cut2(double v)
{
    return std::floor(100 * v) / 100;
}

bool g_unsaved = false;

} // namespace

// ---- Efficiency -------------------------------------------------------------

Efficiency Efficiency::fromText(const QString &text)
{
    Efficiency e;
    e.m_text = text;
    return e;
}

Efficiency Efficiency::fromNumber(double value)
{
    Efficiency e;
    e.m_isNumber = true;
    e.m_number = value;
    return e;
}

double efficiencyNumber(QStringView text)
{
    return num::leadingNumber(commaAsPoint(text));
}

double Efficiency::value() const
{
    return m_isNumber ? m_number : efficiencyNumber(m_text);
}

QString Efficiency::display() const
{
    return m_isNumber ? num::generalText(m_number) : m_text;
}

QString Efficiency::fileLine() const
{
    return m_isNumber ? numberForm(m_number) : m_text;
}

bool Efficiency::operator==(const Efficiency &o) const
{
    if (m_isNumber != o.m_isNumber)
        return false;
    return m_isNumber ? m_number == o.m_number : m_text == o.m_text;
}

// ---- Settings -------------------------------------------------------------

void Settings::setCore(Core core)
{
    if (core == Core::Hipersil) {
        K = kHipersilK;
        fluxFigure = 1.6;
    } else {
        K = kEiK;
        fluxFigure = 1;
    }
}

int Settings::coreCode() const
{
    if (K == kHipersilK)
        return 0;
    if (K == kEiK)
        return 1;
    return -1;
}

QStringList Settings::defaultEfficiencies()
{
    QStringList list;
    for (int p = 50; p <= 95; p += 5)
        list.append(QString::number(p));
    return list;
}

QString coreLabel(double K)
{
    if (K == kHipersilK)
        return QStringLiteral("Hipersil vasmag");
    if (K == kEiK)
        return QStringLiteral("EI- vasmag");
    return {};
}

QString efficiencyLabel(const Efficiency &eta)
{
    return QStringLiteral("Hatásfok:") + eta.display() + QStringLiteral(" %");
}

QString numberForm(double v)
{
    // Decimal number text already carries the leading blank or minus sign,
    // and "." keeps the value readable by leading-number reading.
    return num::decimalText(v) + QLatin1Char(' ');
}

// ---- The file ---------------------------------------------------------------

bool ReadSettings(const QString &text, Settings *s)
{
    textfile::FieldReader r(text);
    if (r.atEnd())
        return false;
    r.readLine();   // "hatásfok"
    if (r.atEnd())
        return false;
    const QString etaLine = r.readLine();
    // A line without a usable efficiency would clear every result for good;
    // so would one above 100 %, which makes the secondary turns negative
    // (a damaged "80<LF>81" reads as 8081).
    const std::optional<double> eta = numberIn(commaAsPoint(etaLine));
    bool complete = eta && *eta > 0 && *eta <= 100;
    if (complete)
        s->eta = Efficiency::fromText(etaLine);

    if (r.atEnd())
        return false;
    const std::optional<double> last = numberIn(r.readLine());
    if (!last)
        return false;   // the rest of the file cannot be located
    const double count = std::floor(*last) + 1;
    QStringList list;
    for (double i = 0; i < count; ++i) {
        // A count larger than the list would take the core lines for entries.
        textfile::FieldReader probe = r;
        if (r.atEnd() || probe.readLine().trimmed() == QLatin1String("vasmag")) {
            complete = false;
            break;
        }
        list.append(r.readField());
    }
    if (!list.isEmpty())
        s->efficiencies = list;
    else
        complete = false;

    if (r.atEnd())
        return false;
    r.readLine();   // "vasmag"
    if (r.atEnd())
        return false;
    const std::optional<double> code = numberIn(r.readLine());
    if (code && *code == 0)
        s->setCore(Core::Hipersil);
    else if (code && *code == 1)
        s->setCore(Core::EI);
    else
        complete = false;   // an unknown code leaves the core as it was
    return complete;
}

bool ReadSettings(QIODevice &device, Settings *s)
{
    QString text;
    if (!textfile::readAll(device, &text))
        return false;
    return ReadSettings(text, s);
}

QByteArray settingsFileBytes(const Settings &s)
{
    QStringList lines;
    lines.append(QStringLiteral("hatásfok"));
    lines.append(s.eta.fileLine());
    lines.append(numberForm(double(s.efficiencies.size() - 1)));
    for (const QString &entry : s.efficiencies) {
        // The reader splits a bare entry at commas and line ends, drops its
        // outer blanks and stops the list at "vasmag": quote such an entry so
        // that it comes back whole. (A value read with a quote in it never
        // holds any of these.)
        const bool bare = !entry.contains(QLatin1Char(',')) && !entry.contains(QLatin1Char('\r'))
                          && !entry.contains(QLatin1Char('\n')) && entry.trimmed() == entry
                          && entry.trimmed() != QLatin1String("vasmag");
        if (!bare && !entry.contains(QLatin1Char('"')))
            lines.append(QLatin1Char('"') + entry + QLatin1Char('"'));
        else
            lines.append(entry);
    }
    lines.append(QStringLiteral("vasmag"));
    const int code = s.coreCode();
    lines.append(code >= 0 ? numberForm(code) : QString());

    return textfile::encode(lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n"));
}

bool WriteSettings(QIODevice &device, const Settings &s)
{
    const QByteArray bytes = settingsFileBytes(s);
    return device.write(bytes) == bytes.size();
}

// ---- Program-wide settings and the file in the application directory ------

Settings &settings()
{
    static Settings s;
    return s;
}

void resetSettings()
{
    settings() = Settings();
    g_unsaved = false;
}

bool hasUnsavedSettings()
{
    return g_unsaved;
}

namespace {
const QString kIniName = QStringLiteral("\\trafo.ini");

QString userIniPath()
{
    const QString dir = appdir::userConfigPath();
    return dir.isEmpty() ? QString() : appdir::resolve(dir, kIniName);
}

// Replaces path in one step; a file that cannot be written completely leaves
// the old one in place.
bool writeAtomically(const QString &path)
{
    if (path.isEmpty())
        return false;
    QSaveFile f(path);
    // Unbuffered: a short write (full disk) shows at write() and the old file
    // is kept; buffered, it would only surface in commit(), which renames the
    // cut file into place regardless.
    return f.open(QIODevice::WriteOnly | QIODevice::Unbuffered) && WriteSettings(f, settings())
           && f.error() == QFileDevice::NoError && f.commit();
}
} // namespace

QString settingsFilePath()
{
    const QString user = userIniPath();
    return appdir::fileExists(user) ? user : appdir::file(kIniName);
}

void loadSettingsFile()
{
    if (!g_unsaved) {
        QFile f(settingsFilePath());
        if (f.open(QIODevice::ReadOnly))
            ReadSettings(f, &settings());
    }
    Q_EMIT Notifier::instance()->settingsChanged();
}

bool saveSettingsFile(QString *error)
{
    const QString user = userIniPath();
    QStringList targets;
    // Once the user has a copy, loading reads that one: a save anywhere else
    // would be hidden behind it at the next start.
    if (appdir::fileExists(user))
        targets << user;
    else
        targets << appdir::file(kIniName) << user;

    bool ok = false;
    QStringList tried;
    for (const QString &path : std::as_const(targets)) {
        if (path.isEmpty())
            continue;
        if (path == user)
            QDir().mkpath(QFileInfo(user).path());
        ok = writeAtomically(path);
        if (ok)
            break;
        tried << QDir::toNativeSeparators(path);
    }
    g_unsaved = !ok;
    if (!ok && error) {
        *error = QStringLiteral("A beállítások mentése nem sikerült:\n%1\n\n"
                                "Lehet, hogy a mappa írásvédett, vagy megtelt a lemez. "
                                "A régi fájl változatlan maradt; a most beállított értékek "
                                "a program bezárásáig érvényesek.")
                     .arg(tried.join(QLatin1Char('\n')));
    }
    Q_EMIT Notifier::instance()->settingsSaved();
    return ok;
}

Notifier *Notifier::instance()
{
    static Notifier n;
    return &n;
}

// ---- The calculation --------------------------------------------------------

Result szamit(const double *U, const double *I, int lastWinding, double etaPercent, double K)
{
    Result r;
    if (lastWinding < 0 || lastWinding >= kMaxWindings)
        return r;
    const int Up = 230;
    const double e = etaPercent / 100;

    bool valid = e > 0 && std::isfinite(e) && K > 0 && std::isfinite(K);
    double S = 0;
    for (int i = 0; i <= lastWinding; ++i) {
        const double P = I[i] * U[i];
        // A negative voltage or current has no meaning here (and two of them
        // would make a positive power with negative turns).
        if (P == 0 || !(U[i] > 0) || !(I[i] > 0))
            valid = false;
        S += P;
    }
    if (!valid || !std::isfinite(S))
        return r;

    double P = S / e;
    P = P + 10;
    P = std::floor(P / 10) * 10;
    const double A = std::floor(std::sqrt(P / K) + 1);
    const double w = 1 / (222.00000000000003 * A * std::pow(10.0, -4.0));
    const double Np = (w * Up) * (1 - (1 - e) / 2);
    const double Ip = P / Up;
    const double Ap = Ip / kCurrentDensity;
    const double dp = std::sqrt(4 * Ap / 3.1415926536);
    if (!std::isfinite(P) || !std::isfinite(Np) || !(Np > 0) || !std::isfinite(dp))
        return r;

    r.power = num::decimalText(std::floor(P)) + QStringLiteral(" - VA !");
    r.core = num::generalText(A) + QStringLiteral(" - cm2");
    r.primaryTurns = num::generalText(std::floor(Np + 1)) + QStringLiteral(" menet");
    r.primaryArea = QStringLiteral("Keresztm.: ") + num::generalText(cut2(Ap)) + QStringLiteral(" mm2");
    r.primaryDiameter = QStringLiteral("Átmérő   : ") + num::generalText(cut2(dp)) + QStringLiteral(" mm");

    for (int i = 0; i <= lastWinding; ++i) {
        const double Ns = (U[i] * w) * (1 + (1 - e) / 2);
        const double As = I[i] / kCurrentDensity;
        const double ds = std::sqrt(4 * As / 3.1415926536);
        if (!std::isfinite(Ns) || !(Ns > 0) || !std::isfinite(ds))
            return Result();
        WindingResult &out = r.secondary[size_t(i)];
        out.turns = num::generalText(std::floor(Ns + 1)) + QStringLiteral(" menet");
        out.crossSection = QStringLiteral("A: ") + num::generalText(std::floor(As * 100) / 100)
                           + QStringLiteral(" mm2");
        out.diameter = QStringLiteral("D: ") + num::generalText(cut2(ds)) + QStringLiteral(" mm");
    }
    r.windings = lastWinding + 1;
    r.valid = true;
    return r;
}

} // namespace mod_trafo
