#include "ships/bridge_rules.h"

#include "ships/rounding.h"
#include "ships/ship_design_codes.h"

namespace velmora::ships {

namespace {

// Bridge sizes by hull tons; the smaller bridge takes the size one row up.
double bridgeTonsFor(int tonnage, bool smaller) {
    if (tonnage <= 50)
        return 3;
    if (tonnage <= 99)
        return smaller ? 3 : 6;
    if (tonnage <= 200)
        return smaller ? 6 : 10;
    if (tonnage <= 1'000)
        return smaller ? 10 : 20;
    if (tonnage <= 2'000)
        return smaller ? 20 : 40;
    if (tonnage <= 100'000)
        return smaller ? 40 : 60;
    if (smaller)
        return 60;
    return 60.0 + 20.0 * static_cast<double>(ceilDivide(tonnage - 100'000, 100'000));
}

double sensorArrayFactor(const ShipDesign& design) {
    return design.highGuard.sensorArrayEnhancement == SensorArrayEnhancement::none ? 1.0 : 3.0;
}

} // namespace

double bridgeTonnage(const ShipDesign& design) {
    if (design.useCockpit)
        return design.dualCockpit ? dualCockpitTons : cockpitTons;
    return bridgeTonsFor(design.tonnage, design.smallerBridge) +
           (design.commandBridge ? commandBridgeTons : 0);
}

double bridgeCost(const ShipDesign& design) {
    if (design.useCockpit) {
        return (design.dualCockpit ? dualCockpitCost : cockpitCost) +
               (design.cockpitEjectorSeat ? ejectorSeatCost : 0);
    }
    double cost = static_cast<double>(ceilDivide(design.tonnage, 100)) * bridgeCostPerHundredTons;
    if (design.smallerBridge)
        cost /= 2;
    if (design.commandBridge)
        cost += commandBridgeCost;
    return cost;
}

std::string bridgeLabel(const ShipDesign& design) {
    if (design.useCockpit)
        return design.dualCockpit ? "Dual Cockpit" : "Cockpit";
    std::string label = design.smallerBridge ? "Smaller Bridge" : "Bridge";
    if (design.commandBridge)
        label += ", Command Bridge";
    return label;
}

double computerCost(ComputerModel model, bool jumpControlSpecialisation, bool hardenedSystems) {
    const int options = (jumpControlSpecialisation ? 1 : 0) + (hardenedSystems ? 1 : 0);
    return rulesFor(model).cost * (1.0 + 0.5 * options);
}

int computerProcessing(ComputerModel model, bool jumpControlSpecialisation) {
    return rulesFor(model).bandwidth +
           (jumpControlSpecialisation ? jumpControlSpecialisationBonus : 0);
}

double primaryComputerCost(const ShipDesign& design) {
    return computerCost(design.primaryComputer, design.primaryComputerJumpControlSpecialisation,
                        design.primaryComputerHardenedSystems);
}

double backupComputerCost(const ShipDesign& design) {
    if (!design.hasBackupComputer)
        return 0;
    return computerCost(design.backupComputer, design.backupComputerJumpControlSpecialisation,
                        design.backupComputerHardenedSystems);
}

double totalComputerCost(const ShipDesign& design) {
    return primaryComputerCost(design) + backupComputerCost(design);
}

int jumpProcessing(const ShipDesign& design) {
    return computerProcessing(design.primaryComputer,
                              design.primaryComputerJumpControlSpecialisation);
}

std::string computerLabel(ComputerModel model, bool jumpControlSpecialisation,
                          bool hardenedSystems) {
    std::string label(displayName(model));
    if (jumpControlSpecialisation)
        label += "/bis";
    if (hardenedSystems)
        label += "/fib";
    return label;
}

bool backupComputerIsSmaller(const ShipDesign& design) {
    if (!design.hasBackupComputer)
        return true;
    return computerProcessing(design.backupComputer,
                              design.backupComputerJumpControlSpecialisation) <
           jumpProcessing(design);
}

double sensorTonnage(const ShipDesign& design) {
    return rulesFor(design.sensorSuite).tons * sensorArrayFactor(design);
}

double sensorCost(const ShipDesign& design) {
    double factor = 1.0;
    switch (design.highGuard.sensorArrayEnhancement) {
    case SensorArrayEnhancement::none:
        break;
    case SensorArrayEnhancement::distributedArray:
    case SensorArrayEnhancement::extendedArray:
        factor = 3.0;
        break;
    case SensorArrayEnhancement::rapidDeploymentExtendedArray:
        factor = 5.0;
        break;
    }
    return rulesFor(design.sensorSuite).cost * factor;
}

double sensorPower(const ShipDesign& design) {
    return rulesFor(design.sensorSuite).power * sensorArrayFactor(design);
}

} // namespace velmora::ships
