#include "app/toolregistry.h"
#include "catalogs/frm_tranzisztor.h"
#include "catalogs/frm_dioda.h"
#include "catalogs/frm_szotar.h"
#include "calculators/frm_trafo.h"
#include "decoders/frm_r4.h"
#include "decoders/frm_r5.h"

// Each tool window registers here under its window name, as
//   registry.add(QStringLiteral("frm_x"), [] { return new frm_x; });

void registerTools(ToolRegistry &registry)
{
    Q_UNUSED(registry);
    registry.add(QStringLiteral("frm_tranzisztor"), [] { return new frm_tranzisztor; });
    registry.add(QStringLiteral("frm_trafo"), [] { return new frm_trafo; });
    registry.add(QStringLiteral("frm_R4"), [] { return new frm_R4; });
    registry.add(QStringLiteral("frm_R5"), [] { return new frm_R5; });
    registry.add(QStringLiteral("frm_dioda"), [] { return new frm_dioda; });
    registry.add(QStringLiteral("frm_szotar"), [] { return new frm_szotar; });
}
