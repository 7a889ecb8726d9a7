#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "manifest CODE [--json]": what the campaign's ship carries, its capacity and the
// party's common credits.
std::vector<CliCommand> manifestCommands();

} // namespace velmora::cli
