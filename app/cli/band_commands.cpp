#include "app/cli/cli.h"

namespace cli {

void addBandCommands(Registry &)
{
}

} // namespace cli
