#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "universes" and "show-universe [ID]".
std::vector<CliCommand> universeCommands();

} // namespace velmora::cli
