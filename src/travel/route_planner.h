#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "travel/route_plan.h"
#include "travel/route_search.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::core {
class RandomSource;
}

namespace velmora::campaign {
struct Campaign;
}

namespace velmora::travel {

// What to plan. Without a ship the route is for a notional ship with the given jump
// rating, thrust and scoops; with one, the ship's own figures replace those three.
struct RouteRequest {
    core::GalacticCoordinates start;
    core::GalacticCoordinates destination;
    int jumpRating = 2;
    double thrustG = 1.0;
    bool canScoop = false;
    std::optional<ShipProfile> ship;
    // Whose hired hands are paid on the way; only a ship's plan counts upkeep.
    const campaign::Campaign* campaign = nullptr;
};

// Jumps take a week, give or take: 148 hours plus 6D6.
int jumpHours(core::RandomSource& dice);

// The search's view of the hexes, in their order: each hex's cube and whether it has fuel.
std::vector<RouteNode> routeNodes(const std::vector<core::HexData>& hexes, bool canScoop);
SearchRules searchRules(const RouteRequest& request);

// The best route from start to destination among `hexes` (the universe's hexes in
// its order), with its stops, legs, times and costs; nothing when there is none, or
// when the request cannot be planned (no thrust, a jump rating below 1, an end that
// is not an occupied hex, or the same hex at both ends). Jump times and refuelling
// times are rolled, so the same route planned twice takes different times.
std::optional<RoutePlan> planRoute(const std::vector<core::HexData>& hexes,
                                   const RouteRequest& request, core::RandomSource& dice);

// Credits a period for the campaign's salaried NPCs.
core::Credits npcSalariesPerPeriod(const campaign::Campaign& campaign);

} // namespace velmora::travel
