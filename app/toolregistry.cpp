// SPDX-License-Identifier: GPL-3.0-or-later
#include "app/toolregistry.h"

#include "app/tooltable.h"

#include <algorithm>

using tooltable::Tool;

const QStringList &ToolRegistry::closingOrder()
{
    static const QStringList order = [] {
        std::vector<const Tool *> windows;
        for (const Tool &t : tooltable::tools())
            if (t.window)
                windows.push_back(&t);
        std::stable_sort(windows.begin(), windows.end(),
                         [](const Tool *a, const Tool *b) { return a->closingPlace < b->closingPlace; });
        QStringList names;
        for (const Tool *t : windows)
            names.append(QString::fromUtf8(t->window));
        return names;
    }();
    return order;
}

QString ToolRegistry::windowForTag(const QString &tag)
{
    static const QHash<QString, QString> map = [] {
        QHash<QString, QString> m;
        for (const Tool &t : tooltable::tools())
            if (t.window && t.tag)
                m.insert(QString::fromUtf8(t.tag), QString::fromUtf8(t.window));
        return m;
    }();
    return map.value(tag);
}

void ToolRegistry::add(const QString &windowName, Factory factory)
{
    m_factories.insert(windowName, std::move(factory));
}

ToolWindow *ToolRegistry::create(const QString &windowName) const
{
    const auto it = m_factories.constFind(windowName);
    return it == m_factories.constEnd() ? nullptr : (*it)();
}

void registerTools(ToolRegistry &registry)
{
    for (const Tool &t : tooltable::tools())
        if (t.window && t.factory)
            registry.add(QString::fromUtf8(t.window), t.factory);
}
