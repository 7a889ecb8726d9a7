#include "ships/power_rules.h"

#include "ships/bridge_rules.h"
#include "ships/highguard_rules.h"
#include "ships/hull_rules.h"
#include "ships/rounding.h"
#include "ships/systems_rules.h"
#include "ships/weapon_rules.h"

namespace velmora::ships {

double powerOutput(const ShipDesign& design) {
    return design.powerPlantTonnage * rulesFor(design.powerPlantType).powerPerTon;
}

double powerPlantCost(const ShipDesign& design) {
    return design.powerPlantTonnage * rulesFor(design.powerPlantType).costPerTon;
}

PowerDemand powerDemand(const ShipDesign& design) {
    PowerDemand demand;
    demand.basicSystems = 0.2 * design.tonnage;
    const double thrust =
        design.manoeuvreDriveRating == 0 ? 0.25 : static_cast<double>(design.manoeuvreDriveRating);
    demand.manoeuvreDrive = 0.1 * roundedHullTonnage(design) * thrust;
    demand.sensors = sensorPower(design);
    demand.weapons = weaponPower(design);
    demand.optionalSystems = optionalSystemsPower(design);
    demand.lowBerths =
        static_cast<double>(ceilDivide(design.lowBerthCount, 10) + design.emergencyLowBerthCount);
    demand.highGuard = highGuardPower(design);
    return demand;
}

double powerRequirement(const ShipDesign& design) {
    return powerDemand(design).total();
}

double jumpPower(const ShipDesign& design) {
    if (!design.hasJumpDrive)
        return 0;
    return 0.1 * roundedHullTonnage(design) * design.jumpDriveRating;
}

std::vector<PowerAllocationEntry> powerAllocationDuringJump(const ShipDesign& design) {
    if (!design.hasJumpDrive)
        return {};
    using Status = PowerAllocationEntry::Status;
    const PowerDemand demand = powerDemand(design);
    const double drive = jumpPower(design);
    double budget = powerOutput(design) - drive;

    std::vector<PowerAllocationEntry> entries;
    entries.push_back({"Jump Drive", drive, Status::full});

    Status basic = Status::off;
    if (demand.basicSystems <= budget) {
        basic = Status::full;
        budget -= demand.basicSystems;
    } else if (0.5 * demand.basicSystems <= budget) {
        basic = Status::half;
        budget -= 0.5 * demand.basicSystems;
    }
    entries.push_back({"Basic Ship Systems", demand.basicSystems, basic});
    entries.push_back({"Manoeuvre Drive", demand.manoeuvreDrive, Status::off});

    const std::pair<const char*, double> groups[] = {
        {"Low Berths", demand.lowBerths},
        {"Sensors", demand.sensors},
        {"High Guard Options", demand.highGuard},
        {"Optional Systems", demand.optionalSystems},
        {"Weapons", demand.weapons},
    };
    for (const auto& [label, power] : groups) {
        if (power <= 0)
            continue;
        Status status = Status::off;
        if (power <= budget) {
            status = Status::full;
            budget -= power;
        }
        entries.push_back({label, power, status});
    }
    return entries;
}

} // namespace velmora::ships
