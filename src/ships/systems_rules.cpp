#include "ships/systems_rules.h"

#include "ships/bridge_rules.h"
#include "ships/rounding.h"

namespace velmora::ships {

namespace {

double hullTons(const ShipDesign& design) {
    return static_cast<double>(design.tonnage);
}

} // namespace

double cargoCraneTonnage(const ShipDesign& design) {
    if (!design.hasCargoCrane)
        return 0;
    return cargoCraneBaseTons + cargoCraneTonsPerHold * static_cast<double>(ceilDivide(
                                                            design.cargoCraneCargoSpaceTons, 150));
}

double holographicControlsCost(const ShipDesign& design) {
    return design.hasHolographicControls ? holographicControlsShare * bridgeCost(design) : 0;
}

std::vector<SystemLine> optionalSystems(const ShipDesign& design) {
    std::vector<SystemLine> lines;
    const auto add = [&](bool fitted, std::string_view label, double tons, double cost,
                         double power = 0) {
        if (fitted)
            lines.push_back({label, tons, cost, power});
    };
    const double hull = hullTons(design);
    const double aerofinTons = aerofinHullShare * hull;
    add(design.hasAerofins, "Aerofins", aerofinTons, aerofinTons * aerofinCostPerTon);
    const double craneTons = cargoCraneTonnage(design);
    add(design.hasCargoCrane, "Cargo Crane", craneTons, craneTons * cargoCraneCostPerTon);
    add(design.hasCargoScoop, "Cargo Scoop", cargoScoopTons, cargoScoopCost);
    const double collapsible = design.collapsibleFuelTankCapacityTons;
    add(collapsible > 0, "Collapsible Fuel Tank", collapsibleTankTonsShare * collapsible,
        collapsible * collapsibleTankCostPerTon);
    const double concealed = design.concealedCompartmentTonnage;
    add(concealed > 0, "Concealed Compartment", concealed,
        concealed * concealedCompartmentCostPerTon);
    const double docking = design.dockingSpaceTonnage;
    add(docking > 0, "Docking Space", docking, docking * dockingSpaceCostPerTon);
    const double mining = design.miningDronesTonnage;
    add(mining > 0, "Mining Drones", mining, mining * miningDronesCostPerTon);
    const double probes = design.probeDronesTonnage;
    add(probes > 0, "Probe Drones", probes, probes * probeDronesCostPerTon);
    const double repair = design.repairDronesTonnage;
    add(repair > 0, "Repair Drones", repair, repair * repairDronesCostPerTon);
    const double processor = design.fuelProcessorTonnage;
    add(processor > 0, "Fuel Processor", processor, processor * fuelProcessorCostPerTon,
        processor * fuelProcessorPowerPerTon);
    add(design.hasFuelScoop, "Fuel Scoop", 0,
        design.configuration == HullConfiguration::streamlined ? 0 : fuelScoopCost);
    add(design.hasAirRaft, "Air/Raft", 0, airRaftCost);
    const double high = design.highStateroomCount;
    add(high > 0, "High Staterooms", high * highStateroomTons, high * highStateroomCost);
    add(design.hasHolographicControls, "Holographic Controls", 0, holographicControlsCost(design));
    add(design.hasHolographicHull, "Holographic Hull", 0, hull * holographicHullCostPerTon,
        hull * holographicHullPowerPerTon);
    const double laboratory = design.laboratoryTonnage;
    add(laboratory > 0, "Laboratory", laboratory, laboratory * laboratoryCostPerTon);
    add(design.hasLibrary, "Library", libraryTons, libraryCost);
    const double luxury = design.luxuryStateroomCount;
    add(luxury > 0, "Luxury Staterooms", luxury * luxuryStateroomTons,
        luxury * luxuryStateroomCost);
    const double medical = design.medicalBayCount;
    add(medical > 0, "Medical Bays", medical * medicalBayTons, medical * medicalBayCost,
        medical * medicalBayPower);
    const double environment = design.multiEnvironmentTonnage;
    add(environment > 0, "Multi-Environment Space", environment * multiEnvironmentTonsFactor,
        environment * multiEnvironmentCostPerTon, environment * multiEnvironmentPowerPerTon);
    return lines;
}

double totalOf(const std::vector<SystemLine>& lines, double SystemLine::*figure) {
    double total = 0;
    for (const SystemLine& line : lines)
        total += line.*figure;
    return total;
}

double optionalSystemsTonnage(const ShipDesign& design) {
    return totalOf(optionalSystems(design), &SystemLine::tons);
}

double optionalSystemsCost(const ShipDesign& design) {
    return totalOf(optionalSystems(design), &SystemLine::cost);
}

double optionalSystemsPower(const ShipDesign& design) {
    return totalOf(optionalSystems(design), &SystemLine::power);
}

double carriedCraftCost(const ShipDesign& design) {
    return design.carriedCraftPrice.value_or(0);
}

bool carriedCraftOverflowsDocking(const ShipDesign& design) {
    return design.carriedCraftTonnage.value_or(0) > design.dockingSpaceTonnage;
}

} // namespace velmora::ships
