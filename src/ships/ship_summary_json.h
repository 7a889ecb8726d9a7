#pragma once

// A design's figures as JSON, for the command line's --json and anything else that
// hands them on: keys named after the summary's fields, money in credits as the
// rules compute them (not rounded), tons as fractions.

#include <nlohmann/json_fwd.hpp>

namespace velmora::ships {

struct ShipDesign;
struct ShipSummary;

nlohmann::json summaryToJson(const ShipSummary& summary);
// The summary of a design, worked out and written in one step.
nlohmann::json shipSummaryJson(const ShipDesign& design);

} // namespace velmora::ships
