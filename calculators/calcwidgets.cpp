#include "calculators/calcwidgets.h"

#include <QApplication>
#include <QKeyEvent>

namespace calcwidgets {

QLabel *label(QWidget *parent, const QString &name, const QString &text, double l, double t,
              double w, double h)
{
    auto *lab = make<QLabel>(parent, name, l, t, w, h);
    lab->setText(text);
    return lab;
}

QGroupBox *frame(QWidget *parent, const QString &name, const QString &title, double l, double t,
                 double w, double h)
{
    auto *f = make<QGroupBox>(parent, name, l, t, w, h);
    f->setTitle(title);
    return f;
}

void setTextColour(QWidget *w, const QColor &c)
{
    QPalette p = w->palette();
    p.setColor(QPalette::WindowText, c);
    w->setPalette(p);
}

void setBold(QWidget *w, double scale)
{
    QFont f = w->font();
    f.setBold(true);
    if (scale != 1.0)
        f.setPointSizeF(f.pointSizeF() * scale);
    w->setFont(f);
}

bool filterNumericKey(QObject *box, QKeyEvent *key, bool allowMinus)
{
    const QString t = key->text();
    if (t.size() != 1)
        return false;
    const QChar c = t.at(0);
    if (c.unicode() < 32 || c.unicode() == 127)
        return false;   // backspace, cursor and editing keys, shortcuts
    if (c == QLatin1Char(',')) {
        QKeyEvent point(QEvent::KeyPress, Qt::Key_Period, Qt::NoModifier, QStringLiteral("."),
                        key->isAutoRepeat(), ushort(key->count()));
        QApplication::sendEvent(box, &point);
        return true;
    }
    if ((c >= QLatin1Char('0') && c <= QLatin1Char('9')) || c == QLatin1Char('.')
        || (allowMinus && c == QLatin1Char('-')))
        return false;
    return true;   // dropped
}

} // namespace calcwidgets
