#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "generate --hex SX,SY,CCRR ..." and "generate-area --sector SX,SY ...".
std::vector<CliCommand> generatorCommands();

} // namespace velmora::cli
