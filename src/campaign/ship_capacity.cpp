#include "campaign/ship_capacity.h"

#include "ships/crew_rules.h"
#include "ships/ship_design.h"
#include "ships/ship_summary.h"

#include <algorithm>
#include <cmath>

namespace velmora::campaign {

namespace {

core::Credits wholeCredits(double credits) {
    return static_cast<core::Credits>(std::llround(credits));
}

} // namespace

ShipCapacity shipCapacity(const ships::ShipDesign& design) {
    const ships::ShipSummary summary = ships::summarize(design);
    ShipCapacity capacity;
    capacity.highBerths = design.highStateroomCount + design.luxuryStateroomCount;
    const int sleeps = design.stateroomCount * (design.doubleOccupancy ? 2 : 1);
    capacity.middleBasicBerths = std::max(sleeps - summary.crewTotal, 0);
    capacity.lowBerths = design.lowBerthCount;
    capacity.cargoTons = std::max(static_cast<int>(std::floor(summary.cargoSpace)), 0);
    capacity.mainFuelTons = summary.totalFuelTonnage;
    capacity.dropTankTons = design.highGuard.dropTankCapacityTons;
    capacity.collapsibleTankTons = design.collapsibleFuelTankCapacityTons;
    capacity.containerTons = design.highGuard.fuelCargoContainerCapacityTons;
    capacity.jumpRating = design.jumpDriveRating;
    capacity.techLevel = design.techLevel;
    capacity.armed = !design.weaponMounts.empty();
    capacity.maintenancePerMonth = wholeCredits(summary.maintenancePerMonth);
    capacity.lifeSupportPerMonth = wholeCredits(summary.lifeSupportPerMonth);
    return capacity;
}

BerthCategory berthCategory(trade::PassageClass passage) {
    switch (passage) {
    case trade::PassageClass::high:
        return BerthCategory::high;
    case trade::PassageClass::low:
        return BerthCategory::low;
    case trade::PassageClass::middle:
    case trade::PassageClass::basic:
        break;
    }
    return BerthCategory::middleBasic;
}

std::string_view berthCategoryName(BerthCategory category) {
    switch (category) {
    case BerthCategory::high:
        return "High";
    case BerthCategory::low:
        return "Low";
    case BerthCategory::middleBasic:
        break;
    }
    return "Middle/Basic";
}

int berths(const ShipCapacity& capacity, BerthCategory category) {
    switch (category) {
    case BerthCategory::high:
        return capacity.highBerths;
    case BerthCategory::low:
        return capacity.lowBerths;
    case BerthCategory::middleBasic:
        break;
    }
    return capacity.middleBasicBerths;
}

int passengersAboard(const trade::ShipManifest& manifest, BerthCategory category) {
    int aboard = 0;
    for (const trade::ManifestEntry& entry : manifest.entries)
        if (entry.kind == trade::ManifestEntry::Kind::passengers && entry.passageClass &&
            berthCategory(*entry.passageClass) == category)
            aboard += entry.count;
    return aboard;
}

int freeBerths(const ShipCapacity& capacity, const trade::ShipManifest& manifest,
               BerthCategory category) {
    return std::max(berths(capacity, category) - passengersAboard(manifest, category), 0);
}

int cargoTonsAboard(const trade::ShipManifest& manifest) {
    int tons = 0;
    for (const trade::ManifestEntry& entry : manifest.entries)
        if (entry.kind != trade::ManifestEntry::Kind::passengers)
            tons += entry.tons;
    return tons;
}

int freeCargoTons(const ShipCapacity& capacity, const trade::ShipManifest& manifest) {
    return std::max(capacity.cargoTons - cargoTonsAboard(manifest), 0);
}

int auxiliaryTankCapacity(const ShipCapacity& capacity, trade::ShipManifest::AuxiliaryTank tank) {
    switch (tank) {
    case trade::ShipManifest::AuxiliaryTank::dropTank:
        return capacity.dropTankTons;
    case trade::ShipManifest::AuxiliaryTank::collapsibleTank:
        return capacity.collapsibleTankTons;
    case trade::ShipManifest::AuxiliaryTank::container:
        break;
    }
    return capacity.containerTons;
}

std::string cargoCapacityText(const ShipCapacity& capacity, const trade::ShipManifest& manifest) {
    return std::to_string(cargoTonsAboard(manifest)) + " / " + std::to_string(capacity.cargoTons) +
           " tons (" + std::to_string(freeCargoTons(capacity, manifest)) + " free)";
}

} // namespace velmora::campaign
