// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <QString>
#include <QStringList>
#include <array>

class QIODevice;

// Transformer design: the program-wide settings (efficiency, core type), the
// settings file "\trafo.ini" and the calculation itself. Qt Core only: the
// windows read their controls, call in here and write the results back.
namespace mod_trafo {

// The efficiency in percent. It stays the text read from the file (written
// back unchanged) until the user picks a list entry; from then on it is the
// number read from that entry.
class Efficiency
{
public:
    static Efficiency fromText(const QString &text);
    static Efficiency fromNumber(double value);

    bool isNumber() const { return m_isNumber; }
    QString text() const { return m_text; }
    double value() const;          // for arithmetic: a text is read by leading-number reading
    QString display() const;       // as shown after "Hatásfok:"
    QString fileLine() const;      // as written on line 2 of the file

    bool operator==(const Efficiency &o) const;

private:
    QString m_text;
    double m_number = 0;
    bool m_isNumber = false;
};

// An efficiency text read as a number: leading-number reading, but a decimal
// comma counts as the point (" 82,5 " is 82.5, as the label shows it).
double efficiencyNumber(QStringView text);

enum class Core { Hipersil = 0, EI = 1 };

constexpr double kHipersilK = 1.25;
constexpr double kEiK = 1.0;

struct Settings
{
    Efficiency eta = Efficiency::fromText(QStringLiteral("80"));
    double K = kHipersilK;
    double fluxFigure = 1.6;   // kept with K; the calculation does not use it
    QStringList efficiencies = defaultEfficiencies();

    void setCore(Core core);
    // 0 or 1 for a known K, -1 otherwise.
    int coreCode() const;

    static QStringList defaultEfficiencies();   // the list of the shipped file
};

// "Hipersil vasmag" / "EI- vasmag"; empty for an unknown K.
QString coreLabel(double K);
// "Hatásfok:" + η + " %".
QString efficiencyLabel(const Efficiency &eta);

// The settings file. Reading keeps whatever the file does not supply in a
// usable form (a missing, short or garbled file leaves the built-in values).
// Returns true when the file supplied every setting.
bool ReadSettings(const QString &text, Settings *s);
bool ReadSettings(QIODevice &device, Settings *s);

// The complete file in code page 1250 with CR LF line ends.
QByteArray settingsFileBytes(const Settings &s);
bool WriteSettings(QIODevice &device, const Settings &s);

// The number form of the file: a blank or a minus sign, the number with "."
// as decimal point, one trailing blank (" 4 ").
QString numberForm(double v);

// The settings shared by the transformer window and the settings window.
Settings &settings();
void resetSettings();   // back to the built-in values (tests)

// Reads / replaces "\trafo.ini". The user's copy in appdir::userConfigPath()
// is the file in use when it exists; otherwise the application directory's.
// A save replaces the file in use, and falls back to the user's folder when
// the application directory cannot take it (an installed, read-only copy).
// Loading skips the file while a failed save still holds changes only in
// memory, so that re-opening a window does not throw them away. Saving is
// atomic: on failure the old file stays as it was and error holds a
// Hungarian explanation.
void loadSettingsFile();
bool saveSettingsFile(QString *error);
QString settingsFilePath();   // the file that loading reads
bool hasUnsavedSettings();

// Notifies the open windows: settingsChanged when η or K changed (labels),
// settingsSaved after a save attempt (the transformer window recalculates).
class Notifier : public QObject
{
    Q_OBJECT
public:
    static Notifier *instance();

Q_SIGNALS:
    void settingsChanged();
    void settingsSaved();
};

constexpr int kMaxWindings = 5;

// Every winding's wire is sized for this current density.
constexpr double kCurrentDensity = 2.5;   // A/mm2

struct WindingResult
{
    QString turns;          // "100 menet"
    QString crossSection;   // "A: 0,8 mm2"
    QString diameter;       // "D: 1 mm"
};

struct Result
{
    bool valid = false;     // false: the cleared state (hide the results)
    QString power;          // " 40 - VA !"
    QString core;           // "6 - cm2"
    QString primaryTurns;   // "1555 menet"
    QString primaryArea;    // "Keresztm.: 0,06 mm2"
    QString primaryDiameter;// "Átmérő   : 0,29 mm"
    int windings = 0;       // entries of secondary filled in
    std::array<WindingResult, kMaxWindings> secondary;
};

// The calculation for windings 0..lastWinding of U (volts) and I (amperes)
// with efficiency etaPercent and core factor K. Incomplete input (a winding
// without power) and input without a physical meaning (negative or
// non-finite values, η or K not positive) give the cleared state.
Result szamit(const double *U, const double *I, int lastWinding, double etaPercent, double K);

} // namespace mod_trafo
