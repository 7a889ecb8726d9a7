#include "ships/crew_rules.h"

#include "ships/drive_rules.h"
#include "ships/rounding.h"
#include "ships/weapon_rules.h"

#include <algorithm>

namespace velmora::ships {

namespace {

std::size_t index(CrewRole role) {
    return static_cast<std::size_t>(role);
}

// ceil(count × multiplier) of an already rounded-up count, in whole arithmetic so
// that 0.67 × 3 gives 3 and not a hair over.
int scaled(long long count, int percent) {
    return static_cast<int>(ceilDivide(count * percent, 100));
}

} // namespace

double salaryPerMonth(CrewRole role, CrewType crewType) {
    switch (role) {
    case CrewRole::captain:
    case CrewRole::pilot:
        return crewType == CrewType::military ? 28'000 : 16'000;
    case CrewRole::astrogator:
        return 5'000;
    case CrewRole::engineer:
        return 4'000;
    case CrewRole::maintenance:
        return 1'000;
    case CrewRole::gunner:
    case CrewRole::steward:
        return 2'000;
    case CrewRole::administrator:
        return 1'500;
    case CrewRole::sensorOperator:
    case CrewRole::medic:
        return 4'000;
    case CrewRole::officer:
        return 5'000;
    }
    return 0;
}

int crewMultiplierPercent(int tonnage) {
    if (tonnage <= 5'000)
        return 100;
    if (tonnage < 20'000)
        return 75;
    if (tonnage < 50'000)
        return 67;
    if (tonnage < 100'000)
        return 50;
    return 33;
}

std::string crewMultiplierText(int tonnage) {
    switch (crewMultiplierPercent(tonnage)) {
    case 100:
        return "1.0";
    case 75:
        return "0.75";
    case 67:
        return "0.67";
    case 50:
        return "0.5";
    default:
        return "0.33";
    }
}

int CrewRequirement::roleTotal() const {
    int total = 0;
    for (int count : byRole)
        total += count;
    return total;
}

CrewRequirement crewRequirement(const ShipDesign& design) {
    const bool military = design.crewType == CrewType::military;
    const int percent = crewMultiplierPercent(design.tonnage);
    const long long tons = design.tonnage;
    CrewRequirement crew;
    auto& roles = crew.byRole;

    roles[index(CrewRole::captain)] = 1;
    roles[index(CrewRole::pilot)] = military ? 3 : 1;
    roles[index(CrewRole::astrogator)] = design.hasJumpDrive ? 1 : 0;
    const double engineeredTons = manoeuvreDriveTonnage(design) + reactionDriveTonnage(design) +
                                  jumpDriveTonnage(design) + design.powerPlantTonnage;
    roles[index(CrewRole::engineer)] =
        scaled(static_cast<long long>(roundedUp(engineeredTons / 35.0)), percent);
    roles[index(CrewRole::maintenance)] = scaled(ceilDivide(tons, military ? 500 : 1'000), percent);
    long long gunners = 0;
    for (const auto& mount : design.weaponMounts)
        gunners += mountGunners(mount, design.crewType);
    roles[index(CrewRole::gunner)] = scaled(gunners, percent);
    roles[index(CrewRole::administrator)] =
        scaled(ceilDivide(tons, military ? 1'000 : 2'000), percent);
    roles[index(CrewRole::sensorOperator)] =
        scaled(ceilDivide(tons * (military ? 3 : 1), 7'500), percent);

    for (const auto& role : roles)
        crew.workingCrew += role;

    crew.berths = stateroomCapacity(design);
    const int bunked = design.overrideActualCrewCount ? design.actualCrewCount : crew.workingCrew;
    crew.middlePassengers = std::max(0, crew.berths - bunked);

    const int premium = design.highStateroomCount + design.luxuryStateroomCount;
    roles[index(CrewRole::steward)] =
        static_cast<int>(ceilDivide(premium, 10) + ceilDivide(crew.middlePassengers, 100));

    const int beforeMedics = crew.workingCrew + roles[index(CrewRole::steward)];
    const long long carried = military ? 0 : premium + crew.middlePassengers;
    roles[index(CrewRole::medic)] = static_cast<int>(ceilDivide(beforeMedics + carried, 120));
    roles[index(CrewRole::officer)] = beforeMedics / (military ? 10 : 20);

    crew.totalCrew = design.overrideActualCrewCount ? design.actualCrewCount : crew.roleTotal();
    return crew;
}

int crewTotal(const ShipDesign& design) {
    return crewRequirement(design).totalCrew;
}

std::vector<CrewRoleLine> crewByRole(const ShipDesign& design) {
    const CrewRequirement crew = crewRequirement(design);
    std::vector<CrewRoleLine> lines;
    for (std::size_t i = 0; i < crewRoleCount; ++i) {
        if (crew.byRole[i] == 0)
            continue;
        const auto role = static_cast<CrewRole>(i);
        lines.push_back({role, crewRoleLabels[i], crew.byRole[i],
                         crew.byRole[i] * salaryPerMonth(role, design.crewType)});
    }
    return lines;
}

double salariesPerMonth(const ShipDesign& design) {
    const CrewRequirement crew = crewRequirement(design);
    double total = 0;
    for (std::size_t i = 0; i < crewRoleCount; ++i)
        total += crew.byRole[i] * salaryPerMonth(static_cast<CrewRole>(i), design.crewType);
    return total;
}

int stateroomCapacity(const ShipDesign& design) {
    return design.stateroomCount * (design.doubleOccupancy ? 2 : 1);
}

int recommendedCommonArea(const ShipDesign& design) {
    return design.stateroomCount;
}

std::vector<PassengerLine> passengers(const ShipDesign& design) {
    return {{"High Passage", design.highStateroomCount},
            {"Luxury Passage", design.luxuryStateroomCount},
            {"Middle Passage", crewRequirement(design).middlePassengers},
            {"Low Passage", design.lowBerthCount}};
}

LifeSupport lifeSupport(const ShipDesign& design) {
    const CrewRequirement crew = crewRequirement(design);
    const HighGuardOptions& options = design.highGuard;
    LifeSupport support;
    support.staterooms = 1'000.0 * design.stateroomCount;
    support.crewAndPassengers = 1'000.0 * std::max(crew.totalCrew, crew.berths);
    support.lowBerths = 100.0 * design.lowBerthCount;
    support.highGuardHighAndLuxury =
        500.0 * options.barracksPassengerCount + 4'000.0 * options.brigUnitCount +
        250.0 * options.cabinSpaceTons + 250.0 * options.stableTons +
        3'000.0 * design.highStateroomCount + 5'000.0 * design.luxuryStateroomCount;
    return support;
}

double lifeSupportPerMonth(const ShipDesign& design) {
    return lifeSupport(design).total();
}

} // namespace velmora::ships
