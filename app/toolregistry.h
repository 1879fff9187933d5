#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <functional>

class ToolWindow;

// The tool windows that the toolbar manages: which tag opens which window,
// the fixed order in which a tool click closes them, and how each is made.
class ToolRegistry
{
public:
    using Factory = std::function<ToolWindow *()>;

    // The thirteen tool windows in the order a tool click closes them.
    static const QStringList &closingOrder();
    // The window a toolbar tag opens; empty for a tag that opens none.
    static QString windowForTag(const QString &tag);

    void add(const QString &windowName, Factory factory);
    bool has(const QString &windowName) const { return m_factories.contains(windowName); }
    ToolWindow *create(const QString &windowName) const;   // nullptr when not registered

private:
    QHash<QString, Factory> m_factories;
};

// Registers every tool window that exists (app/tools.cpp).
void registerTools(ToolRegistry &registry);
