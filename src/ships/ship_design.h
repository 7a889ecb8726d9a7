#pragma once

// A starship design as the referee enters it in the designer: the choices only.
// Every figure shown about a ship (tonnage used, cost, power, crew, fuel, running
// costs) is worked out from this record by the rules beside it (ship_summary.h and
// the *_rules.h files), so a design never holds a figure that can go stale.
// The enumerations' texts in files and their display names are in
// ship_design_codes.h; reading and writing JSON in ship_design_json.h.

#include "core/uuid.h"

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace velmora::ships {

enum class HullConfiguration { standard, streamlined, dispersedStructure };

enum class HullArmour { none, titaniumSteel, crystaliron, bondedSuperdense, molecularBonded };

enum class StealthType { none, basic, improved, enhanced, advanced };

enum class PowerPlantType { fission, chemical, fusionTL8, fusionTL12, fusionTL15, antimatter };

enum class ComputerModel {
    computer5,
    computer10,
    computer15,
    computer20,
    computer25,
    computer30,
    computer35,
    core40,
    core50,
    core60,
    core70,
    core80,
    core90,
    core100
};

enum class SensorSuite { basic, civilianGrade, militaryGrade, improved, advanced };

enum class CrewType { commercial, military };

enum class WeaponMountType {
    none,
    fixedMount,
    singleTurret,
    doubleTurret,
    tripleTurret,
    barbette,
    smallBay,
    mediumBay,
    largeBay
};

enum class TurretWeapon {
    beamLaser,
    fusionGun,
    laserDrill,
    missileRack,
    particleBeam,
    plasmaGun,
    pulseLaser,
    railgun,
    sandcaster
};

enum class BarbetteWeapon {
    beamLaser,
    fusion,
    ionCannon,
    missile,
    particle,
    plasma,
    pulseLaser,
    railgun,
    torpedo
};

enum class BayWeaponType {
    fusionGun,
    ionCannon,
    massDriver,
    mesonGun,
    missile,
    orbitalStrikeMassDriver,
    orbitalStrikeMissile,
    particleBeam,
    railgun,
    repulsor,
    torpedo
};

enum class AdjustableHullTier { none, tl12, tl15 };
enum class BatteryTier { none, tl10, tl12 };
enum class SolarSystemTier { none, basic, improved, enhanced, advanced };
enum class JumpNetTier { none, interplanetary, interstellar };
enum class LoadingBeltTier { none, tl7, tl12 };
enum class SensorArrayEnhancement {
    none,
    distributedArray,
    extendedArray,
    rapidDeploymentExtendedArray
};
enum class MailDistributionArrayTier { none, tl10, tl13 };
enum class SignalProcessingTier { none, improved, enhanced };
enum class DockingClampTier { none, basic, improved, enhanced, advanced };
enum class BoobyTrappedAirlockTier { none, basic, improved, enhanced, advanced };
enum class EscapePodType {
    none,
    reentryCapsule,
    assaultCapsule,
    highSurvivabilityCapsule,
    reentryPod
};
enum class SwimmingPoolType { none, standard, endless };
enum class TheatreTier { none, basic, advanced };

// One weapon mount. Only the weapon field that matches the mount type counts; the
// others keep what was chosen before, so switching the type back restores it.
struct WeaponMount {
    core::Uuid id;
    WeaponMountType mountType = WeaponMountType::singleTurret;
    bool popUpMounting = false;
    TurretWeapon turretWeapon = TurretWeapon::beamLaser;
    int turretWeaponCount = 1;
    BarbetteWeapon barbetteWeapon = BarbetteWeapon::beamLaser;
    BayWeaponType bayWeapon = BayWeaponType::missile;

    friend bool operator==(const WeaponMount&, const WeaponMount&) = default;
};

// The supplement's hull options and fittings. Counts and tons are whole numbers;
// every field at its default means "not fitted".
struct HighGuardOptions {
    int armouredBulkheadProtectedTonnage = 0;
    AdjustableHullTier adjustableHullTier = AdjustableHullTier::none;
    bool hasPressureHull = false;
    int modularHullPercentage = 0;
    int moduleTonnage = 0;
    bool hasEmergencyPowerSystem = false;
    BatteryTier batteryTier = BatteryTier::none;
    int batteryTonnage = 0;
    SolarSystemTier solarTier = SolarSystemTier::none;
    bool solarIsPanel = false;
    int solarUnits = 0;
    bool hasConcealedManoeuvreDrive = false;
    bool hasSolarSail = false;
    int dropTankCapacityTons = 0;
    int fuelCargoContainerCapacityTons = 0;
    int fuelTankCompartmentTons = 0;
    bool hasMetalHydrideStorage = false;
    int mountableTankTons = 0;
    bool hasRamscoops = false;
    int accelerationBenchCount = 0;
    int accelerationSeatCount = 0;
    int barracksPassengerCount = 0;
    int brigUnitCount = 0;
    int cabinSpaceTons = 0;
    int stableTons = 0;
    int cargoNetCount = 0;
    int externalCargoMountTons = 0;
    JumpNetTier jumpNetTier = JumpNetTier::none;
    int jumpNetCargoTons = 0;
    LoadingBeltTier loadingBeltTier = LoadingBeltTier::none;
    int advancedProbeDronesTonnage = 0;
    bool hasCountermeasuresSuite = false;
    bool hasMilitaryCountermeasuresSuite = false;
    int deepPenetrationScannerTons = 0;
    SensorArrayEnhancement sensorArrayEnhancement = SensorArrayEnhancement::none;
    int extensionNetTons = 0;
    bool hasLifeScanner = false;
    bool hasLifeScannerAnalysisSuite = false;
    MailDistributionArrayTier mailDistributionArrayTier = MailDistributionArrayTier::none;
    bool hasMineralDetectionSuite = false;
    bool hasShallowPenetrationSuite = false;
    SignalProcessingTier signalProcessingTier = SignalProcessingTier::none;
    bool hasSensorStation = false;
    bool hasBreachingTube = false;
    DockingClampTier dockingClampTier = DockingClampTier::none;
    int dockingClampCount = 0;
    int grapplingArmCount = 0;
    int heavyGrapplingArmCount = 0;
    bool hasTowCable = false;
    int additionalAirlockTons = 0;
    int armouryTons = 0;
    int biosphereTons = 0;
    BoobyTrappedAirlockTier boobyTrappedAirlockTier = BoobyTrappedAirlockTier::none;
    int briefingRoomCount = 0;
    int constructionDeckTons = 0;
    int fullHangarCraftTons = 0;
    int gravScreenTons = 0;
    int launchTubeCraftTons = 0;
    EscapePodType escapePodType = EscapePodType::none;
    int escapePodCount = 0;
    int recoveryDeckCraftTons = 0;
    int studioTons = 0;
    int trainingFacilitiesTrainees = 0;
    int unrepSystemTons = 0;
    int vaultTons = 0;
    int workshopCount = 0;
    int advancedEntertainmentSystemCost = 0; // Cr, as entered
    int breweryDistilleryUnits = 0;
    int gourmetKitchenDiners = 0;
    int hotTubCapacity = 0;
    SwimmingPoolType swimmingPoolType = SwimmingPoolType::none;
    int swimmingPoolTons = 0;
    TheatreTier theatreTier = TheatreTier::none;
    int theatreTons = 0;
    bool hasWetBar = false;
    bool hasZeroGRoomControls = false;

    friend bool operator==(const HighGuardOptions&, const HighGuardOptions&) = default;
};

// The ship's programs. A rating of 0 is "not installed", except the virtual crew
// and gunner, whose rating 0 is a real program installed by their flag.
struct SoftwareSuite {
    int jumpControlRating = 0;
    int evadeRating = 0;
    int fireControlRating = 0;
    int autoRepairRating = 0;
    int advancedFireControlRating = 0;
    int antiHijackRating = 0;
    int battleNetworkRating = 0;
    int battleSystemRating = 0;
    bool hasBroadSpectrumEW = false;
    int consciousIntelligenceRating = 0;
    int electronicWarfareRating = 0;
    int launchSolutionRating = 0;
    int pointDefenceRating = 0;
    bool hasScreenOptimiser = false;
    bool hasVirtualCrew = false;
    int virtualCrewRating = 0;
    bool hasVirtualGunner = false;
    int virtualGunnerRating = 0;

    friend bool operator==(const SoftwareSuite&, const SoftwareSuite&) = default;
};

// The defaults are the designer's starting state: a 100-ton TL12 standard hull
// with thrust 1, a bridge, Computer/5, basic sensors and nothing else.
struct ShipDesign {
    int tonnage = 100;
    int techLevel = 12;
    HullConfiguration configuration = HullConfiguration::standard;
    HullArmour armour = HullArmour::none;
    int armourProtection = 0;
    bool heatShielding = false;
    bool radiationShielding = false;
    bool reflec = false;
    StealthType stealth = StealthType::none;
    int manoeuvreDriveRating = 1;
    bool hasReactionDrive = false;
    int reactionDriveRating = 0;
    bool hasJumpDrive = false;
    int jumpDriveRating = 1;
    PowerPlantType powerPlantType = PowerPlantType::fusionTL8;
    int powerPlantTonnage = 0;
    int reactionDriveOperatingHours = 1;
    int jumpsCarried = 1;
    int powerPlantFuelWeeks = 4;
    bool useCockpit = false;
    bool dualCockpit = false;
    bool cockpitEjectorSeat = false;
    bool smallerBridge = false;
    bool commandBridge = false;
    ComputerModel primaryComputer = ComputerModel::computer5;
    bool primaryComputerJumpControlSpecialisation = false;
    bool primaryComputerHardenedSystems = false;
    bool hasBackupComputer = false;
    ComputerModel backupComputer = ComputerModel::computer5;
    bool backupComputerJumpControlSpecialisation = false;
    bool backupComputerHardenedSystems = false;
    SensorSuite sensorSuite = SensorSuite::basic;
    std::vector<WeaponMount> weaponMounts;
    bool hasAerofins = false;
    bool hasCargoCrane = false;
    int cargoCraneCargoSpaceTons = 0;
    bool hasCargoScoop = false;
    int collapsibleFuelTankCapacityTons = 0;
    int concealedCompartmentTonnage = 0;
    int dockingSpaceTonnage = 0;
    std::optional<std::string> carriedCraftName;
    std::optional<int> carriedCraftTonnage;
    std::optional<double> carriedCraftPrice; // Cr
    int miningDronesTonnage = 0;
    int probeDronesTonnage = 0;
    int repairDronesTonnage = 0;
    int fuelProcessorTonnage = 0;
    bool hasFuelScoop = false;
    bool hasAirRaft = false;
    int highStateroomCount = 0;
    bool hasHolographicControls = false;
    bool hasHolographicHull = false;
    int laboratoryTonnage = 0;
    bool hasLibrary = false;
    int luxuryStateroomCount = 0;
    int medicalBayCount = 0;
    int multiEnvironmentTonnage = 0;
    CrewType crewType = CrewType::commercial;
    bool overrideActualCrewCount = false;
    int actualCrewCount = 0;
    int stateroomCount = 0;
    bool doubleOccupancy = false;
    int commonAreaTonnage = 0;
    int lowBerthCount = 0;
    int emergencyLowBerthCount = 0;
    bool applyTenPercentDiscount = true;
    HighGuardOptions highGuard;
    SoftwareSuite software;

    friend bool operator==(const ShipDesign&, const ShipDesign&) = default;
};

} // namespace velmora::ships

// Designs are kept in sets and as keys (the designer's undo, the saved list's cache):
// equal designs hash alike.
template <>
struct std::hash<velmora::ships::ShipDesign> {
    std::size_t operator()(const velmora::ships::ShipDesign& design) const noexcept;
};
