#pragma once

#include "app/cli/cli_context.h"

#include <vector>

namespace velmora::cli {

// "factions" and "faction-lists": a universe's factions with their figures,
// and its faction lists, as text for scripts.
std::vector<CliCommand> factionCommands();

} // namespace velmora::cli
