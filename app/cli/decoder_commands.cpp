#include "app/cli/cli.h"

namespace cli {

void addDecoderCommands(Registry &)
{
}

} // namespace cli
