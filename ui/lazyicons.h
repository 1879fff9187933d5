// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QProxyStyle>

// The platform style with its own icons (title-bar buttons of the tool
// windows, the arrow that shows a toolbar's hidden buttons) fetched only when
// one is drawn. Widgets ask for them as they are built, and the first request
// starts Qt's icon-theme machinery and lists every image plugin installed:
// work for icons that mostly never show. Install once, before any widget.
class LazyIconStyle : public QProxyStyle
{
public:
    QIcon standardIcon(StandardPixmap icon, const QStyleOption *option = nullptr,
                       const QWidget *widget = nullptr) const override;
};

// The program's look, once, after the application object and before any
// widget: this style, and text laid out without a shaping engine (Latin
// script needs none; Qt then takes the widths from the font's own metrics,
// a fraction of the work at start).
void applyProgramStyle();
