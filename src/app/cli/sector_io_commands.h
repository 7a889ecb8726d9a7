#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "sec-import FILE --sector X,Y ..." and "sec-export --sector X,Y --out FILE".
std::vector<CliCommand> sectorIoCommands();

} // namespace velmora::cli
