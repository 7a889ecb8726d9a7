#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "render-map": the star map as PNG, SVG or PDF.
std::vector<CliCommand> starmapCommands();

} // namespace velmora::cli
