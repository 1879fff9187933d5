#include "app/cli/cli.h"

namespace cli {

void addCalculatorCommands(Registry &)
{
}

} // namespace cli
