#pragma once

#include "app/cli/cli_context.h"

namespace velmora::cli {

// "sec-import FILE --sector X,Y ...", "sec-export --sector X,Y --out FILE" and
// "travellermap-import NAME ...".
std::vector<CliCommand> sectorIoCommands();

} // namespace velmora::cli
