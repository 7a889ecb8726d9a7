#pragma once

// The one list of a design's fields, in declaration order, with the key each is
// stored under and the range a file may hold. The JSON reader and writer (and
// anything else that walks every field) visit this list instead of keeping their
// own, so a field added here is read, written and checked at once.
//
// A visitor is called as
//   visit(key, int&, Range)          a whole number and the values a file may hold
//   visit(key, bool&)
//   visit(key, Enum&)                an enumeration (rawValues(Enum) gives its texts)
//   visit(key, std::optional<T>&, ...) a key that may be missing (with a Range for ints)
//   visit(key, double&, MoneyRange)  an amount of credits
//   visit(key, std::vector<WeaponMount>&), visit(key, HighGuardOptions&),
//   visit(key, SoftwareSuite&)        the nested records, visited through their own lists
// with const fields when the record is const.

#include "ships/ship_design.h"

#include <concepts>
#include <type_traits>

namespace velmora::ships {

// The values a stored design may hold. The rules compute figures for any size, but
// a hull of no tons or of millions of tons is a typing slip or a damaged file.
struct Range {
    int lowest;
    int highest;
};

struct MoneyRange {
    double lowest;
    double highest;
};

inline constexpr int smallestHull = 1;
inline constexpr int largestHull = 1'000'000;
inline constexpr int highestTechLevel = 25;

inline constexpr Range hullTons{smallestHull, largestHull};
inline constexpr Range techLevels{0, highestTechLevel};
// Tons of a fitting or a number of items: never negative, never more than a hull holds.
inline constexpr Range amounts{0, largestHull};
inline constexpr Range armourPoints{0, highestTechLevel + 4};
inline constexpr Range manoeuvreRatings{0, 11};
inline constexpr Range reactionRatings{0, 16};
// A jump rating of 0 carries no fuel and is what a hull without a drive may keep.
inline constexpr Range jumpRatings{0, 9};
inline constexpr Range jumpsOfFuel{0, 100};
inline constexpr Range weeksOfFuel{0, 1'000};
inline constexpr Range hoursOfReactionFuel{0, 10'000};
inline constexpr Range modularPercentages{0, 75};
inline constexpr Range weaponsPerMount{0, 100};
inline constexpr Range entertainmentCredits{0, 1'000'000'000};
inline constexpr MoneyRange craftPrices{0, 1e13};

inline constexpr Range jumpControlRatings{0, 6};
inline constexpr Range evadeRatings{0, 3};
inline constexpr Range fireControlRatings{0, 5};
inline constexpr Range autoRepairRatings{0, 2};
inline constexpr Range advancedFireControlRatings{0, 3};
inline constexpr Range antiHijackRatings{0, 3};
inline constexpr Range battleNetworkRatings{0, 2};
inline constexpr Range battleSystemRatings{0, 3};
inline constexpr Range consciousIntelligenceRatings{0, 3};
inline constexpr Range electronicWarfareRatings{0, 3};
inline constexpr Range launchSolutionRatings{0, 3};
inline constexpr Range pointDefenceRatings{0, 2};
inline constexpr Range virtualCrewRatings{0, 2};
inline constexpr Range virtualGunnerRatings{0, 2};

template <typename Mount, typename Visit>
requires std::same_as<std::remove_const_t<Mount>, WeaponMount>
void visitFields(Mount& m, Visit&& visit) {
    visit("id", m.id);
    visit("mountType", m.mountType);
    visit("popUpMounting", m.popUpMounting);
    visit("turretWeapon", m.turretWeapon);
    visit("turretWeaponCount", m.turretWeaponCount, weaponsPerMount);
    visit("barbetteWeapon", m.barbetteWeapon);
    visit("bayWeapon", m.bayWeapon);
}

template <typename Options, typename Visit>
requires std::same_as<std::remove_const_t<Options>, HighGuardOptions>
void visitFields(Options& o, Visit&& visit) {
    visit("armouredBulkheadProtectedTonnage", o.armouredBulkheadProtectedTonnage, amounts);
    visit("adjustableHullTier", o.adjustableHullTier);
    visit("hasPressureHull", o.hasPressureHull);
    visit("modularHullPercentage", o.modularHullPercentage, modularPercentages);
    visit("moduleTonnage", o.moduleTonnage, amounts);
    visit("hasEmergencyPowerSystem", o.hasEmergencyPowerSystem);
    visit("batteryTier", o.batteryTier);
    visit("batteryTonnage", o.batteryTonnage, amounts);
    visit("solarTier", o.solarTier);
    visit("solarIsPanel", o.solarIsPanel);
    visit("solarUnits", o.solarUnits, amounts);
    visit("hasConcealedManoeuvreDrive", o.hasConcealedManoeuvreDrive);
    visit("hasSolarSail", o.hasSolarSail);
    visit("dropTankCapacityTons", o.dropTankCapacityTons, amounts);
    visit("fuelCargoContainerCapacityTons", o.fuelCargoContainerCapacityTons, amounts);
    visit("fuelTankCompartmentTons", o.fuelTankCompartmentTons, amounts);
    visit("hasMetalHydrideStorage", o.hasMetalHydrideStorage);
    visit("mountableTankTons", o.mountableTankTons, amounts);
    visit("hasRamscoops", o.hasRamscoops);
    visit("accelerationBenchCount", o.accelerationBenchCount, amounts);
    visit("accelerationSeatCount", o.accelerationSeatCount, amounts);
    visit("barracksPassengerCount", o.barracksPassengerCount, amounts);
    visit("brigUnitCount", o.brigUnitCount, amounts);
    visit("cabinSpaceTons", o.cabinSpaceTons, amounts);
    visit("stableTons", o.stableTons, amounts);
    visit("cargoNetCount", o.cargoNetCount, amounts);
    visit("externalCargoMountTons", o.externalCargoMountTons, amounts);
    visit("jumpNetTier", o.jumpNetTier);
    visit("jumpNetCargoTons", o.jumpNetCargoTons, amounts);
    visit("loadingBeltTier", o.loadingBeltTier);
    visit("advancedProbeDronesTonnage", o.advancedProbeDronesTonnage, amounts);
    visit("hasCountermeasuresSuite", o.hasCountermeasuresSuite);
    visit("hasMilitaryCountermeasuresSuite", o.hasMilitaryCountermeasuresSuite);
    visit("deepPenetrationScannerTons", o.deepPenetrationScannerTons, amounts);
    visit("sensorArrayEnhancement", o.sensorArrayEnhancement);
    visit("extensionNetTons", o.extensionNetTons, amounts);
    visit("hasLifeScanner", o.hasLifeScanner);
    visit("hasLifeScannerAnalysisSuite", o.hasLifeScannerAnalysisSuite);
    visit("mailDistributionArrayTier", o.mailDistributionArrayTier);
    visit("hasMineralDetectionSuite", o.hasMineralDetectionSuite);
    visit("hasShallowPenetrationSuite", o.hasShallowPenetrationSuite);
    visit("signalProcessingTier", o.signalProcessingTier);
    visit("hasSensorStation", o.hasSensorStation);
    visit("hasBreachingTube", o.hasBreachingTube);
    visit("dockingClampTier", o.dockingClampTier);
    visit("dockingClampCount", o.dockingClampCount, amounts);
    visit("grapplingArmCount", o.grapplingArmCount, amounts);
    visit("heavyGrapplingArmCount", o.heavyGrapplingArmCount, amounts);
    visit("hasTowCable", o.hasTowCable);
    visit("additionalAirlockTons", o.additionalAirlockTons, amounts);
    visit("armouryTons", o.armouryTons, amounts);
    visit("biosphereTons", o.biosphereTons, amounts);
    visit("boobyTrappedAirlockTier", o.boobyTrappedAirlockTier);
    visit("briefingRoomCount", o.briefingRoomCount, amounts);
    visit("constructionDeckTons", o.constructionDeckTons, amounts);
    visit("fullHangarCraftTons", o.fullHangarCraftTons, amounts);
    visit("gravScreenTons", o.gravScreenTons, amounts);
    visit("launchTubeCraftTons", o.launchTubeCraftTons, amounts);
    visit("escapePodType", o.escapePodType);
    visit("escapePodCount", o.escapePodCount, amounts);
    visit("recoveryDeckCraftTons", o.recoveryDeckCraftTons, amounts);
    visit("studioTons", o.studioTons, amounts);
    visit("trainingFacilitiesTrainees", o.trainingFacilitiesTrainees, amounts);
    visit("unrepSystemTons", o.unrepSystemTons, amounts);
    visit("vaultTons", o.vaultTons, amounts);
    visit("workshopCount", o.workshopCount, amounts);
    visit("advancedEntertainmentSystemCost", o.advancedEntertainmentSystemCost,
          entertainmentCredits);
    visit("breweryDistilleryUnits", o.breweryDistilleryUnits, amounts);
    visit("gourmetKitchenDiners", o.gourmetKitchenDiners, amounts);
    visit("hotTubCapacity", o.hotTubCapacity, amounts);
    visit("swimmingPoolType", o.swimmingPoolType);
    visit("swimmingPoolTons", o.swimmingPoolTons, amounts);
    visit("theatreTier", o.theatreTier);
    visit("theatreTons", o.theatreTons, amounts);
    visit("hasWetBar", o.hasWetBar);
    visit("hasZeroGRoomControls", o.hasZeroGRoomControls);
}

template <typename Suite, typename Visit>
requires std::same_as<std::remove_const_t<Suite>, SoftwareSuite>
void visitFields(Suite& s, Visit&& visit) {
    visit("jumpControlRating", s.jumpControlRating, jumpControlRatings);
    visit("evadeRating", s.evadeRating, evadeRatings);
    visit("fireControlRating", s.fireControlRating, fireControlRatings);
    visit("autoRepairRating", s.autoRepairRating, autoRepairRatings);
    visit("advancedFireControlRating", s.advancedFireControlRating, advancedFireControlRatings);
    visit("antiHijackRating", s.antiHijackRating, antiHijackRatings);
    visit("battleNetworkRating", s.battleNetworkRating, battleNetworkRatings);
    visit("battleSystemRating", s.battleSystemRating, battleSystemRatings);
    visit("hasBroadSpectrumEW", s.hasBroadSpectrumEW);
    visit("consciousIntelligenceRating", s.consciousIntelligenceRating,
          consciousIntelligenceRatings);
    visit("electronicWarfareRating", s.electronicWarfareRating, electronicWarfareRatings);
    visit("launchSolutionRating", s.launchSolutionRating, launchSolutionRatings);
    visit("pointDefenceRating", s.pointDefenceRating, pointDefenceRatings);
    visit("hasScreenOptimiser", s.hasScreenOptimiser);
    visit("hasVirtualCrew", s.hasVirtualCrew);
    visit("virtualCrewRating", s.virtualCrewRating, virtualCrewRatings);
    visit("hasVirtualGunner", s.hasVirtualGunner);
    visit("virtualGunnerRating", s.virtualGunnerRating, virtualGunnerRatings);
}

template <typename Design, typename Visit>
requires std::same_as<std::remove_const_t<Design>, ShipDesign>
void visitFields(Design& d, Visit&& visit) {
    visit("tonnage", d.tonnage, hullTons);
    visit("techLevel", d.techLevel, techLevels);
    visit("configuration", d.configuration);
    visit("armour", d.armour);
    visit("armourProtection", d.armourProtection, armourPoints);
    visit("heatShielding", d.heatShielding);
    visit("radiationShielding", d.radiationShielding);
    visit("reflec", d.reflec);
    visit("stealth", d.stealth);
    visit("manoeuvreDriveRating", d.manoeuvreDriveRating, manoeuvreRatings);
    visit("hasReactionDrive", d.hasReactionDrive);
    visit("reactionDriveRating", d.reactionDriveRating, reactionRatings);
    visit("hasJumpDrive", d.hasJumpDrive);
    visit("jumpDriveRating", d.jumpDriveRating, jumpRatings);
    visit("powerPlantType", d.powerPlantType);
    visit("powerPlantTonnage", d.powerPlantTonnage, amounts);
    visit("reactionDriveOperatingHours", d.reactionDriveOperatingHours, hoursOfReactionFuel);
    visit("jumpsCarried", d.jumpsCarried, jumpsOfFuel);
    visit("powerPlantFuelWeeks", d.powerPlantFuelWeeks, weeksOfFuel);
    visit("useCockpit", d.useCockpit);
    visit("dualCockpit", d.dualCockpit);
    visit("cockpitEjectorSeat", d.cockpitEjectorSeat);
    visit("smallerBridge", d.smallerBridge);
    visit("commandBridge", d.commandBridge);
    visit("primaryComputer", d.primaryComputer);
    visit("primaryComputerJumpControlSpecialisation", d.primaryComputerJumpControlSpecialisation);
    visit("primaryComputerHardenedSystems", d.primaryComputerHardenedSystems);
    visit("hasBackupComputer", d.hasBackupComputer);
    visit("backupComputer", d.backupComputer);
    visit("backupComputerJumpControlSpecialisation", d.backupComputerJumpControlSpecialisation);
    visit("backupComputerHardenedSystems", d.backupComputerHardenedSystems);
    visit("sensorSuite", d.sensorSuite);
    visit("weaponMounts", d.weaponMounts);
    visit("hasAerofins", d.hasAerofins);
    visit("hasCargoCrane", d.hasCargoCrane);
    visit("cargoCraneCargoSpaceTons", d.cargoCraneCargoSpaceTons, amounts);
    visit("hasCargoScoop", d.hasCargoScoop);
    visit("collapsibleFuelTankCapacityTons", d.collapsibleFuelTankCapacityTons, amounts);
    visit("concealedCompartmentTonnage", d.concealedCompartmentTonnage, amounts);
    visit("dockingSpaceTonnage", d.dockingSpaceTonnage, amounts);
    visit("carriedCraftName", d.carriedCraftName);
    visit("carriedCraftTonnage", d.carriedCraftTonnage, amounts);
    visit("carriedCraftPrice", d.carriedCraftPrice, craftPrices);
    visit("miningDronesTonnage", d.miningDronesTonnage, amounts);
    visit("probeDronesTonnage", d.probeDronesTonnage, amounts);
    visit("repairDronesTonnage", d.repairDronesTonnage, amounts);
    visit("fuelProcessorTonnage", d.fuelProcessorTonnage, amounts);
    visit("hasFuelScoop", d.hasFuelScoop);
    visit("hasAirRaft", d.hasAirRaft);
    visit("highStateroomCount", d.highStateroomCount, amounts);
    visit("hasHolographicControls", d.hasHolographicControls);
    visit("hasHolographicHull", d.hasHolographicHull);
    visit("laboratoryTonnage", d.laboratoryTonnage, amounts);
    visit("hasLibrary", d.hasLibrary);
    visit("luxuryStateroomCount", d.luxuryStateroomCount, amounts);
    visit("medicalBayCount", d.medicalBayCount, amounts);
    visit("multiEnvironmentTonnage", d.multiEnvironmentTonnage, amounts);
    visit("crewType", d.crewType);
    visit("overrideActualCrewCount", d.overrideActualCrewCount);
    visit("actualCrewCount", d.actualCrewCount, amounts);
    visit("stateroomCount", d.stateroomCount, amounts);
    visit("doubleOccupancy", d.doubleOccupancy);
    visit("commonAreaTonnage", d.commonAreaTonnage, amounts);
    visit("lowBerthCount", d.lowBerthCount, amounts);
    visit("emergencyLowBerthCount", d.emergencyLowBerthCount, amounts);
    visit("applyTenPercentDiscount", d.applyTenPercentDiscount);
    visit("highGuard", d.highGuard);
    visit("software", d.software);
}

} // namespace velmora::ships
