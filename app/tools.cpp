#include "app/toolregistry.h"

// Each tool window registers here under its window name, as
//   registry.add(QStringLiteral("frm_x"), [] { return new frm_x; });

void registerTools(ToolRegistry &registry)
{
    Q_UNUSED(registry);
}
