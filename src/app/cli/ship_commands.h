#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "ships", "ship-summary", "ship-sheet", "ship-export" and "ship-import": the saved
// ship designs in the data folder's "ShipDesigns".
std::vector<CliCommand> shipCommands();

} // namespace velmora::cli
