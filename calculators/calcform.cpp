// SPDX-License-Identifier: GPL-3.0-or-later
#include "calculators/calcform.h"

#include "calculators/calcwidgets.h"
#include "calculators/mod_rlc.h"
#include "core/numbers.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <cmath>

using namespace calcwidgets;

namespace calcform {

Reading read(const QLineEdit *box, const QStringList &units)
{
    const QString text = box->text().trimmed();
    if (text.isEmpty())
        return {};
    // A minus stays with the number for the calculation to refuse in words,
    // also before a prefixed value ("-4k7").
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString rest = negative ? text.mid(1) : text;
    if (negative && (rest.startsWith(QLatin1Char('-')) || rest.startsWith(QLatin1Char('+'))))
        return {Reading::Bad, 0};
    const std::optional<mod_RLC::Typed> t = mod_RLC::readPrefixed(rest, units);
    if (!t || !std::isfinite(t->value))
        return {Reading::Bad, 0};
    return {Reading::Ok, negative ? -t->value : t->value};
}

std::optional<double> Form::need(const QLineEdit *box, const QString &caption, const QStringList &units)
{
    const Reading r = read(box, units);
    if (r.state == Reading::Ok)
        return r.value;
    (r.state == Reading::Bad ? m_bad : m_missing).append(caption);
    return std::nullopt;
}

std::optional<double> Form::optional(const QLineEdit *box, const QString &caption, const QStringList &units)
{
    const Reading r = read(box, units);
    if (r.state == Reading::Bad) {
        m_bad.append(caption);
        return std::nullopt;
    }
    return r.state == Reading::Ok ? r.value : 0.0;
}

QString Form::message() const
{
    if (!m_bad.isEmpty())
        return QStringLiteral("Hibás érték: %1 (például 4,7k, 100n, 20m)").arg(m_bad.join(QStringLiteral(", ")));
    if (!m_missing.isEmpty())
        return QStringLiteral("Adja meg: %1").arg(m_missing.join(QStringLiteral(", ")));
    return QString();
}

namespace {
double roundSignificant(double v, int digits)
{
    if (v == 0 || !std::isfinite(v))
        return v;
    const double scale = std::pow(10.0, digits - 1 - int(std::floor(std::log10(std::fabs(v)))));
    const double r = std::round(v * scale) / scale;
    return std::isfinite(r) ? r : v;
}
} // namespace

QString numberText(double v, int digits)
{
    if (!std::isfinite(v))
        return QString();
    return num::generalText(roundSignificant(v, digits));
}

QString valueText(double v, const QString &unit, int digits)
{
    if (!std::isfinite(v))
        return QString();
    static const char *const prefixes[] = {"p", "n", "µ", "m", "", "k", "M", "G"};
    int step = 4;   // no prefix
    double m = roundSignificant(v, digits);
    if (m != 0) {
        step = int(std::floor(std::log10(std::fabs(m)) / 3)) + 4;
        step = std::clamp(step, 0, 7);
        m = roundSignificant(m / std::pow(1000.0, step - 4), digits);
    }
    const QString prefix = QString::fromUtf8(prefixes[step]);
    return num::generalText(m) + QLatin1Char(' ') + prefix + unit;
}

QString percentText(double v)
{
    if (!std::isfinite(v))
        return QString();
    // Three significant digits, none beyond the thousandth of a percent.
    const double r = std::fabs(v) < 5e-4 ? 0 : std::round(roundSignificant(v, 3) * 1000) / 1000;
    return (r > 0 ? QStringLiteral("+") : QString()) + num::generalText(r) + QStringLiteral(" %");
}

QLineEdit *inputRow(QWidget *parent, const QString &boxName, const QString &caption, const QString &unit,
                    double left, double top, double captionWidth, double boxWidth,
                    const std::function<void()> &onChange)
{
    label(parent, QStringLiteral("lbl_") + boxName, caption, left, top + 30, captionWidth, kRowHeight - 30);
    auto *box = make<QLineEdit>(parent, boxName, left + captionWidth, top, boxWidth, kRowHeight);
    label(parent, QStringLiteral("unit_") + boxName, unit, left + captionWidth + boxWidth + 90, top + 30, 900,
          kRowHeight - 30);
    QObject::connect(box, &QLineEdit::textChanged, parent, [onChange] { onChange(); });
    return box;
}

void setRowVisible(QLineEdit *box, bool on)
{
    box->setVisible(on);
    QWidget *p = box->parentWidget();
    for (const QString &prefix : {QStringLiteral("lbl_"), QStringLiteral("unit_")})
        if (QLabel *l = p->findChild<QLabel *>(prefix + box->objectName()))
            l->setVisible(on);
}

QLabel *resultLabel(QWidget *parent, const QString &name, double l, double t, double w, double h)
{
    QLabel *r = label(parent, name, QString(), l, t, w, h);
    setBold(r);
    setTextColour(r, QColor(0, 0, 128));
    return r;
}

QLabel *messageLabel(QWidget *parent, const QString &name, double l, double t, double w, double h)
{
    QLabel *r = label(parent, name, QString(), l, t, w, h);
    r->setWordWrap(true);
    r->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setBold(r);
    return r;
}

void showMessage(QLabel *label, const QString &text, bool fault)
{
    setTextColour(label, fault ? QColor(255, 0, 0) : QColor(96, 96, 96));
    label->setText(text);
}

QComboBox *seriesBox(QWidget *parent, const QString &name, double l, double t, double w,
                     const std::function<void()> &onChange)
{
    auto *box = make<QComboBox>(parent, name, l, t, w, kRowHeight);
    for (eseries::Series s : eseries::kAllSeries)
        if (s != eseries::Series::E3)
            box->addItem(eseries::seriesName(s), int(s));
    box->setCurrentIndex(box->findData(int(eseries::Series::E24)));
    QObject::connect(box, &QComboBox::currentIndexChanged, parent, [onChange] { onChange(); });
    return box;
}

eseries::Series seriesOf(const QComboBox *box)
{
    const QVariant d = box->currentData();
    return d.isValid() ? eseries::Series(d.toInt()) : eseries::Series::E24;
}

QRadioButton *option(QWidget *parent, const QString &name, const QString &text, double l, double t, double w,
                     const std::function<void()> &onChosen)
{
    auto *b = make<QRadioButton>(parent, name, l, t, w, 300);
    b->setText(text);
    QObject::connect(b, &QRadioButton::toggled, parent, [onChosen](bool on) {
        if (on)
            onChosen();
    });
    return b;
}

Schematic::Schematic(QWidget *parent) : QWidget(parent) {}

void Schematic::setPainter(Painter painter)
{
    m_painter = std::move(painter);
    m_image = QImage();
    update();
}

void Schematic::resizeEvent(QResizeEvent *)
{
    m_image = QImage();
}

void Schematic::paintEvent(QPaintEvent *)
{
    if (!m_painter || width() < 2 || height() < 2)
        return;
    const qreal dpr = devicePixelRatioF();
    const QSize want = (QSizeF(size()) * dpr).toSize();
    if (m_image.size() != want) {
        m_image = m_painter(want);
        m_image.setDevicePixelRatio(dpr);
    }
    QPainter p(this);
    p.drawImage(QPointF(0, 0), m_image);
}

Schematic *schematic(QWidget *parent, const QString &name, double l, double t, double w, double h,
                     Schematic::Painter painter)
{
    auto *s = make<Schematic>(parent, name, l, t, w, h);
    s->setPainter(std::move(painter));
    return s;
}

} // namespace calcform
