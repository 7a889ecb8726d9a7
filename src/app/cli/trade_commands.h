#pragma once

#include "app/cli/cli_context.h"

#include <vector>

namespace velmora::cli {

// market: generate (and with --save keep) a world's monthly market; quote: price
// one purchase or sale of a trade good at a world.
std::vector<CliCommand> tradeCommands();

} // namespace velmora::cli
