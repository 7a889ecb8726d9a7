#pragma once

// The texts of the design's enumerations: the raw value each case is written as in
// design.json (its case name), and the name pickers and the summary show.
// rawValues(e) and displayNames(e) find the table of an enumeration by its type, so
// generic code (the JSON fields, the designer's pickers) needs no list of its own.

#include "core/code_table.h"
#include "core/raw_value_table.h"
#include "ships/ship_design.h"

#include <string_view>
#include <utility>

namespace velmora::ships {

inline constexpr auto hullConfigurationRawValues = core::makeRawValueTable<HullConfiguration>(
    std::pair{HullConfiguration::standard, "standard"},
    std::pair{HullConfiguration::streamlined, "streamlined"},
    std::pair{HullConfiguration::dispersedStructure, "dispersedStructure"});
static_assert(core::isInCaseOrder(hullConfigurationRawValues) &&
              core::hasDistinctTexts(hullConfigurationRawValues));
inline constexpr auto hullConfigurationNames = core::makeRawValueTable<HullConfiguration>(
    std::pair{HullConfiguration::standard, "Standard"},
    std::pair{HullConfiguration::streamlined, "Streamlined"},
    std::pair{HullConfiguration::dispersedStructure, "Dispersed Structure"});
static_assert(core::isInCaseOrder(hullConfigurationNames) &&
              core::hasDistinctTexts(hullConfigurationNames));
constexpr const auto& rawValues(HullConfiguration) {
    return hullConfigurationRawValues;
}
constexpr const auto& displayNames(HullConfiguration) {
    return hullConfigurationNames;
}

inline constexpr auto hullArmourRawValues = core::makeRawValueTable<HullArmour>(
    std::pair{HullArmour::none, "none"}, std::pair{HullArmour::titaniumSteel, "titaniumSteel"},
    std::pair{HullArmour::crystaliron, "crystaliron"},
    std::pair{HullArmour::bondedSuperdense, "bondedSuperdense"},
    std::pair{HullArmour::molecularBonded, "molecularBonded"});
static_assert(core::isInCaseOrder(hullArmourRawValues) &&
              core::hasDistinctTexts(hullArmourRawValues));
inline constexpr auto hullArmourNames = core::makeRawValueTable<HullArmour>(
    std::pair{HullArmour::none, "None"}, std::pair{HullArmour::titaniumSteel, "Titanium Steel"},
    std::pair{HullArmour::crystaliron, "Crystaliron"},
    std::pair{HullArmour::bondedSuperdense, "Bonded Superdense"},
    std::pair{HullArmour::molecularBonded, "Molecular Bonded"});
static_assert(core::isInCaseOrder(hullArmourNames) && core::hasDistinctTexts(hullArmourNames));
constexpr const auto& rawValues(HullArmour) {
    return hullArmourRawValues;
}
constexpr const auto& displayNames(HullArmour) {
    return hullArmourNames;
}

inline constexpr auto stealthTypeRawValues = core::makeRawValueTable<StealthType>(
    std::pair{StealthType::none, "none"}, std::pair{StealthType::basic, "basic"},
    std::pair{StealthType::improved, "improved"}, std::pair{StealthType::enhanced, "enhanced"},
    std::pair{StealthType::advanced, "advanced"});
static_assert(core::isInCaseOrder(stealthTypeRawValues) &&
              core::hasDistinctTexts(stealthTypeRawValues));
inline constexpr auto stealthTypeNames = core::makeRawValueTable<StealthType>(
    std::pair{StealthType::none, "None"}, std::pair{StealthType::basic, "Basic"},
    std::pair{StealthType::improved, "Improved"}, std::pair{StealthType::enhanced, "Enhanced"},
    std::pair{StealthType::advanced, "Advanced"});
static_assert(core::isInCaseOrder(stealthTypeNames) && core::hasDistinctTexts(stealthTypeNames));
constexpr const auto& rawValues(StealthType) {
    return stealthTypeRawValues;
}
constexpr const auto& displayNames(StealthType) {
    return stealthTypeNames;
}

inline constexpr auto powerPlantTypeRawValues = core::makeRawValueTable<PowerPlantType>(
    std::pair{PowerPlantType::fission, "fission"}, std::pair{PowerPlantType::chemical, "chemical"},
    std::pair{PowerPlantType::fusionTL8, "fusionTL8"},
    std::pair{PowerPlantType::fusionTL12, "fusionTL12"},
    std::pair{PowerPlantType::fusionTL15, "fusionTL15"},
    std::pair{PowerPlantType::antimatter, "antimatter"});
static_assert(core::isInCaseOrder(powerPlantTypeRawValues) &&
              core::hasDistinctTexts(powerPlantTypeRawValues));
inline constexpr auto powerPlantTypeNames = core::makeRawValueTable<PowerPlantType>(
    std::pair{PowerPlantType::fission, "Fission"}, std::pair{PowerPlantType::chemical, "Chemical"},
    std::pair{PowerPlantType::fusionTL8, "Fusion (TL8)"},
    std::pair{PowerPlantType::fusionTL12, "Fusion (TL12)"},
    std::pair{PowerPlantType::fusionTL15, "Fusion (TL15)"},
    std::pair{PowerPlantType::antimatter, "Antimatter"});
static_assert(core::isInCaseOrder(powerPlantTypeNames) &&
              core::hasDistinctTexts(powerPlantTypeNames));
constexpr const auto& rawValues(PowerPlantType) {
    return powerPlantTypeRawValues;
}
constexpr const auto& displayNames(PowerPlantType) {
    return powerPlantTypeNames;
}

inline constexpr auto computerModelRawValues = core::makeRawValueTable<ComputerModel>(
    std::pair{ComputerModel::computer5, "computer5"},
    std::pair{ComputerModel::computer10, "computer10"},
    std::pair{ComputerModel::computer15, "computer15"},
    std::pair{ComputerModel::computer20, "computer20"},
    std::pair{ComputerModel::computer25, "computer25"},
    std::pair{ComputerModel::computer30, "computer30"},
    std::pair{ComputerModel::computer35, "computer35"}, std::pair{ComputerModel::core40, "core40"},
    std::pair{ComputerModel::core50, "core50"}, std::pair{ComputerModel::core60, "core60"},
    std::pair{ComputerModel::core70, "core70"}, std::pair{ComputerModel::core80, "core80"},
    std::pair{ComputerModel::core90, "core90"}, std::pair{ComputerModel::core100, "core100"});
static_assert(core::isInCaseOrder(computerModelRawValues) &&
              core::hasDistinctTexts(computerModelRawValues));
inline constexpr auto computerModelNames = core::makeRawValueTable<ComputerModel>(
    std::pair{ComputerModel::computer5, "Computer/5"},
    std::pair{ComputerModel::computer10, "Computer/10"},
    std::pair{ComputerModel::computer15, "Computer/15"},
    std::pair{ComputerModel::computer20, "Computer/20"},
    std::pair{ComputerModel::computer25, "Computer/25"},
    std::pair{ComputerModel::computer30, "Computer/30"},
    std::pair{ComputerModel::computer35, "Computer/35"},
    std::pair{ComputerModel::core40, "Core/40"}, std::pair{ComputerModel::core50, "Core/50"},
    std::pair{ComputerModel::core60, "Core/60"}, std::pair{ComputerModel::core70, "Core/70"},
    std::pair{ComputerModel::core80, "Core/80"}, std::pair{ComputerModel::core90, "Core/90"},
    std::pair{ComputerModel::core100, "Core/100"});
static_assert(core::isInCaseOrder(computerModelNames) &&
              core::hasDistinctTexts(computerModelNames));
constexpr const auto& rawValues(ComputerModel) {
    return computerModelRawValues;
}
constexpr const auto& displayNames(ComputerModel) {
    return computerModelNames;
}

inline constexpr auto sensorSuiteRawValues = core::makeRawValueTable<SensorSuite>(
    std::pair{SensorSuite::basic, "basic"}, std::pair{SensorSuite::civilianGrade, "civilianGrade"},
    std::pair{SensorSuite::militaryGrade, "militaryGrade"},
    std::pair{SensorSuite::improved, "improved"}, std::pair{SensorSuite::advanced, "advanced"});
static_assert(core::isInCaseOrder(sensorSuiteRawValues) &&
              core::hasDistinctTexts(sensorSuiteRawValues));
inline constexpr auto sensorSuiteNames = core::makeRawValueTable<SensorSuite>(
    std::pair{SensorSuite::basic, "Basic"}, std::pair{SensorSuite::civilianGrade, "Civilian Grade"},
    std::pair{SensorSuite::militaryGrade, "Military Grade"},
    std::pair{SensorSuite::improved, "Improved"}, std::pair{SensorSuite::advanced, "Advanced"});
static_assert(core::isInCaseOrder(sensorSuiteNames) && core::hasDistinctTexts(sensorSuiteNames));
constexpr const auto& rawValues(SensorSuite) {
    return sensorSuiteRawValues;
}
constexpr const auto& displayNames(SensorSuite) {
    return sensorSuiteNames;
}

inline constexpr auto crewTypeRawValues = core::makeRawValueTable<CrewType>(
    std::pair{CrewType::commercial, "commercial"}, std::pair{CrewType::military, "military"});
static_assert(core::isInCaseOrder(crewTypeRawValues) && core::hasDistinctTexts(crewTypeRawValues));
inline constexpr auto crewTypeNames = core::makeRawValueTable<CrewType>(
    std::pair{CrewType::commercial, "Commercial"}, std::pair{CrewType::military, "Military"});
static_assert(core::isInCaseOrder(crewTypeNames) && core::hasDistinctTexts(crewTypeNames));
constexpr const auto& rawValues(CrewType) {
    return crewTypeRawValues;
}
constexpr const auto& displayNames(CrewType) {
    return crewTypeNames;
}

inline constexpr auto weaponMountTypeRawValues = core::makeRawValueTable<WeaponMountType>(
    std::pair{WeaponMountType::none, "none"}, std::pair{WeaponMountType::fixedMount, "fixedMount"},
    std::pair{WeaponMountType::singleTurret, "singleTurret"},
    std::pair{WeaponMountType::doubleTurret, "doubleTurret"},
    std::pair{WeaponMountType::tripleTurret, "tripleTurret"},
    std::pair{WeaponMountType::barbette, "barbette"},
    std::pair{WeaponMountType::smallBay, "smallBay"},
    std::pair{WeaponMountType::mediumBay, "mediumBay"},
    std::pair{WeaponMountType::largeBay, "largeBay"});
static_assert(core::isInCaseOrder(weaponMountTypeRawValues) &&
              core::hasDistinctTexts(weaponMountTypeRawValues));
inline constexpr auto weaponMountTypeNames = core::makeRawValueTable<WeaponMountType>(
    std::pair{WeaponMountType::none, "None"}, std::pair{WeaponMountType::fixedMount, "Fixed Mount"},
    std::pair{WeaponMountType::singleTurret, "Single Turret"},
    std::pair{WeaponMountType::doubleTurret, "Double Turret"},
    std::pair{WeaponMountType::tripleTurret, "Triple Turret"},
    std::pair{WeaponMountType::barbette, "Barbette"},
    std::pair{WeaponMountType::smallBay, "Small Bay"},
    std::pair{WeaponMountType::mediumBay, "Medium Bay"},
    std::pair{WeaponMountType::largeBay, "Large Bay"});
static_assert(core::isInCaseOrder(weaponMountTypeNames) &&
              core::hasDistinctTexts(weaponMountTypeNames));
constexpr const auto& rawValues(WeaponMountType) {
    return weaponMountTypeRawValues;
}
constexpr const auto& displayNames(WeaponMountType) {
    return weaponMountTypeNames;
}

inline constexpr auto turretWeaponRawValues = core::makeRawValueTable<TurretWeapon>(
    std::pair{TurretWeapon::beamLaser, "beamLaser"},
    std::pair{TurretWeapon::fusionGun, "fusionGun"},
    std::pair{TurretWeapon::laserDrill, "laserDrill"},
    std::pair{TurretWeapon::missileRack, "missileRack"},
    std::pair{TurretWeapon::particleBeam, "particleBeam"},
    std::pair{TurretWeapon::plasmaGun, "plasmaGun"},
    std::pair{TurretWeapon::pulseLaser, "pulseLaser"}, std::pair{TurretWeapon::railgun, "railgun"},
    std::pair{TurretWeapon::sandcaster, "sandcaster"});
static_assert(core::isInCaseOrder(turretWeaponRawValues) &&
              core::hasDistinctTexts(turretWeaponRawValues));
inline constexpr auto turretWeaponNames = core::makeRawValueTable<TurretWeapon>(
    std::pair{TurretWeapon::beamLaser, "Beam Laser"},
    std::pair{TurretWeapon::fusionGun, "Fusion Gun"},
    std::pair{TurretWeapon::laserDrill, "Laser Drill"},
    std::pair{TurretWeapon::missileRack, "Missile Rack"},
    std::pair{TurretWeapon::particleBeam, "Particle Beam"},
    std::pair{TurretWeapon::plasmaGun, "Plasma Gun"},
    std::pair{TurretWeapon::pulseLaser, "Pulse Laser"}, std::pair{TurretWeapon::railgun, "Railgun"},
    std::pair{TurretWeapon::sandcaster, "Sandcaster"});
static_assert(core::isInCaseOrder(turretWeaponNames) && core::hasDistinctTexts(turretWeaponNames));
constexpr const auto& rawValues(TurretWeapon) {
    return turretWeaponRawValues;
}
constexpr const auto& displayNames(TurretWeapon) {
    return turretWeaponNames;
}

inline constexpr auto barbetteWeaponRawValues = core::makeRawValueTable<BarbetteWeapon>(
    std::pair{BarbetteWeapon::beamLaser, "beamLaser"}, std::pair{BarbetteWeapon::fusion, "fusion"},
    std::pair{BarbetteWeapon::ionCannon, "ionCannon"},
    std::pair{BarbetteWeapon::missile, "missile"}, std::pair{BarbetteWeapon::particle, "particle"},
    std::pair{BarbetteWeapon::plasma, "plasma"},
    std::pair{BarbetteWeapon::pulseLaser, "pulseLaser"},
    std::pair{BarbetteWeapon::railgun, "railgun"}, std::pair{BarbetteWeapon::torpedo, "torpedo"});
static_assert(core::isInCaseOrder(barbetteWeaponRawValues) &&
              core::hasDistinctTexts(barbetteWeaponRawValues));
inline constexpr auto barbetteWeaponNames = core::makeRawValueTable<BarbetteWeapon>(
    std::pair{BarbetteWeapon::beamLaser, "Beam Laser Barbette"},
    std::pair{BarbetteWeapon::fusion, "Fusion Barbette"},
    std::pair{BarbetteWeapon::ionCannon, "Ion Cannon"},
    std::pair{BarbetteWeapon::missile, "Missile Barbette"},
    std::pair{BarbetteWeapon::particle, "Particle Barbette"},
    std::pair{BarbetteWeapon::plasma, "Plasma Barbette"},
    std::pair{BarbetteWeapon::pulseLaser, "Pulse Laser Barbette"},
    std::pair{BarbetteWeapon::railgun, "Railgun Barbette"},
    std::pair{BarbetteWeapon::torpedo, "Torpedo"});
static_assert(core::isInCaseOrder(barbetteWeaponNames) &&
              core::hasDistinctTexts(barbetteWeaponNames));
constexpr const auto& rawValues(BarbetteWeapon) {
    return barbetteWeaponRawValues;
}
constexpr const auto& displayNames(BarbetteWeapon) {
    return barbetteWeaponNames;
}

inline constexpr auto bayWeaponTypeRawValues = core::makeRawValueTable<BayWeaponType>(
    std::pair{BayWeaponType::fusionGun, "fusionGun"},
    std::pair{BayWeaponType::ionCannon, "ionCannon"},
    std::pair{BayWeaponType::massDriver, "massDriver"},
    std::pair{BayWeaponType::mesonGun, "mesonGun"}, std::pair{BayWeaponType::missile, "missile"},
    std::pair{BayWeaponType::orbitalStrikeMassDriver, "orbitalStrikeMassDriver"},
    std::pair{BayWeaponType::orbitalStrikeMissile, "orbitalStrikeMissile"},
    std::pair{BayWeaponType::particleBeam, "particleBeam"},
    std::pair{BayWeaponType::railgun, "railgun"}, std::pair{BayWeaponType::repulsor, "repulsor"},
    std::pair{BayWeaponType::torpedo, "torpedo"});
static_assert(core::isInCaseOrder(bayWeaponTypeRawValues) &&
              core::hasDistinctTexts(bayWeaponTypeRawValues));
inline constexpr auto bayWeaponTypeNames = core::makeRawValueTable<BayWeaponType>(
    std::pair{BayWeaponType::fusionGun, "Fusion Gun Bay"},
    std::pair{BayWeaponType::ionCannon, "Ion Cannon Bay"},
    std::pair{BayWeaponType::massDriver, "Mass Driver Bay"},
    std::pair{BayWeaponType::mesonGun, "Meson Gun Bay"},
    std::pair{BayWeaponType::missile, "Missile Bay"},
    std::pair{BayWeaponType::orbitalStrikeMassDriver, "Orbital Strike Mass Driver Bay"},
    std::pair{BayWeaponType::orbitalStrikeMissile, "Orbital Strike Missile Bay"},
    std::pair{BayWeaponType::particleBeam, "Particle Beam Bay"},
    std::pair{BayWeaponType::railgun, "Railgun Bay"},
    std::pair{BayWeaponType::repulsor, "Repulsor Bay"},
    std::pair{BayWeaponType::torpedo, "Torpedo Bay"});
static_assert(core::isInCaseOrder(bayWeaponTypeNames) &&
              core::hasDistinctTexts(bayWeaponTypeNames));
constexpr const auto& rawValues(BayWeaponType) {
    return bayWeaponTypeRawValues;
}
constexpr const auto& displayNames(BayWeaponType) {
    return bayWeaponTypeNames;
}

inline constexpr auto adjustableHullTierRawValues = core::makeRawValueTable<AdjustableHullTier>(
    std::pair{AdjustableHullTier::none, "none"}, std::pair{AdjustableHullTier::tl12, "tl12"},
    std::pair{AdjustableHullTier::tl15, "tl15"});
static_assert(core::isInCaseOrder(adjustableHullTierRawValues) &&
              core::hasDistinctTexts(adjustableHullTierRawValues));
inline constexpr auto adjustableHullTierNames = core::makeRawValueTable<AdjustableHullTier>(
    std::pair{AdjustableHullTier::none, "None"},
    std::pair{AdjustableHullTier::tl12, "TL12 (5% tonnage, +10% hull cost)"},
    std::pair{AdjustableHullTier::tl15, "TL15 (1% tonnage, +100% hull cost)"});
static_assert(core::isInCaseOrder(adjustableHullTierNames) &&
              core::hasDistinctTexts(adjustableHullTierNames));
constexpr const auto& rawValues(AdjustableHullTier) {
    return adjustableHullTierRawValues;
}
constexpr const auto& displayNames(AdjustableHullTier) {
    return adjustableHullTierNames;
}

inline constexpr auto batteryTierRawValues = core::makeRawValueTable<BatteryTier>(
    std::pair{BatteryTier::none, "none"}, std::pair{BatteryTier::tl10, "tl10"},
    std::pair{BatteryTier::tl12, "tl12"});
static_assert(core::isInCaseOrder(batteryTierRawValues) &&
              core::hasDistinctTexts(batteryTierRawValues));
inline constexpr auto batteryTierNames = core::makeRawValueTable<BatteryTier>(
    std::pair{BatteryTier::none, "None"}, std::pair{BatteryTier::tl10, "TL10"},
    std::pair{BatteryTier::tl12, "TL12"});
static_assert(core::isInCaseOrder(batteryTierNames) && core::hasDistinctTexts(batteryTierNames));
constexpr const auto& rawValues(BatteryTier) {
    return batteryTierRawValues;
}
constexpr const auto& displayNames(BatteryTier) {
    return batteryTierNames;
}

inline constexpr auto solarSystemTierRawValues = core::makeRawValueTable<SolarSystemTier>(
    std::pair{SolarSystemTier::none, "none"}, std::pair{SolarSystemTier::basic, "basic"},
    std::pair{SolarSystemTier::improved, "improved"},
    std::pair{SolarSystemTier::enhanced, "enhanced"},
    std::pair{SolarSystemTier::advanced, "advanced"});
static_assert(core::isInCaseOrder(solarSystemTierRawValues) &&
              core::hasDistinctTexts(solarSystemTierRawValues));
inline constexpr auto solarSystemTierNames = core::makeRawValueTable<SolarSystemTier>(
    std::pair{SolarSystemTier::none, "None"}, std::pair{SolarSystemTier::basic, "Basic"},
    std::pair{SolarSystemTier::improved, "Improved"},
    std::pair{SolarSystemTier::enhanced, "Enhanced"},
    std::pair{SolarSystemTier::advanced, "Advanced"});
static_assert(core::isInCaseOrder(solarSystemTierNames) &&
              core::hasDistinctTexts(solarSystemTierNames));
constexpr const auto& rawValues(SolarSystemTier) {
    return solarSystemTierRawValues;
}
constexpr const auto& displayNames(SolarSystemTier) {
    return solarSystemTierNames;
}

inline constexpr auto jumpNetTierRawValues = core::makeRawValueTable<JumpNetTier>(
    std::pair{JumpNetTier::none, "none"}, std::pair{JumpNetTier::interplanetary, "interplanetary"},
    std::pair{JumpNetTier::interstellar, "interstellar"});
static_assert(core::isInCaseOrder(jumpNetTierRawValues) &&
              core::hasDistinctTexts(jumpNetTierRawValues));
inline constexpr auto jumpNetTierNames = core::makeRawValueTable<JumpNetTier>(
    std::pair{JumpNetTier::none, "None"}, std::pair{JumpNetTier::interplanetary, "Interplanetary"},
    std::pair{JumpNetTier::interstellar, "Interstellar"});
static_assert(core::isInCaseOrder(jumpNetTierNames) && core::hasDistinctTexts(jumpNetTierNames));
constexpr const auto& rawValues(JumpNetTier) {
    return jumpNetTierRawValues;
}
constexpr const auto& displayNames(JumpNetTier) {
    return jumpNetTierNames;
}

inline constexpr auto loadingBeltTierRawValues = core::makeRawValueTable<LoadingBeltTier>(
    std::pair{LoadingBeltTier::none, "none"}, std::pair{LoadingBeltTier::tl7, "tl7"},
    std::pair{LoadingBeltTier::tl12, "tl12"});
static_assert(core::isInCaseOrder(loadingBeltTierRawValues) &&
              core::hasDistinctTexts(loadingBeltTierRawValues));
inline constexpr auto loadingBeltTierNames = core::makeRawValueTable<LoadingBeltTier>(
    std::pair{LoadingBeltTier::none, "None"}, std::pair{LoadingBeltTier::tl7, "TL7"},
    std::pair{LoadingBeltTier::tl12, "TL12"});
static_assert(core::isInCaseOrder(loadingBeltTierNames) &&
              core::hasDistinctTexts(loadingBeltTierNames));
constexpr const auto& rawValues(LoadingBeltTier) {
    return loadingBeltTierRawValues;
}
constexpr const auto& displayNames(LoadingBeltTier) {
    return loadingBeltTierNames;
}

inline constexpr auto sensorArrayEnhancementRawValues =
    core::makeRawValueTable<SensorArrayEnhancement>(
        std::pair{SensorArrayEnhancement::none, "none"},
        std::pair{SensorArrayEnhancement::distributedArray, "distributedArray"},
        std::pair{SensorArrayEnhancement::extendedArray, "extendedArray"},
        std::pair{SensorArrayEnhancement::rapidDeploymentExtendedArray,
                  "rapidDeploymentExtendedArray"});
static_assert(core::isInCaseOrder(sensorArrayEnhancementRawValues) &&
              core::hasDistinctTexts(sensorArrayEnhancementRawValues));
inline constexpr auto sensorArrayEnhancementNames = core::makeRawValueTable<SensorArrayEnhancement>(
    std::pair{SensorArrayEnhancement::none, "None"},
    std::pair{SensorArrayEnhancement::distributedArray, "Distributed Array"},
    std::pair{SensorArrayEnhancement::extendedArray, "Extended Array"},
    std::pair{SensorArrayEnhancement::rapidDeploymentExtendedArray,
              "Rapid-Deployment Extended Array"});
static_assert(core::isInCaseOrder(sensorArrayEnhancementNames) &&
              core::hasDistinctTexts(sensorArrayEnhancementNames));
constexpr const auto& rawValues(SensorArrayEnhancement) {
    return sensorArrayEnhancementRawValues;
}
constexpr const auto& displayNames(SensorArrayEnhancement) {
    return sensorArrayEnhancementNames;
}

inline constexpr auto mailDistributionArrayTierRawValues =
    core::makeRawValueTable<MailDistributionArrayTier>(
        std::pair{MailDistributionArrayTier::none, "none"},
        std::pair{MailDistributionArrayTier::tl10, "tl10"},
        std::pair{MailDistributionArrayTier::tl13, "tl13"});
static_assert(core::isInCaseOrder(mailDistributionArrayTierRawValues) &&
              core::hasDistinctTexts(mailDistributionArrayTierRawValues));
inline constexpr auto mailDistributionArrayTierNames =
    core::makeRawValueTable<MailDistributionArrayTier>(
        std::pair{MailDistributionArrayTier::none, "None"},
        std::pair{MailDistributionArrayTier::tl10, "TL10"},
        std::pair{MailDistributionArrayTier::tl13, "TL13"});
static_assert(core::isInCaseOrder(mailDistributionArrayTierNames) &&
              core::hasDistinctTexts(mailDistributionArrayTierNames));
constexpr const auto& rawValues(MailDistributionArrayTier) {
    return mailDistributionArrayTierRawValues;
}
constexpr const auto& displayNames(MailDistributionArrayTier) {
    return mailDistributionArrayTierNames;
}

inline constexpr auto signalProcessingTierRawValues = core::makeRawValueTable<SignalProcessingTier>(
    std::pair{SignalProcessingTier::none, "none"},
    std::pair{SignalProcessingTier::improved, "improved"},
    std::pair{SignalProcessingTier::enhanced, "enhanced"});
static_assert(core::isInCaseOrder(signalProcessingTierRawValues) &&
              core::hasDistinctTexts(signalProcessingTierRawValues));
inline constexpr auto signalProcessingTierNames = core::makeRawValueTable<SignalProcessingTier>(
    std::pair{SignalProcessingTier::none, "None"},
    std::pair{SignalProcessingTier::improved, "Improved"},
    std::pair{SignalProcessingTier::enhanced, "Enhanced"});
static_assert(core::isInCaseOrder(signalProcessingTierNames) &&
              core::hasDistinctTexts(signalProcessingTierNames));
constexpr const auto& rawValues(SignalProcessingTier) {
    return signalProcessingTierRawValues;
}
constexpr const auto& displayNames(SignalProcessingTier) {
    return signalProcessingTierNames;
}

inline constexpr auto dockingClampTierRawValues = core::makeRawValueTable<DockingClampTier>(
    std::pair{DockingClampTier::none, "none"}, std::pair{DockingClampTier::basic, "basic"},
    std::pair{DockingClampTier::improved, "improved"},
    std::pair{DockingClampTier::enhanced, "enhanced"},
    std::pair{DockingClampTier::advanced, "advanced"});
static_assert(core::isInCaseOrder(dockingClampTierRawValues) &&
              core::hasDistinctTexts(dockingClampTierRawValues));
inline constexpr auto dockingClampTierNames = core::makeRawValueTable<DockingClampTier>(
    std::pair{DockingClampTier::none, "None"}, std::pair{DockingClampTier::basic, "Basic"},
    std::pair{DockingClampTier::improved, "Improved"},
    std::pair{DockingClampTier::enhanced, "Enhanced"},
    std::pair{DockingClampTier::advanced, "Advanced"});
static_assert(core::isInCaseOrder(dockingClampTierNames) &&
              core::hasDistinctTexts(dockingClampTierNames));
constexpr const auto& rawValues(DockingClampTier) {
    return dockingClampTierRawValues;
}
constexpr const auto& displayNames(DockingClampTier) {
    return dockingClampTierNames;
}

inline constexpr auto boobyTrappedAirlockTierRawValues =
    core::makeRawValueTable<BoobyTrappedAirlockTier>(
        std::pair{BoobyTrappedAirlockTier::none, "none"},
        std::pair{BoobyTrappedAirlockTier::basic, "basic"},
        std::pair{BoobyTrappedAirlockTier::improved, "improved"},
        std::pair{BoobyTrappedAirlockTier::enhanced, "enhanced"},
        std::pair{BoobyTrappedAirlockTier::advanced, "advanced"});
static_assert(core::isInCaseOrder(boobyTrappedAirlockTierRawValues) &&
              core::hasDistinctTexts(boobyTrappedAirlockTierRawValues));
inline constexpr auto boobyTrappedAirlockTierNames =
    core::makeRawValueTable<BoobyTrappedAirlockTier>(
        std::pair{BoobyTrappedAirlockTier::none, "None"},
        std::pair{BoobyTrappedAirlockTier::basic, "Basic"},
        std::pair{BoobyTrappedAirlockTier::improved, "Improved"},
        std::pair{BoobyTrappedAirlockTier::enhanced, "Enhanced"},
        std::pair{BoobyTrappedAirlockTier::advanced, "Advanced"});
static_assert(core::isInCaseOrder(boobyTrappedAirlockTierNames) &&
              core::hasDistinctTexts(boobyTrappedAirlockTierNames));
constexpr const auto& rawValues(BoobyTrappedAirlockTier) {
    return boobyTrappedAirlockTierRawValues;
}
constexpr const auto& displayNames(BoobyTrappedAirlockTier) {
    return boobyTrappedAirlockTierNames;
}

inline constexpr auto escapePodTypeRawValues = core::makeRawValueTable<EscapePodType>(
    std::pair{EscapePodType::none, "none"},
    std::pair{EscapePodType::reentryCapsule, "reentryCapsule"},
    std::pair{EscapePodType::assaultCapsule, "assaultCapsule"},
    std::pair{EscapePodType::highSurvivabilityCapsule, "highSurvivabilityCapsule"},
    std::pair{EscapePodType::reentryPod, "reentryPod"});
static_assert(core::isInCaseOrder(escapePodTypeRawValues) &&
              core::hasDistinctTexts(escapePodTypeRawValues));
inline constexpr auto escapePodTypeNames = core::makeRawValueTable<EscapePodType>(
    std::pair{EscapePodType::none, "None"},
    std::pair{EscapePodType::reentryCapsule, "Re-entry Capsule"},
    std::pair{EscapePodType::assaultCapsule, "Assault Capsule"},
    std::pair{EscapePodType::highSurvivabilityCapsule, "High-Survivability Capsule"},
    std::pair{EscapePodType::reentryPod, "Re-entry Pod"});
static_assert(core::isInCaseOrder(escapePodTypeNames) &&
              core::hasDistinctTexts(escapePodTypeNames));
constexpr const auto& rawValues(EscapePodType) {
    return escapePodTypeRawValues;
}
constexpr const auto& displayNames(EscapePodType) {
    return escapePodTypeNames;
}

inline constexpr auto swimmingPoolTypeRawValues = core::makeRawValueTable<SwimmingPoolType>(
    std::pair{SwimmingPoolType::none, "none"}, std::pair{SwimmingPoolType::standard, "standard"},
    std::pair{SwimmingPoolType::endless, "endless"});
static_assert(core::isInCaseOrder(swimmingPoolTypeRawValues) &&
              core::hasDistinctTexts(swimmingPoolTypeRawValues));
inline constexpr auto swimmingPoolTypeNames = core::makeRawValueTable<SwimmingPoolType>(
    std::pair{SwimmingPoolType::none, "None"}, std::pair{SwimmingPoolType::standard, "Standard"},
    std::pair{SwimmingPoolType::endless, "Endless"});
static_assert(core::isInCaseOrder(swimmingPoolTypeNames) &&
              core::hasDistinctTexts(swimmingPoolTypeNames));
constexpr const auto& rawValues(SwimmingPoolType) {
    return swimmingPoolTypeRawValues;
}
constexpr const auto& displayNames(SwimmingPoolType) {
    return swimmingPoolTypeNames;
}

inline constexpr auto theatreTierRawValues = core::makeRawValueTable<TheatreTier>(
    std::pair{TheatreTier::none, "none"}, std::pair{TheatreTier::basic, "basic"},
    std::pair{TheatreTier::advanced, "advanced"});
static_assert(core::isInCaseOrder(theatreTierRawValues) &&
              core::hasDistinctTexts(theatreTierRawValues));
inline constexpr auto theatreTierNames = core::makeRawValueTable<TheatreTier>(
    std::pair{TheatreTier::none, "None"}, std::pair{TheatreTier::basic, "Basic"},
    std::pair{TheatreTier::advanced, "Advanced"});
static_assert(core::isInCaseOrder(theatreTierNames) && core::hasDistinctTexts(theatreTierNames));
constexpr const auto& rawValues(TheatreTier) {
    return theatreTierRawValues;
}
constexpr const auto& displayNames(TheatreTier) {
    return theatreTierNames;
}

// The raw value of a case as written in files.
template <typename Enum>
constexpr std::string_view rawValue(Enum value) {
    return core::textAt(rawValues(value), value);
}

// The name of a case as shown to the referee.
template <typename Enum>
constexpr std::string_view displayName(Enum value) {
    return core::textAt(displayNames(value), value);
}

} // namespace velmora::ships
