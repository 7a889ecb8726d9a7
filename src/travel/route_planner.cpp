#include "travel/route_planner.h"

#include "campaign/campaign.h"
#include "core/dice.h"
#include "travel/travel_geometry.h"

#include <algorithm>
#include <cmath>

namespace velmora::travel {

namespace {

constexpr double secondsPerHour = 3'600.0;
// Time at a fuel stop for a notional ship: taking fuel at a port or station, or
// skimming a giant; scooping water from the main world's seas is quicker.
constexpr double portRefuelSeconds = 6 * secondsPerHour;
constexpr double waterRefuelSeconds = 4 * secondsPerHour;

struct Mode {
    int jumpRating = 0;
    double thrustG = 0;
    bool canScoop = false;
    const ShipProfile* ship = nullptr;
};

Mode modeOf(const RouteRequest& request) {
    if (request.ship)
        return {request.ship->jumpRating, request.ship->thrustG, request.ship->canScoop,
                &*request.ship};
    return {request.jumpRating, request.thrustG, request.canScoop, nullptr};
}

// The first hex at `coordinates`. Its cube is looked for among the search's nodes,
// which sit close together in memory where the hexes do not; the hex itself then
// confirms the match.
std::optional<std::size_t> nodeAt(const std::vector<core::HexData>& hexes,
                                  const std::vector<RouteNode>& nodes,
                                  const core::GalacticCoordinates& coordinates) {
    const core::Cube cube = coordinates.cube();
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (nodes[i].cube == cube && hexes[i].coordinates == coordinates)
            return i;
    }
    return std::nullopt;
}

RouteStop stopAt(const core::HexData& hex, bool canScoop) {
    RouteStop stop;
    stop.coordinates = hex.coordinates;
    stop.systemName = hex.starSystem.name.empty() ? "Unnamed System" : hex.starSystem.name;
    stop.fuelSource = fuelSource(hex.starSystem, canScoop);
    return stop;
}

double fuelNeededTons(const ShipProfile& ship, int parsecs) {
    return ship.fuelPerParsecTons * parsecs;
}

// A real ship tops off at every fuel stop, paying for what it burnt since the last
// one, range-extension tankage included.
void refuelShip(std::vector<RouteStop>& stops, const ShipProfile& ship, core::RandomSource& dice) {
    const double capacity = ship.fuelCapacityTons;
    const double tankage = ship.rangeExtensionTons() + capacity;
    double fuelTons = capacity;
    double owedTons = 0;
    for (std::size_t i = 0; i < stops.size(); ++i) {
        RouteStop& stop = stops[i];
        const bool last = i + 1 == stops.size();
        const bool hasFuel = stop.fuelSource != FuelSource::none;
        if (i == 0 || (last && hasFuel)) {
            fuelTons = capacity;
            owedTons = 0;
        } else if (!last && hasFuel) {
            const double tons = owedTons + std::max(capacity - fuelTons, 0.0);
            if (tons > 0) {
                stop.fuelCostCredits = std::llround(tons * fuelPricePerTon(stop.fuelSource));
                if (tankage > 0)
                    stop.refuelSeconds = tons / tankage * (core::Dice::d6(dice) * secondsPerHour);
                if (stop.fuelSource != FuelSource::refinedStarport && ship.fuelProcessorTonnage > 0)
                    stop.processingSeconds =
                        tons / (ship.fuelProcessorTonnage * 20.0) * 24.0 * secondsPerHour;
            }
            fuelTons = capacity;
            owedTons = 0;
        }
        if (last)
            break;
        const double needed =
            fuelNeededTons(ship, core::distance(stop.coordinates, stops[i + 1].coordinates));
        const double fromTanks = std::min(needed, fuelTons);
        fuelTons -= fromTanks;
        owedTons += needed - fromTanks;
    }
}

// A notional ship only spends time at its fuel stops; the fuel itself is not costed.
void refuelGeneric(std::vector<RouteStop>& stops, const std::vector<const core::HexData*>& hexes,
                   double thrustG) {
    for (std::size_t i = 1; i + 1 < stops.size(); ++i) {
        switch (stops[i].fuelSource) {
        case FuelSource::refinedStarport:
        case FuelSource::unrefinedStarport:
        case FuelSource::installation:
            stops[i].refuelSeconds = portRefuelSeconds;
            break;
        case FuelSource::water:
            stops[i].refuelSeconds = waterRefuelSeconds;
            break;
        case FuelSource::gasGiant:
            // Out to the giant and back, and six hours skimming.
            stops[i].refuelSeconds =
                2 * transitSeconds(gasGiantClearanceKm(*hexes[i]), thrustG) + portRefuelSeconds;
            break;
        case FuelSource::none:
            break;
        }
    }
}

} // namespace

int jumpHours(core::RandomSource& dice) {
    return 148 + core::Dice::roll(dice, 6);
}

std::vector<RouteNode> routeNodes(const std::vector<core::HexData>& hexes, bool canScoop) {
    std::vector<RouteNode> nodes;
    nodes.reserve(hexes.size());
    for (const core::HexData& hex : hexes)
        nodes.push_back(
            {hex.coordinates.cube(), fuelSource(hex.starSystem, canScoop) != FuelSource::none});
    return nodes;
}

SearchRules searchRules(const RouteRequest& request) {
    const Mode mode = modeOf(request);
    SearchRules rules;
    rules.jumpRating = mode.jumpRating;
    if (mode.ship) {
        rules.withShip = true;
        rules.fuelPerParsecTons = mode.ship->fuelPerParsecTons;
        rules.fuelCapacityTons = mode.ship->fuelCapacityTons;
        rules.rangeExtensionTons = mode.ship->rangeExtensionTons();
    }
    return rules;
}

core::Credits npcSalariesPerPeriod(const campaign::Campaign& campaign) {
    core::Credits total = 0;
    for (const auto& player : campaign.players) {
        if (player.isNPC)
            total = core::addCredits(total, player.salary);
    }
    return total;
}

std::optional<RoutePlan> planRoute(const std::vector<core::HexData>& hexes,
                                   const RouteRequest& request, core::RandomSource& dice) {
    const Mode mode = modeOf(request);
    if (mode.jumpRating < 1 || !(mode.thrustG > 0) || hexes.empty() ||
        request.start == request.destination)
        return std::nullopt;
    const std::vector<RouteNode> nodes = routeNodes(hexes, mode.canScoop);
    const auto start = nodeAt(hexes, nodes, request.start);
    const auto destination = nodeAt(hexes, nodes, request.destination);
    if (!start || !destination)
        return std::nullopt;

    const auto route = searchRoute(nodes, *start, *destination, searchRules(request));
    if (!route)
        return std::nullopt;

    RoutePlan plan;
    plan.jumpRating = mode.jumpRating;
    plan.canScoop = mode.canScoop;
    plan.thrustG = mode.thrustG;
    std::vector<const core::HexData*> routeHexes;
    for (const std::size_t node : *route) {
        routeHexes.push_back(&hexes[node]);
        plan.stops.push_back(stopAt(hexes[node], mode.canScoop));
    }
    if (mode.ship) {
        plan.shipName = mode.ship->shipName;
        refuelShip(plan.stops, *mode.ship, dice);
    } else {
        refuelGeneric(plan.stops, routeHexes, mode.thrustG);
    }

    for (std::size_t i = 0; i + 1 < plan.stops.size(); ++i) {
        RouteLeg leg;
        leg.from = plan.stops[i].coordinates;
        leg.to = plan.stops[i + 1].coordinates;
        leg.distanceLY = core::distance(leg.from, leg.to);
        leg.jumpSeconds = jumpHours(dice) * secondsPerHour;
        leg.departManeuverSeconds =
            transitSeconds(departureClearanceKm(*routeHexes[i]), mode.thrustG);
        if (mode.ship) // the fuel is refined on the way out to the jump point
            leg.departManeuverSeconds =
                std::max(leg.departManeuverSeconds, plan.stops[i].processingSeconds);
        leg.arriveManeuverSeconds =
            transitSeconds(departureClearanceKm(*routeHexes[i + 1]), mode.thrustG);
        plan.legs.push_back(leg);
    }

    plan.totalJumps = static_cast<int>(plan.legs.size());
    for (const RouteLeg& leg : plan.legs) {
        plan.totalDistanceLY += leg.distanceLY;
        plan.totalSeconds +=
            leg.jumpSeconds + leg.departManeuverSeconds + leg.arriveManeuverSeconds;
    }
    for (const RouteStop& stop : plan.stops) {
        plan.totalSeconds += stop.refuelSeconds;
        plan.totalFuelCostCredits =
            core::addCredits(plan.totalFuelCostCredits, stop.fuelCostCredits);
    }

    if (mode.ship) {
        const int periods = static_cast<int>(std::floor(plan.totalSeconds / 86'400.0 / 28.0));
        if (periods >= 1) {
            const double salaries =
                request.campaign ? static_cast<double>(npcSalariesPerPeriod(*request.campaign)) : 0;
            plan.upkeepPeriods = periods;
            plan.upkeepCostCredits =
                std::llround((mode.ship->maintenancePerPeriodCredits +
                              mode.ship->lifeSupportPerPeriodCredits + salaries) *
                             periods);
        }
    }
    return plan;
}

} // namespace velmora::travel
