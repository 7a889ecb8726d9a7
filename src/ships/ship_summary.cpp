#include "ships/ship_summary.h"

#include "core/credits.h"
#include "ships/bridge_rules.h"
#include "ships/drive_rules.h"
#include "ships/fuel_rules.h"
#include "ships/highguard_rules.h"
#include "ships/hull_rules.h"
#include "ships/ship_design_codes.h"
#include "ships/ship_texts.h"
#include "ships/software_rules.h"
#include "ships/systems_rules.h"
#include "ships/weapon_rules.h"

#include <cmath>
#include <cstdio>

namespace velmora::ships {

namespace {

// A design's parts, worked out once and shared by the rows, totals and warnings.
struct Parts {
    HighGuardHullEffects hull;
    double armourTons = 0;
    double stealthTons = 0;
    double manoeuvreTons = 0;
    double reactionTons = 0;
    double jumpTons = 0;
    double fuelTons = 0;
    double bridgeTons = 0;
    double weaponTons = 0;
    double systemsTons = 0;
    double sensorTons = 0;
    double highGuardTons = 0;
    std::vector<SummaryRow> rows;
};

std::string fixed(double value, int decimals) {
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.*f", decimals, value);
    std::string text(buffer);
    if (text.find('.') != std::string::npos) {
        while (text.back() == '0')
            text.pop_back();
        if (text.back() == '.')
            text.pop_back();
    }
    if (text == "-0")
        text = "0";
    return text;
}

std::string counted(int count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string joined(const std::vector<std::string>& items) {
    std::string text;
    for (const auto& item : items) {
        if (!text.empty())
            text += ", ";
        text += item;
    }
    return text;
}

Parts partsOf(const ShipDesign& design) {
    Parts parts;
    auto& rows = parts.rows;
    const auto add = [&](std::string section, std::string detail, double tons, double cost) {
        rows.push_back({std::move(section), std::move(detail), tons, cost});
    };
    parts.hull = highGuardHullEffects(design);

    add("Hull",
        std::to_string(design.tonnage) + " tons, " + std::string(displayName(design.configuration)),
        parts.hull.hullTons(), hullCost(design) + parts.hull.hullCost());

    parts.armourTons = armourTonnage(design);
    add("Armour",
        std::string(displayName(design.armour)) + ", Protection " +
            std::to_string(parts.armourTons > 0 ? design.armourProtection : 0),
        parts.armourTons, armourCost(design));

    parts.stealthTons = stealthTonnage(design);
    std::vector<std::string> coatings;
    if (design.heatShielding)
        coatings.emplace_back("Heat Shielding");
    if (design.radiationShielding)
        coatings.emplace_back("Radiation Shielding");
    if (design.reflec)
        coatings.emplace_back("Reflec");
    if (design.stealth != StealthType::none)
        coatings.push_back(std::string(displayName(design.stealth)) + " Stealth");
    add("Hull Options Cost", joined(coatings), parts.stealthTons, hullOptionsCost(design));

    parts.manoeuvreTons = manoeuvreDriveTonnage(design);
    add("Thrust " + std::to_string(design.manoeuvreDriveRating),
        design.highGuard.hasConcealedManoeuvreDrive ? "Concealed" : "", parts.manoeuvreTons,
        manoeuvreDriveCost(design));
    parts.reactionTons = reactionDriveTonnage(design);
    if (design.hasReactionDrive)
        add("R-Drive", "Thrust " + std::to_string(design.reactionDriveRating), parts.reactionTons,
            reactionDriveCost(design));
    parts.jumpTons = jumpDriveTonnage(design);
    if (design.hasJumpDrive)
        add("J-Drive", "Jump " + std::to_string(design.jumpDriveRating), parts.jumpTons,
            jumpDriveCost(design));

    add("Power Plant", std::string(displayName(design.powerPlantType)),
        design.powerPlantTonnage + parts.hull.emergencyPowerTons,
        powerPlantCost(design) + parts.hull.emergencyPowerCost);

    parts.fuelTons = totalFuelTonnage(design);
    add("Fuel Tanks", design.highGuard.hasMetalHydrideStorage ? "Metal Hydride Storage" : "",
        parts.fuelTons + parts.hull.metalHydrideTons, parts.hull.metalHydrideCost);

    parts.bridgeTons = bridgeTonnage(design);
    add(bridgeLabel(design), "", parts.bridgeTons, bridgeCost(design));

    std::string computers =
        computerLabel(design.primaryComputer, design.primaryComputerJumpControlSpecialisation,
                      design.primaryComputerHardenedSystems);
    if (design.hasBackupComputer)
        computers += ", backup " + computerLabel(design.backupComputer,
                                                 design.backupComputerJumpControlSpecialisation,
                                                 design.backupComputerHardenedSystems);
    add("Computer", computers, 0, totalComputerCost(design));

    std::vector<std::string> programs = basicSoftwareNames(design.software);
    for (auto& name : advancedSoftwareNames(design.software))
        programs.push_back(std::move(name));
    add("Software", joined(programs), 0, softwareCost(design.software));

    parts.sensorTons = sensorTonnage(design);
    std::string sensors(displayName(design.sensorSuite));
    if (design.highGuard.sensorArrayEnhancement != SensorArrayEnhancement::none)
        sensors += ", " + std::string(displayName(design.highGuard.sensorArrayEnhancement));
    add("Sensors", sensors, parts.sensorTons, sensorCost(design));

    parts.weaponTons = weaponTonnage(design);
    add("Weapons", counted(static_cast<int>(design.weaponMounts.size()), "mount"), parts.weaponTons,
        weaponCost(design));

    parts.systemsTons = optionalSystemsTonnage(design);
    add("Systems", "", parts.systemsTons, optionalSystemsCost(design));

    parts.highGuardTons = highGuardTonnage(design);
    add("High Guard", "",
        parts.highGuardTons + parts.hull.solarSailTons + parts.hull.ramscoopTons +
            parts.hull.towCableTons,
        highGuardCost(design) + parts.hull.solarSailCost + parts.hull.ramscoopCost +
            parts.hull.towCableCost);

    add("Staterooms", counted(design.stateroomCount, "stateroom"),
        stateroomTons * design.stateroomCount, stateroomCost * design.stateroomCount);
    add("Common Areas", "", design.commonAreaTonnage,
        commonAreaCostPerTon * design.commonAreaTonnage);
    add("Low Berths",
        counted(design.lowBerthCount, "low berth") + ", " +
            counted(design.emergencyLowBerthCount, "emergency low berth"),
        lowBerthTons * design.lowBerthCount + emergencyLowBerthTons * design.emergencyLowBerthCount,
        lowBerthCost * design.lowBerthCount +
            emergencyLowBerthCost * design.emergencyLowBerthCount);
    if (design.carriedCraftPrice || design.carriedCraftName)
        add("Carried Craft", design.carriedCraftName.value_or(""), 0, carriedCraftCost(design));
    return parts;
}

double usedTons(const Parts& parts) {
    double used = 0;
    for (const auto& row : parts.rows)
        used += row.tons;
    return used;
}

double costOf(const Parts& parts) {
    double cost = 0;
    for (const auto& row : parts.rows)
        cost += row.cost;
    return cost;
}

double discounted(const ShipDesign& design, double total) {
    return design.applyTenPercentDiscount ? total * 0.9 : total;
}

} // namespace

double totalCost(const ShipDesign& design) {
    return costOf(partsOf(design));
}

double purchaseCost(const ShipDesign& design) {
    return discounted(design, totalCost(design));
}

double maintenancePerMonth(const ShipDesign& design) {
    return purchaseCost(design) / 12'000;
}

double tonnageUsed(const ShipDesign& design) {
    return usedTons(partsOf(design));
}

double cargoSpace(const ShipDesign& design) {
    return design.tonnage - tonnageUsed(design);
}

ShipSummary summarize(const ShipDesign& design) {
    Parts parts = partsOf(design);
    ShipSummary s;
    s.tonnage = design.tonnage;
    s.roundedHullTonnage = roundedHullTonnage(design);
    s.hullPoints = hullPoints(design);

    s.tonnageUsed = usedTons(parts);
    s.cargoSpace = design.tonnage - s.tonnageUsed;
    s.totalCost = costOf(parts);
    s.purchaseCost = discounted(design, s.totalCost);
    s.maintenancePerMonth = s.purchaseCost / 12'000;
    s.lifeSupport = lifeSupport(design);
    s.lifeSupportPerMonth = s.lifeSupport.total();
    s.salariesPerMonth = salariesPerMonth(design);
    s.totalMonthlyCosts = s.maintenancePerMonth + s.lifeSupportPerMonth;

    s.jumpFuelTonnage = jumpFuelTonnage(design);
    s.powerPlantFuelTonnage = powerPlantFuelTonnage(design);
    s.reactionFuelTonnage = reactionFuelTonnage(design);
    s.totalFuelTonnage = parts.fuelTons;

    s.powerOutput = powerOutput(design);
    s.powerDemand = powerDemand(design);
    s.powerRequirement = s.powerDemand.total();
    s.jumpPower = jumpPower(design);
    s.powerAllocationDuringJump = powerAllocationDuringJump(design);

    s.crew = crewRequirement(design);
    s.crewTotal = s.crew.totalCrew;
    s.crewByRole = crewByRole(design);

    s.hardpoints = hardpointsAvailable(design);
    s.hardpointsUsed = hardpointsUsed(design);

    s.softwareBandwidth = softwareBandwidth(design.software);
    s.softwareFits = softwareFits(design);
    s.basicSoftware = basicSoftwareNames(design.software);
    s.advancedSoftware = advancedSoftwareNames(design.software);

    s.rows = std::move(parts.rows);
    s.rows.push_back({"Cargo", "", s.cargoSpace, 0});
    s.total = {"Total", "", static_cast<double>(design.tonnage), s.totalCost};

    auto& warnings = s.warnings;
    const auto warn = [&](bool when, std::string_view text) {
        if (when)
            warnings.emplace_back(text);
    };
    warn(design.hasJumpDrive && parts.jumpTons < smallestJumpDriveTons, texts::jumpDriveTooSmall);
    const bool shortDayToDay = s.powerRequirement > s.powerOutput;
    warn(shortDayToDay, texts::powerShortDayToDay);
    const bool shortForJump =
        design.hasJumpDrive && s.powerRequirement + s.jumpPower > s.powerOutput;
    warn(!shortDayToDay && shortForJump, texts::powerShortForJump);
    warn(!backupComputerIsSmaller(design), texts::backupComputerNotSmaller);
    warn(!s.softwareFits, texts::softwareBandwidthExceeded);
    warn(design.software.autoRepairRating > 0 && design.repairDronesTonnage == 0,
         texts::autoRepairNeedsDrones);
    warn(s.hardpointsUsed > s.hardpoints, texts::hardpointsExceeded);
    warn(carriedCraftOverflowsDocking(design), texts::carriedCraftTooLarge);
    warn(design.highGuard.externalCargoMountTons > 0 &&
             design.configuration != HullConfiguration::standard,
         texts::externalCargoMountNotAllowed);
    warn(s.tonnageUsed > design.tonnage, texts::tonnageExceeded);

    auto& notes = s.notes;
    const auto note = [&](bool when, std::string text) {
        if (when)
            notes.push_back(std::move(text));
    };
    note(design.configuration == HullConfiguration::dispersedStructure,
         std::string(texts::dispersedStructureArmour));
    note(design.useCockpit, std::string(texts::cockpitLifeSupport));
    note(design.hasCargoCrane, std::string(texts::cargoCraneBefore) + tonsText(s.cargoSpace) +
                                   std::string(texts::cargoCraneAfter));
    note(hasBayWeapons(design), std::string(texts::bayGunners));
    note(crewMultiplierPercent(design.tonnage) != 100,
         crewMultiplierText(design.tonnage) + std::string(texts::crewMultiplierAfter));
    note(s.crew.middlePassengers > 0, std::string(texts::middlePassengers));
    note(shortForJump, std::string(texts::jumpPowerCut));
    note(shortForJump, std::string(texts::jumpPowerSuggestion));
    const bool basicOff =
        s.powerAllocationDuringJump.size() > 1 &&
        s.powerAllocationDuringJump[1].status == PowerAllocationEntry::Status::off;
    note(basicOff, std::string(texts::jumpBasicSystemsOff));
    note(design.highGuard.biosphereTons > 0, std::string(texts::biosphereBefore) +
                                                 std::to_string(biospherePassengers(design)) +
                                                 std::string(texts::biosphereAfter));
    return s;
}

std::string perMonthText(double credits) {
    return core::creditsText(static_cast<core::Credits>(std::llround(credits))) + "/month";
}

std::string megaCreditsText(double credits) {
    return fixed(credits / 1'000'000, 3);
}

std::string tonsText(double tons) {
    return fixed(tons, 2);
}

} // namespace velmora::ships
