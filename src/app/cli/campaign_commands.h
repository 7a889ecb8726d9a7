#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "campaigns", "campaign-new" and "campaign CODE [advance MINUTES | note TITLE]".
std::vector<CliCommand> campaignCommands();

} // namespace velmora::cli
