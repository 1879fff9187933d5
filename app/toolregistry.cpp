#include "app/toolregistry.h"

const QStringList &ToolRegistry::closingOrder()
{
    static const QStringList order = {
        QStringLiteral("frm_tranzisztor"), QStringLiteral("frm_dioda"), QStringLiteral("frm_R4"),
        QStringLiteral("frm_R5"),          QStringLiteral("frm_BDH"),   QStringLiteral("frm_trafo"),
        QStringLiteral("frm_rezgokor"),    QStringLiteral("frm_oszt"),  QStringLiteral("frm_szotar"),
        QStringLiteral("frm_SMD"),         QStringLiteral("frm_smdRC"), QStringLiteral("frm_keramia"),
        QStringLiteral("frm_kondi")};
    return order;
}

QString ToolRegistry::windowForTag(const QString &tag)
{
    static const QHash<QString, QString> map = {
        {QStringLiteral("Trafó"), QStringLiteral("frm_trafo")},
        {QStringLiteral("Tranzisztor"), QStringLiteral("frm_tranzisztor")},
        {QStringLiteral("Dióda"), QStringLiteral("frm_dioda")},
        {QStringLiteral("Ellenállás"), QStringLiteral("frm_R4")},
        {QStringLiteral("Kerámia"), QStringLiteral("frm_keramia")},
        {QStringLiteral("Kondi"), QStringLiteral("frm_kondi")},
        {QStringLiteral("SMD"), QStringLiteral("frm_SMD")},
        {QStringLiteral("smdRC"), QStringLiteral("frm_smdRC")},
        {QStringLiteral("BDH"), QStringLiteral("frm_BDH")},
        {QStringLiteral("FLC"), QStringLiteral("frm_rezgokor")},
        {QStringLiteral("oszt"), QStringLiteral("frm_oszt")},
        {QStringLiteral("szotar"), QStringLiteral("frm_szotar")},
    };
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
