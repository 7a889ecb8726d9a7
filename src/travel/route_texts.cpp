#include "travel/route_texts.h"

#include "travel/travel_durations.h"

#include <cmath>
#include <cstdio>

namespace velmora::travel {

namespace {

constexpr std::string_view separator = " \u00b7 ";

std::string counted(long long count, std::string_view noun) {
    return std::to_string(count) + " " + std::string(noun) + (count == 1 ? "" : "s");
}

// Tons as the summary shows them: whole when whole, else one decimal.
std::string tonsText(double tons) {
    char buffer[32];
    if (std::abs(tons - std::round(tons)) < 1e-9)
        std::snprintf(buffer, sizeof buffer, "%.0f", tons);
    else
        std::snprintf(buffer, sizeof buffer, "%.1f", tons);
    return buffer;
}

} // namespace

std::string noRouteMessage(int jumpRating, bool canScoop, bool forShip) {
    std::string text =
        "No fuel-feasible route within jump-" + std::to_string(jumpRating) + " range";
    if (forShip)
        text += std::string(" for this ship") + (canScoop ? "" : " (it can't scoop fuel)");
    else if (!canScoop)
        text += " (try enabling fuel scooping)";
    return text + ".";
}

std::string thrustText(double thrustG) {
    return tonsText(std::round(thrustG * 10.0) / 10.0) + "G";
}

std::string stopTitle(std::size_t index, std::size_t stopCount) {
    if (index == 0)
        return "Start";
    if (index + 1 == stopCount)
        return "Destination";
    return "Stop " + std::to_string(index);
}

std::string stopText(const RouteStop& stop) {
    std::string text =
        stop.systemName + std::string(separator) + std::string(displayName(stop.fuelSource));
    if (stop.refuelSeconds > 0)
        text += " \u2014 refuel: " + formatTransit(stop.refuelSeconds);
    if (stop.fuelCostCredits > 0)
        text += " \u2014 fuel: " + core::creditsText(stop.fuelCostCredits);
    return text;
}

std::optional<std::string> processingText(const RouteStop& stop) {
    if (stop.processingSeconds <= 0)
        return std::nullopt;
    return "Processing unrefined fuel concurrently with the outbound maneuver (" +
           formatTransit(stop.processingSeconds) + ")";
}

std::string legText(const RouteLeg& leg) {
    return std::to_string(leg.distanceLY) + " LY" + std::string(separator) + "jump " +
           formatTransit(leg.jumpSeconds) + std::string(separator) + "maneuver " +
           formatTransit(leg.departManeuverSeconds + leg.arriveManeuverSeconds);
}

std::string summaryText(const RoutePlan& plan) {
    const std::string sep(separator);
    return counted(plan.totalJumps, "jump") + sep + std::to_string(plan.totalDistanceLY) + " LY" +
           sep + formatVoyage(plan.totalSeconds) + sep +
           "Fuel: " + core::creditsText(plan.totalFuelCostCredits) + sep + "Upkeep (" +
           counted(plan.upkeepPeriods, "period") +
           "): " + core::creditsText(plan.upkeepCostCredits);
}

std::vector<std::string> planLines(const RoutePlan& plan) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < plan.stops.size(); ++i) {
        lines.push_back(stopTitle(i, plan.stops.size()) + ": " + stopText(plan.stops[i]));
        if (const auto processing = processingText(plan.stops[i]))
            lines.push_back("    " + *processing);
        if (i < plan.legs.size())
            lines.push_back("    " + legText(plan.legs[i]));
    }
    lines.push_back(summaryText(plan));
    return lines;
}

std::string shipSummaryText(const ShipProfile& ship) {
    const std::string sep(separator);
    std::string text = "Jump-" + std::to_string(ship.jumpRating) + sep + "Thrust " +
                       thrustText(ship.thrustG) + sep + "Fuel " + tonsText(ship.fuelCapacityTons) +
                       "t" + sep + (ship.canScoop ? "Fuel scoops" : "No fuel scoops");
    if (ship.fuelProcessorTonnage > 0)
        text += sep + "Processor " + tonsText(20.0 * ship.fuelProcessorTonnage) + "t/day";
    if (ship.dropTankTons > 0)
        text += sep + "Drop tank " + tonsText(ship.dropTankTons) + "t";
    if (ship.collapsibleTankTons > 0)
        text += sep + "Collapsible tank " + tonsText(ship.collapsibleTankTons) + "t";
    if (ship.fuelCargoContainerTons > 0)
        text += sep + "Fuel/cargo container " + tonsText(ship.fuelCargoContainerTons) + "t";
    return text;
}

} // namespace velmora::travel
