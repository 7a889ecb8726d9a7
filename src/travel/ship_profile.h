#pragma once

#include "travel/route_plan.h"

namespace velmora::ships {
struct SavedShipDesign;
}

namespace velmora::travel {

// A saved design as the route planner sees it: its drives, scoops and tankage, the
// fuel a parsec of jump burns, and what a 28-day period of running it costs. A
// concealed manoeuvre drive delivers half its rating; maintenance is a twelve-
// thousandth of the ship's cost a period, after the standard discount when it applies.
ShipProfile shipProfile(const ships::SavedShipDesign& saved);

} // namespace velmora::travel
