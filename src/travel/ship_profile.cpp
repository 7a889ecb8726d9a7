#include "travel/ship_profile.h"

#include "ships/crew_rules.h"
#include "ships/fuel_rules.h"
#include "ships/hull_rules.h"
#include "ships/saved_ship_design.h"
#include "ships/ship_summary.h"

namespace velmora::travel {

ShipProfile shipProfile(const ships::SavedShipDesign& saved) {
    const ships::ShipDesign& design = saved.design;
    ShipProfile ship;
    ship.shipName = saved.shipName.empty() ? saved.configurationName : saved.shipName;
    ship.jumpRating = design.jumpDriveRating;
    ship.thrustG = design.highGuard.hasConcealedManoeuvreDrive ? design.manoeuvreDriveRating / 2
                                                               : design.manoeuvreDriveRating;
    ship.canScoop = design.hasFuelScoop;
    ship.fuelCapacityTons = ships::totalFuelTonnage(design);
    ship.dropTankTons = design.highGuard.dropTankCapacityTons;
    ship.collapsibleTankTons = design.collapsibleFuelTankCapacityTons;
    ship.fuelCargoContainerTons = design.highGuard.fuelCargoContainerCapacityTons;
    ship.fuelPerParsecTons = design.hasJumpDrive ? ships::roundedHullTonnage(design) * 0.1 : 0.0;
    ship.fuelProcessorTonnage = design.fuelProcessorTonnage;
    const double cost = ships::totalCost(design) * (design.applyTenPercentDiscount ? 0.9 : 1.0);
    ship.maintenancePerPeriodCredits = cost / 12'000.0;
    ship.lifeSupportPerPeriodCredits = ships::lifeSupportPerMonth(design);
    return ship;
}

} // namespace velmora::travel
