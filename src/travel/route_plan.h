#pragma once

#include "core/credits.h"
#include "core/galactic_coordinates.h"
#include "travel/fuel_source.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::travel {

// One system on a planned route, the start and the destination included.
struct RouteStop {
    core::GalacticCoordinates coordinates;
    std::string systemName;
    FuelSource fuelSource = FuelSource::none;
    double refuelSeconds = 0;
    core::Credits fuelCostCredits = 0;
    // Refining what was taken on here; it runs during the flight out to the jump point.
    double processingSeconds = 0;

    friend bool operator==(const RouteStop&, const RouteStop&) = default;
};

// One jump, with the flights to and from the jump points at either end.
struct RouteLeg {
    core::GalacticCoordinates from;
    core::GalacticCoordinates to;
    int distanceLY = 0; // parsecs
    double jumpSeconds = 0;
    double departManeuverSeconds = 0;
    double arriveManeuverSeconds = 0;

    friend bool operator==(const RouteLeg&, const RouteLeg&) = default;
};

struct RoutePlan {
    std::vector<RouteStop> stops;
    std::vector<RouteLeg> legs; // one fewer than the stops
    int totalJumps = 0;
    int totalDistanceLY = 0;
    double totalSeconds = 0;
    int jumpRating = 0;
    bool canScoop = false;
    double thrustG = 0;
    std::optional<std::string> shipName; // planned for a particular ship
    core::Credits totalFuelCostCredits = 0;
    int upkeepPeriods = 0; // whole 28-day periods
    core::Credits upkeepCostCredits = 0;

    friend bool operator==(const RoutePlan&, const RoutePlan&) = default;
};

// What the planner needs to know of a particular ship: its drives, its tanks and
// what it costs to run. A ship design fills it in; the planner never sees the design.
struct ShipProfile {
    std::string shipName;
    int jumpRating = 0;
    double thrustG = 0;
    bool canScoop = false;
    double fuelCapacityTons = 0; // the main tanks
    // Tankage that lets the ship cross systems without fuel; refilled at the next fuel stop.
    double dropTankTons = 0;
    double collapsibleTankTons = 0;
    double fuelCargoContainerTons = 0;
    // A tenth of the hull per parsec; 0 for a ship without a jump drive.
    double fuelPerParsecTons = 0;
    double fuelProcessorTonnage = 0; // each ton refines 20 t a day
    // Running costs of one 28-day period.
    double maintenancePerPeriodCredits = 0;
    double lifeSupportPerPeriodCredits = 0;

    double rangeExtensionTons() const {
        return collapsibleTankTons + dropTankTons + fuelCargoContainerTons;
    }

    friend bool operator==(const ShipProfile&, const ShipProfile&) = default;
};

} // namespace velmora::travel
