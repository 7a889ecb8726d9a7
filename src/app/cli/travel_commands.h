#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "route": a jump route between two systems, for a notional ship or a saved one.
std::vector<CliCommand> travelCommands();

} // namespace velmora::cli
