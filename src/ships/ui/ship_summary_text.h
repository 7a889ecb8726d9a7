#pragma once

#include "ships/saved_ship_design.h"

#include <string>

namespace velmora::ships {

// A saved ship's figures as plain text, laid out as the summary table reads: the
// sections with their tons and MCr, then power, fuel, crew, running costs and
// warnings. For the command line and anything else without a window.
std::string shipSummaryText(const SavedShipDesign& saved);

} // namespace velmora::ships
