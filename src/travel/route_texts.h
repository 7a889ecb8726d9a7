#pragma once

#include "travel/route_plan.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::travel {

// How a plan and the planner's answers read, the same in the planner, the route
// window and the command line.

inline constexpr std::string_view sameSystemMessage = "Start and destination are the same system.";
inline constexpr std::string_view selectShipMessage = "Select a ship to plan a route for.";

// "No fuel-feasible route within jump-2 range (try enabling fuel scooping)." for a
// notional ship; "... range for this ship (it can't scoop fuel)." for a real one.
std::string noRouteMessage(int jumpRating, bool canScoop, bool forShip);

// "1G", "1.5G": a thrust with at most one decimal.
std::string thrustText(double thrustG);

// "Start", "Stop 2", "Destination".
std::string stopTitle(std::size_t index, std::size_t stopCount);
// "Regina · Refined (starport) — refuel: 6h 0m — fuel: Cr500".
std::string stopText(const RouteStop& stop);
// "Processing unrefined fuel concurrently with the outbound maneuver (3h 0m)", for a
// stop that refines fuel.
std::optional<std::string> processingText(const RouteStop& stop);
// "2 LY · jump 6d 4h · maneuver 3h 5m": parsecs, the jump and both manoeuvres.
std::string legText(const RouteLeg& leg);
// "3 jumps · 6 LY · 3w 1d 2h · Fuel: Cr1500 · Upkeep (1 period): Cr12345".
std::string summaryText(const RoutePlan& plan);
// The whole plan, one line a row: the stops, the legs and the summary.
std::vector<std::string> planLines(const RoutePlan& plan);

// "Jump-2 · Thrust 1G · Fuel 40t · No fuel scoops · Drop tank 20t": the ship's
// figures the plan uses; tankage and processors it does not carry are left out.
std::string shipSummaryText(const ShipProfile& ship);

} // namespace velmora::travel
