#include "app/cli/cli.h"

namespace cli {

void addCatalogCommands(Registry &)
{
}

} // namespace cli
