#include "app/toolregistry.h"
#include "catalogs/frm_tranzisztor.h"
#include "catalogs/frm_dioda.h"
#include "catalogs/frm_szotar.h"
#include "calculators/frm_trafo.h"
#include "calculators/frm_bdh.h"
#include "calculators/frm_oszt.h"
#include "calculators/frm_rezgokor.h"
#include "decoders/frm_r4.h"
#include "decoders/frm_r5.h"
#include "decoders/frm_keramia.h"
#include "decoders/frm_kondi.h"
#include "catalogs/frm_smd.h"
#include "decoders/frm_smdrc.h"

// Each tool window registers here under its window name, as
//   registry.add(QStringLiteral("frm_x"), [] { return new frm_x; });

void registerTools(ToolRegistry &registry)
{
    Q_UNUSED(registry);
    registry.add(QStringLiteral("frm_tranzisztor"), [] { return new frm_tranzisztor; });
    registry.add(QStringLiteral("frm_trafo"), [] { return new frm_trafo; });
    registry.add(QStringLiteral("frm_R4"), [] { return new frm_R4; });
    registry.add(QStringLiteral("frm_R5"), [] { return new frm_R5; });
    registry.add(QStringLiteral("frm_BDH"), [] { return new frm_BDH; });
    registry.add(QStringLiteral("frm_rezgokor"), [] { return new frm_rezgokor; });
    registry.add(QStringLiteral("frm_oszt"), [] { return new frm_oszt; });
    registry.add(QStringLiteral("frm_keramia"), [] { return new frm_keramia; });
    registry.add(QStringLiteral("frm_kondi"), [] { return new frm_kondi; });
    registry.add(QStringLiteral("frm_SMD"), [] { return new frm_SMD; });
    registry.add(QStringLiteral("frm_smdRC"), [] { return new frm_smdRC; });
    registry.add(QStringLiteral("frm_dioda"), [] { return new frm_dioda; });
    registry.add(QStringLiteral("frm_szotar"), [] { return new frm_szotar; });
}
