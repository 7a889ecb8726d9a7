#pragma once

#include "core/galactic_coordinates.h"
#include "travel/route_plan.h"

#include <nlohmann/json_fwd.hpp>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::travel {

// A hex as scripts write it: "SX,SY,CCRR", so sector (-1, 0) hex 0310 is "-1,0,0310".
std::string hexArgumentText(const core::GalacticCoordinates& coordinates);
// The same text read back; nothing when it is not of that form or names no hex.
std::optional<core::GalacticCoordinates> parseHexArgument(std::string_view text);

// A plan as the command line prints it: one key per field, hexes as the text above,
// fuel sources as their case names, and no ship name for a notional ship.
nlohmann::json routePlanJson(const RoutePlan& plan);

} // namespace velmora::travel
