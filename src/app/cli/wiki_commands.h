#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "wiki-search TEXT" and "wiki-article TITLE": the Traveller Wiki from a terminal,
// with the application's saved copies when the wiki cannot be reached.
std::vector<CliCommand> wikiCommands();

} // namespace velmora::cli
