#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "find": the systems a search pattern matches.
std::vector<CliCommand> findCommands();

} // namespace velmora::cli
