// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class ToolWindow;

// The tool windows the main window manages, as the tool table lists them,
// with factories that tests may replace.
class ToolRegistry
{
public:
    using Factory = std::function<ToolWindow *()>;

    // Every tool window in the order a tool click closes them.
    static const QStringList &closingOrder();
    // The window a toolbar tag or menu action name opens; empty for one that opens none.
    static QString windowForTag(const QString &tag);

    void add(const QString &windowName, Factory factory);
    bool has(const QString &windowName) const { return m_factories.contains(windowName); }
    ToolWindow *create(const QString &windowName) const;   // nullptr when not registered

private:
    QHash<QString, Factory> m_factories;
};

// Registers the factory of every window of the tool table.
void registerTools(ToolRegistry &registry);
