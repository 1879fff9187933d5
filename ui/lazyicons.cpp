// SPDX-License-Identifier: GPL-3.0-or-later
#include "ui/lazyicons.h"

#include <QApplication>
#include <QFont>
#include <QIconEngine>
#include <QPainter>
#include <QPointer>
#include <QStyleOption>

namespace {
class LazyStandardIcon : public QIconEngine
{
public:
    LazyStandardIcon(QStyle *style, QStyle::StandardPixmap which, const QStyleOption *option)
        : m_style(style), m_which(which), m_hasOption(option != nullptr)
    {
        if (option)
            m_option = *option;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode, QIcon::State state) override
    {
        real().paint(painter, rect, Qt::AlignCenter, mode, state);
    }
    QSize actualSize(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return real().actualSize(size, mode, state);
    }
    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        return real().pixmap(size, mode, state);
    }
    QPixmap scaledPixmap(const QSize &size, QIcon::Mode mode, QIcon::State state, qreal scale) override
    {
        return real().pixmap(size, scale, mode, state);
    }
    QList<QSize> availableSizes(QIcon::Mode mode, QIcon::State state) override
    {
        return real().availableSizes(mode, state);
    }
    QString iconName() override { return real().name(); }
    bool isNull() override { return real().isNull(); }
    QString key() const override { return QStringLiteral("LazyStandardIcon"); }
    QIconEngine *clone() const override { return new LazyStandardIcon(*this); }

private:
    const QIcon &real()
    {
        if (!m_loaded && m_style) {
            m_icon = m_style->standardIcon(m_which, m_hasOption ? &m_option : nullptr);
            m_loaded = true;
        }
        return m_icon;
    }

    QPointer<QStyle> m_style;
    QStyle::StandardPixmap m_which;
    QStyleOption m_option;
    bool m_hasOption;
    QIcon m_icon;
    bool m_loaded = false;
};
} // namespace

QIcon LazyIconStyle::standardIcon(StandardPixmap icon, const QStyleOption *option,
                                  const QWidget *widget) const
{
    // A tool window's menu button shows the program's icon, as it does once
    // the window is given one; the style's own would be read from a file.
    if (icon == SP_TitleBarMenuButton && !QApplication::windowIcon().isNull())
        return QApplication::windowIcon();
    // A plain option (direction, palette) keeps; a richer one describes the
    // moment of asking, and such an icon is made now.
    if (option && option->type != QStyleOption::SO_Default)
        return QProxyStyle::standardIcon(icon, option, widget);
    return QIcon(new LazyStandardIcon(baseStyle(), icon, option));
}

void applyProgramStyle()
{
    QApplication::setStyle(new LazyIconStyle);
    QFont font = QApplication::font();
    font.setStyleStrategy(QFont::PreferNoShaping);
    QApplication::setFont(font);
}
