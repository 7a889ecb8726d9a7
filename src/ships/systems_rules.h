#pragma once

// Step 9 of a design: the optional systems, from aerofins to multi-environment
// space, and a carried craft.

#include "ships/ship_design.h"

#include <string_view>
#include <vector>

namespace velmora::ships {

inline constexpr double aerofinHullShare = 0.05;
inline constexpr double aerofinCostPerTon = 100'000;
inline constexpr double cargoCraneBaseTons = 2.5;
inline constexpr double cargoCraneTonsPerHold = 0.5; // per 150 tons of hold served
inline constexpr double cargoCraneCostPerTon = 1'000'000;
inline constexpr double cargoScoopTons = 2;
inline constexpr double cargoScoopCost = 500'000;
inline constexpr double collapsibleTankTonsShare = 0.01;
inline constexpr double collapsibleTankCostPerTon = 500;
inline constexpr double concealedCompartmentCostPerTon = 20'000;
inline constexpr double dockingSpaceCostPerTon = 250'000;
inline constexpr double miningDronesCostPerTon = 100'000;
inline constexpr double probeDronesCostPerTon = 500'000;
inline constexpr double repairDronesCostPerTon = 200'000;
inline constexpr double fuelProcessorCostPerTon = 50'000;
inline constexpr double fuelProcessorPowerPerTon = 1;
inline constexpr double fuelScoopCost = 1'000'000; // free on a streamlined hull
inline constexpr double airRaftCost = 250'000;
inline constexpr double highStateroomTons = 6;
inline constexpr double highStateroomCost = 800'000;
inline constexpr double holographicControlsShare = 0.25; // of the bridge or cockpit
inline constexpr double holographicHullCostPerTon = 100'000;
inline constexpr double holographicHullPowerPerTon = 0.5;
inline constexpr double laboratoryCostPerTon = 250'000;
inline constexpr double libraryTons = 4;
inline constexpr double libraryCost = 4'000'000;
inline constexpr double luxuryStateroomTons = 10;
inline constexpr double luxuryStateroomCost = 1'500'000;
inline constexpr double medicalBayTons = 4;
inline constexpr double medicalBayCost = 2'000'000;
inline constexpr double medicalBayPower = 1;
inline constexpr double multiEnvironmentTonsFactor = 1.05;
inline constexpr double multiEnvironmentCostPerTon = 25'000;
inline constexpr double multiEnvironmentPowerPerTon = 0.05;

// One fitted optional system as the designer lists it.
struct SystemLine {
    std::string_view label;
    double tons = 0;
    double cost = 0;
    double power = 0;
};

// What the lines add up to in one figure: tons, cost or power.
double totalOf(const std::vector<SystemLine>& lines, double SystemLine::*figure);

// The systems fitted, in the designer's order; those not fitted are left out.
std::vector<SystemLine> optionalSystems(const ShipDesign& design);

double cargoCraneTonnage(const ShipDesign& design);
double holographicControlsCost(const ShipDesign& design);
double optionalSystemsTonnage(const ShipDesign& design);
// "Optional Systems Cost", holographic controls included.
double optionalSystemsCost(const ShipDesign& design);
double optionalSystemsPower(const ShipDesign& design);
double carriedCraftCost(const ShipDesign& design);
// A craft heavier than the docking space bought for it.
bool carriedCraftOverflowsDocking(const ShipDesign& design);

} // namespace velmora::ships
