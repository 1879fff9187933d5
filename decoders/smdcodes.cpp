// SPDX-License-Identifier: GPL-3.0-or-later
#include "decoders/smdcodes.h"

#include "core/datafile.h"
#include "core/numbers.h"
#include "core/textfile.h"

#include <cmath>
#include <cstring>

namespace smdcodes {
namespace {

const char *const kVoltages[] = {"2.5 V", "4 V", "6.3 V", "10 V", "16 V", "20 V", "25 V", "35 V", "50 V"};

bool isDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
bool isMultiplierLetter(QChar c)
{
    return c.unicode() < 128 && c.unicode() != 0 && std::strchr(kMultiplierLetters, char(c.unicode()));
}

// Resistor code character classes: N digit, S multiplier letter, 0 other.
QString pattern(const QString &code)
{
    QString p;
    for (QChar c : code)
        p += isDigit(c) ? QLatin1Char('N') : isMultiplierLetter(c) ? QLatin1Char('S') : QLatin1Char('0');
    return p;
}

// The value of the last record with this code among the table, rounded to
// a whole number (halves to even); 0 when none has it.
double lookup(const std::vector<CodePair> &table, const QString &code)
{
    double v = 0;
    for (const CodePair &p : table)
        if (p.code == code)
            v = std::nearbyint(num::leadingNumber(p.value));
    return v;
}

QString known(const QString &code, double ohms, const char *tolerance, ResistorResult *r)
{
    r->code = code;
    if (!std::isfinite(ohms))
        return r->text;
    r->known = true;
    r->ohms = ohms;
    r->text = resistorText(ohms) + QStringLiteral("\r\n") + QString::fromUtf8(tolerance);
    return r->text;
}

} // namespace

Tables loadTables(QStringList *problems)
{
    Tables t;
    QString text;
    if (datafile::read(QStringLiteral("\\SMD\\!smd_1.txt"), &text, problems))
        t.onePercent = readPairs(text);
    if (datafile::read(QStringLiteral("\\SMD\\!smd_2_5.txt"), &text, problems))
        t.twoFive = readPairs(text);
    if (datafile::read(QStringLiteral("\\SMD\\!smd_szorzo.txt"), &text, problems))
        t.multipliers = readMultipliers(text);
    if (datafile::read(QStringLiteral("\\SMD\\!smd_keramia.txt"), &text, problems))
        t.ceramic = readPairs(text);
    return t;
}

std::vector<CodePair> readPairs(const QString &text)
{
    std::vector<CodePair> out;
    textfile::FieldReader r(text);
    while (!r.atEnd()) {
        CodePair p;
        p.code = r.readField();
        if (!r.atEnd())
            p.value = r.readField();
        out.push_back(std::move(p));
    }
    return out;
}

std::vector<double> readMultipliers(const QString &text)
{
    std::vector<double> out;
    textfile::LineReader r(text);
    while (!r.atEnd())
        out.push_back(num::leadingNumber(r.readLineView()));
    return out;
}

double multiplier(QChar letter, const Tables &t)
{
    if (!isMultiplierLetter(letter))
        return 0;
    const size_t k = size_t(std::strchr(kMultiplierLetters, char(letter.unicode())) - kMultiplierLetters);
    return k < t.multipliers.size() ? t.multipliers[k] : 0;
}

QString resistorText(double ohms)
{
    if (ohms >= 1e9)
        return num::decimalText(ohms / 1e9) + QStringLiteral(" G-ohm");
    if (ohms >= 1e6)
        return num::decimalText(ohms / 1e6) + QStringLiteral(" M-ohm");
    if (ohms >= 1000)
        return num::decimalText(ohms / 1000) + QStringLiteral(" K-ohm");
    return num::decimalText(ohms) + QStringLiteral(" ohm");
}

ResistorResult decodeResistor(const QString &typed, const Tables &t)
{
    ResistorResult r;
    r.code = typed.toUpper();
    if (r.code.size() < 3) {
        r.text = QStringLiteral("3 karakter");
        return r;
    }
    if (r.code.size() > 3) {
        r.text = QStringLiteral("Max 3 karakter!");
        return r;
    }
    r.text = QStringLiteral("nem ismert!");
    const QString p = pattern(r.code);
    if (p == QLatin1String("NNS")) {
        const QString d = r.code.left(2);
        const int n = d.toInt();
        if (n < 1 || n > 96)
            return r;
        known(r.code, lookup(t.onePercent, d) * multiplier(r.code.at(2), t), "1%-os ellenállás", &r);
    } else if (p == QLatin1String("SNN")) {
        const QString d = r.code.right(2);
        const int n = d.toInt();
        if (n < 1 || n > 48)
            return r;
        known(r.code, lookup(t.twoFive, d) * multiplier(r.code.at(0), t),
              n < 25 ? "2 %-os ellenállás" : "5 %-os ellenállás", &r);
    }
    return r;
}

ResistorResult decodeDigitCode(const QString &typed)
{
    ResistorResult r;
    r.code = typed.toUpper();
    r.text = QStringLiteral("nem ismert!");
    if (r.code.size() < 3 || r.code.size() > 4)
        return r;
    const qsizetype point = r.code.indexOf(QLatin1Char('R'));
    for (qsizetype i = 0; i < r.code.size(); ++i)
        if (i != point && !isDigit(r.code.at(i)))
            return r;
    double ohms;
    if (point >= 0) {
        // R stands where the decimal point is: 4R7, R47, 10R0.
        QString digits = r.code;
        digits[point] = QLatin1Char('.');
        ohms = num::leadingNumber(QStringLiteral("0") + digits);
    } else {
        // Significant digits, then the number of zeros: 103, 4992.
        const QString significant = r.code.left(r.code.size() - 1);
        ohms = significant.toInt() * std::pow(10.0, r.code.back().digitValue());
    }
    r.known = true;
    r.ohms = ohms;
    r.text = resistorText(ohms);
    return r;
}

QString capacitanceText(double pf)
{
    if (pf >= 1e6)
        return num::generalText(pf / 1e6) + QStringLiteral(" uF");
    if (pf >= 1000)
        return num::generalText(pf / 1000) + QStringLiteral(" nF");
    return num::generalText(pf) + QStringLiteral(" pF");
}

QString decodeCeramic(const QString &typed, const Tables &t)
{
    const std::optional<double> c = ceramicPicofarads(typed, t);
    return c ? capacitanceText(*c) : QString();
}

std::optional<double> ceramicPicofarads(const QString &typed, const Tables &t)
{
    if (typed.size() < 2)
        return std::nullopt;
    const QChar letter = typed.at(typed.size() - 2);
    const QChar digit = typed.at(typed.size() - 1);
    // 1..7 are powers of ten; by the industry convention 8 stands for a
    // hundredth and 9 for a tenth; 0 is not a ceramic code.
    if (!isDigit(digit) || digit == QLatin1Char('0'))
        return std::nullopt;
    const int e = digit.digitValue();
    const double m = e == 9 ? 0.1 : e == 8 ? 0.01 : std::pow(10.0, e);
    for (const CodePair &p : t.ceramic) {
        if (p.code.size() == 1 && p.code.at(0) == letter) {
            const double c = num::leadingNumber(p.value) * m;
            if (!std::isfinite(c))
                return std::nullopt;
            return c;
        }
    }
    return std::nullopt;
}

QString voltageText(QChar letter)
{
    for (int i = 0; kVoltageLetters[i]; ++i)
        if (letter == QLatin1Char(kVoltageLetters[i]))
            return QString::fromLatin1(kVoltages[i]);
    return QString();
}

std::optional<double> electrolyticPicofarads(const QString &typed)
{
    if (typed.size() < 4)
        return std::nullopt;
    const QChar e = typed.at(typed.size() - 1);
    if (!isDigit(e) || !isDigit(typed.at(1)) || !isDigit(typed.at(2)) || voltageText(typed.at(0)).isEmpty())
        return std::nullopt;
    return std::pow(10.0, e.digitValue()) * typed.mid(1, 2).toInt();
}

QString decodeElectrolytic(const QString &typed)
{
    const std::optional<double> c = electrolyticPicofarads(typed);
    if (!c)
        return QStringLiteral("XXXX");
    return capacitanceText(*c) + QLatin1Char('/') + voltageText(typed.at(0));
}

} // namespace smdcodes
