#include "app/toolregistry.h"

// Each tool window registers here under its window name.
void registerTools(ToolRegistry &registry)
{
    Q_UNUSED(registry);
}
