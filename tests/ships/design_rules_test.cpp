// The rules at their edges: the cases where a figure changes its formula, worked
// out by hand in the comments.

#include "ships/bridge_rules.h"
#include "ships/crew_rules.h"
#include "ships/drive_rules.h"
#include "ships/fuel_rules.h"
#include "ships/highguard_rules.h"
#include "ships/hull_rules.h"
#include "ships/power_rules.h"
#include "ships/ship_summary.h"
#include "ships/ship_texts.h"
#include "ships/software_rules.h"
#include "ships/tech_level_gates.h"
#include "ships/weapon_rules.h"

#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

using namespace velmora::ships;

namespace {

bool warns(const ShipDesign& design, std::string_view text) {
    const auto warnings = summarize(design).warnings;
    return std::find(warnings.begin(), warnings.end(), text) != warnings.end();
}

WeaponMount mountOf(WeaponMountType type, int weapons = 1) {
    WeaponMount mount;
    mount.mountType = type;
    mount.turretWeaponCount = weapons;
    return mount;
}

} // namespace

TEST(DesignRules, ArmourTonnageBySizeAndShape) {
    struct Case {
        int tonnage;
        HullConfiguration configuration;
        HullArmour armour;
        int protection;
        double tons;
        double cost;
    };
    const Case cases[] = {
        // 1 × 1.2 × 2.5% × 100 × 4 = 12 tons × 50,000.
        {100, HullConfiguration::streamlined, HullArmour::titaniumSteel, 4, 12, 600'000},
        // At 15 tons the size factor is 4: 4 × 1.2 × 2.5% × 15 × 4 = 7.2.
        {15, HullConfiguration::streamlined, HullArmour::titaniumSteel, 4, 7.2, 360'000},
        // 16 tons: factor 3 × 1.0 × 1.25% × 16 × 2 = 1.2 tons × 200,000.
        {16, HullConfiguration::standard, HullArmour::crystaliron, 2, 1.2, 240'000},
        // 99 tons: factor 2 × 0.5% × 99 × 2 = 1.98 tons × 1,500,000.
        {99, HullConfiguration::standard, HullArmour::molecularBonded, 2, 1.98, 2'970'000},
        // A dispersed structure takes none, whatever is asked.
        {400, HullConfiguration::dispersedStructure, HullArmour::titaniumSteel, 4, 0, 0},
        {400, HullConfiguration::standard, HullArmour::none, 4, 0, 0},
    };
    for (const Case& c : cases) {
        ShipDesign d;
        d.tonnage = c.tonnage;
        d.configuration = c.configuration;
        d.armour = c.armour;
        d.armourProtection = c.protection;
        EXPECT_NEAR(armourTonnage(d), c.tons, 1e-9) << c.tonnage;
        EXPECT_NEAR(armourCost(d), c.cost, 1e-6) << c.tonnage;
    }
}

TEST(DesignRules, HighestArmourProtectionFollowsTechLevel) {
    EXPECT_EQ(maximumArmourProtection(HullArmour::titaniumSteel, HullConfiguration::standard, 12),
              9);
    EXPECT_EQ(maximumArmourProtection(HullArmour::crystaliron, HullConfiguration::standard, 12),
              12);
    EXPECT_EQ(maximumArmourProtection(HullArmour::crystaliron, HullConfiguration::standard, 15),
              13);
    EXPECT_EQ(
        maximumArmourProtection(HullArmour::bondedSuperdense, HullConfiguration::standard, 15), 15);
    EXPECT_EQ(maximumArmourProtection(HullArmour::molecularBonded, HullConfiguration::standard, 15),
              19);
    EXPECT_EQ(maximumArmourProtection(HullArmour::molecularBonded,
                                      HullConfiguration::dispersedStructure, 15),
              0);
}

TEST(DesignRules, DriveSizesAtTheirEdges) {
    ShipDesign d;
    // Thrust 0 still takes 0.5% of the hull and draws 0.1 × 100 × 0.25 = 2.5.
    d.manoeuvreDriveRating = 0;
    EXPECT_DOUBLE_EQ(manoeuvreDriveTonnage(d), 0.5);
    EXPECT_DOUBLE_EQ(powerDemand(d).manoeuvreDrive, 2.5);
    // A rating beyond the table takes nothing.
    d.manoeuvreDriveRating = 12;
    EXPECT_DOUBLE_EQ(manoeuvreDriveTonnage(d), 0);

    d.manoeuvreDriveRating = 1;
    const double demandWithoutReaction = powerRequirement(d);
    d.hasReactionDrive = true;
    d.reactionDriveRating = 0; // 1% of the hull
    EXPECT_DOUBLE_EQ(reactionDriveTonnage(d), 1);
    d.reactionDriveRating = 16; // 32%
    EXPECT_DOUBLE_EQ(reactionDriveTonnage(d), 32);
    EXPECT_DOUBLE_EQ(reactionDriveCost(d), 32 * 200'000.0);
    // The reaction drive draws no power.
    EXPECT_DOUBLE_EQ(powerRequirement(d), demandWithoutReaction);

    // Jump: 100 × 2.5% + 5 = 7.5 tons and a warning; at 200 tons exactly 10, no warning.
    d = ShipDesign{};
    d.hasJumpDrive = true;
    d.jumpDriveRating = 1;
    EXPECT_DOUBLE_EQ(jumpDriveTonnage(d), 7.5);
    EXPECT_TRUE(warns(d, texts::jumpDriveTooSmall));
    d.tonnage = 200;
    EXPECT_DOUBLE_EQ(jumpDriveTonnage(d), 10);
    EXPECT_FALSE(warns(d, texts::jumpDriveTooSmall));
    // A rating outside 1-9 is the drive's 5 fixed tons alone.
    d.jumpDriveRating = 0;
    EXPECT_DOUBLE_EQ(jumpDriveTonnage(d), 5);

    // A 99-ton hull cannot switch the jump drive on, nor can TL8.
    d = ShipDesign{};
    d.tonnage = 99;
    EXPECT_FALSE(jumpDriveAvailable(d));
    d.tonnage = 100;
    EXPECT_TRUE(jumpDriveAvailable(d));
    d.techLevel = 8;
    EXPECT_FALSE(jumpDriveAvailable(d));
}

TEST(DesignRules, HighestRatingsByTechLevel) {
    struct Case {
        int techLevel, manoeuvre, reaction, jump;
    };
    const Case cases[] = {
        {6, 0, 0, 0},   {7, 0, 3, 0},    {8, 0, 6, 0},    {9, 1, 9, 1},
        {12, 6, 16, 3}, {17, 11, 16, 8}, {18, 11, 16, 9}, {25, 11, 16, 9},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(maximumManoeuvreRating(c.techLevel), c.manoeuvre) << c.techLevel;
        EXPECT_EQ(maximumReactionRating(c.techLevel), c.reaction) << c.techLevel;
        EXPECT_EQ(maximumJumpRating(c.techLevel), c.jump) << c.techLevel;
    }
    EXPECT_EQ(jumpRatingTechLevel(0), std::nullopt);
    EXPECT_EQ(manoeuvreRatingTechLevel(12), std::nullopt);
}

TEST(DesignRules, FuelFigures) {
    ShipDesign d;
    // A 5-ton fusion plant with 4 weeks: ceil(0.5) is below the 1-ton minimum, so 1 × 1.
    d.powerPlantTonnage = 5;
    d.powerPlantFuelWeeks = 4;
    EXPECT_DOUBLE_EQ(powerPlantFuelTonnage(d), 1);
    // 30 tons for 2 weeks: ceil(3) × 0.5 = 1.5 (3, not 4, although 0.1 × 30 is inexact).
    d.powerPlantTonnage = 30;
    d.powerPlantFuelWeeks = 2;
    EXPECT_DOUBLE_EQ(powerPlantFuelTonnage(d), 1.5);
    // Chemical plants burn their own tonnage ten times over each fortnight: 3 × 10 × 1.
    d.powerPlantType = PowerPlantType::chemical;
    d.powerPlantTonnage = 3;
    EXPECT_DOUBLE_EQ(powerPlantFuelTonnage(d), 30);
    d.powerPlantFuelWeeks = 0;
    EXPECT_DOUBLE_EQ(powerPlantFuelTonnage(d), 0);

    // Reaction fuel: 2.5% × 100 × thrust 2 × 3 hours = 15; thrust 0 burns 0.25 an hour.
    d = ShipDesign{};
    d.hasReactionDrive = true;
    d.reactionDriveRating = 2;
    d.reactionDriveOperatingHours = 3;
    EXPECT_DOUBLE_EQ(reactionFuelTonnage(d), 15);
    d.reactionDriveRating = 0;
    EXPECT_DOUBLE_EQ(reactionFuelTonnage(d), 0.75);

    // Jump fuel of a single jump, whatever the rating; none without a drive.
    d = ShipDesign{};
    d.tonnage = 300;
    EXPECT_DOUBLE_EQ(jumpFuelTons(d, 2), 0);
    d.hasJumpDrive = true;
    d.jumpDriveRating = 3;
    d.jumpsCarried = 2;
    EXPECT_DOUBLE_EQ(jumpFuelTons(d, 2), 60);
    EXPECT_DOUBLE_EQ(jumpFuelTons(d, 0), 0);
    EXPECT_DOUBLE_EQ(jumpFuelTonnage(d), 180); // 0.1 × 300 × 3 × 2
}

TEST(DesignRules, PowerWarningsAndTheJumpAllocation) {
    ShipDesign d;
    d.tonnage = 200;
    d.hasJumpDrive = true;
    d.jumpDriveRating = 2;
    d.manoeuvreDriveRating = 2;
    d.powerPlantType = PowerPlantType::fusionTL8;
    d.weaponMounts = {mountOf(WeaponMountType::tripleTurret, 3)}; // 3 beam lasers: 13
    d.lowBerthCount = 11;                                         // ceil(11 / 10) = 2
    d.sensorSuite = SensorSuite::civilianGrade;                   // 1
    // Demand 40 + 40 + 1 + 13 + 2 = 96; 9 tons give 90.
    d.powerPlantTonnage = 9;
    EXPECT_TRUE(warns(d, texts::powerShortDayToDay));
    EXPECT_FALSE(warns(d, texts::powerShortForJump));

    // 10 tons give 100: day to day is covered, the jump's 40 is not. Budget 60: basic 40
    // (20 left), low berths 2 (18), sensors 1 (17), weapons 13 (4).
    d.powerPlantTonnage = 10;
    EXPECT_TRUE(warns(d, texts::powerShortForJump));
    using Status = PowerAllocationEntry::Status;
    auto allocation = powerAllocationDuringJump(d);
    ASSERT_EQ(allocation.size(), 6u);
    EXPECT_EQ(allocation[1].status, Status::full);
    EXPECT_EQ(allocation[5].label, "Weapons");
    EXPECT_EQ(allocation[5].status, Status::full);

    // 7 tons give 70, budget 30: basic systems run at half (20 for 40 is too much, 20 fits),
    // leaving 10: low berths 2 and sensors 1 stay, the weapons' 13 are cut.
    d.powerPlantTonnage = 7;
    allocation = powerAllocationDuringJump(d);
    EXPECT_EQ(allocation[1].status, Status::half);
    EXPECT_EQ(allocation[3].status, Status::full);
    EXPECT_EQ(allocation[5].status, Status::off);

    // 5 tons give 50, budget 10: basic systems cannot run even at half, and the note says so.
    d.powerPlantTonnage = 5;
    allocation = powerAllocationDuringJump(d);
    EXPECT_EQ(allocation[1].status, Status::off);
    const auto notes = summarize(d).notes;
    EXPECT_NE(std::find(notes.begin(), notes.end(), texts::jumpBasicSystemsOff), notes.end());

    // Jump 3 with thrust 1: the drive needs 60 where the manoeuvre drive gave back 20.
    // Demand 40 + 20 + 1 + 13 + 2 = 76 is covered by 11 tons (110); budget 110 - 60 = 50:
    // basic systems in full (10 left), low berths 2 (8), sensors 1 (7), weapons' 13 cut.
    d.hasJumpDrive = true;
    d.jumpDriveRating = 3;
    d.manoeuvreDriveRating = 1;
    d.powerPlantTonnage = 11;
    EXPECT_FALSE(warns(d, texts::powerShortDayToDay));
    allocation = powerAllocationDuringJump(d);
    ASSERT_EQ(allocation.size(), 6u);
    EXPECT_EQ(allocation[1].status, Status::full);
    EXPECT_EQ(allocation[3].status, Status::full);
    EXPECT_EQ(allocation[4].status, Status::full);
    EXPECT_EQ(allocation[5].status, Status::off);

    // No jump drive, no allocation.
    d.hasJumpDrive = false;
    EXPECT_TRUE(powerAllocationDuringJump(d).empty());
}

TEST(DesignRules, BridgeAndCockpit) {
    struct Case {
        int tonnage;
        bool smaller;
        double tons;
        double cost;
    };
    const Case cases[] = {
        {50, false, 3, 500'000},           {50, true, 3, 250'000},
        {51, false, 6, 500'000},           {51, true, 3, 250'000},
        {201, false, 20, 1'500'000},       {2'001, true, 40, 5'250'000},
        {100'001, false, 80, 500'500'000}, {100'001, true, 60, 250'250'000},
    };
    for (const Case& c : cases) {
        ShipDesign d;
        d.tonnage = c.tonnage;
        d.smallerBridge = c.smaller;
        EXPECT_DOUBLE_EQ(bridgeTonnage(d), c.tons) << c.tonnage;
        EXPECT_DOUBLE_EQ(bridgeCost(d), c.cost) << c.tonnage;
    }
    ShipDesign d;
    d.commandBridge = true; // +40 tons, +Cr30M
    EXPECT_DOUBLE_EQ(bridgeTonnage(d), 50);
    EXPECT_DOUBLE_EQ(bridgeCost(d), 30'500'000);

    d = ShipDesign{};
    d.tonnage = 10;
    d.useCockpit = true;
    d.dualCockpit = true;
    d.cockpitEjectorSeat = true;
    d.hasHolographicControls = true;
    EXPECT_DOUBLE_EQ(bridgeTonnage(d), 2.5);
    EXPECT_DOUBLE_EQ(bridgeCost(d), 20'000);
    const auto summary = summarize(d);
    // Holographic controls: 25% of the cockpit's 20,000, counted with the systems.
    const auto systems = std::find_if(summary.rows.begin(), summary.rows.end(),
                                      [](const SummaryRow& r) { return r.section == "Systems"; });
    ASSERT_NE(systems, summary.rows.end());
    EXPECT_DOUBLE_EQ(systems->cost, 5'000);
    EXPECT_NE(std::find(summary.notes.begin(), summary.notes.end(), texts::cockpitLifeSupport),
              summary.notes.end());
}

TEST(DesignRules, ComputersAndSoftware) {
    ShipDesign d;
    d.primaryComputer = ComputerModel::computer25;
    d.software.jumpControlRating = 6; // bandwidth 30
    d.primaryComputerJumpControlSpecialisation = true;
    EXPECT_TRUE(softwareFits(d)); // 30 ≤ 25 + 5
    d.primaryComputerJumpControlSpecialisation = false;
    EXPECT_FALSE(softwareFits(d));
    EXPECT_TRUE(warns(d, texts::softwareBandwidthExceeded));

    // Fire Control/5 (25) + Evade/1 (10) = 35 > 30 on a Computer/30, although each fits alone.
    d = ShipDesign{};
    d.primaryComputer = ComputerModel::computer30;
    d.software.jumpControlRating = 2;
    d.software.fireControlRating = 5;
    EXPECT_TRUE(softwareFits(d));
    d.software.evadeRating = 1;
    EXPECT_FALSE(softwareFits(d));

    // Both options double the price; the backup is added only when fitted.
    EXPECT_DOUBLE_EQ(computerCost(ComputerModel::computer10, true, true), 320'000);
    EXPECT_DOUBLE_EQ(computerCost(ComputerModel::computer10, false, true), 240'000);
    d = ShipDesign{};
    d.backupComputer = ComputerModel::core40;
    EXPECT_DOUBLE_EQ(totalComputerCost(d), 30'000);
    d.hasBackupComputer = true;
    EXPECT_TRUE(warns(d, texts::backupComputerNotSmaller));
    // A /bis backup of the same model has more processing, not less.
    d.backupComputer = ComputerModel::computer5;
    d.backupComputerJumpControlSpecialisation = true;
    EXPECT_TRUE(warns(d, texts::backupComputerNotSmaller));
    d.primaryComputer = ComputerModel::computer15;
    EXPECT_FALSE(warns(d, texts::backupComputerNotSmaller));

    // The virtual crew's rating 0 is installed by its flag: bandwidth 5, MCr1.
    SoftwareSuite software;
    software.hasVirtualCrew = true;
    EXPECT_EQ(softwareBandwidth(software), 5);
    EXPECT_DOUBLE_EQ(softwareCost(software), 1'000'000);
    software.hasBroadSpectrumEW = true;
    software.evadeRating = 2;
    EXPECT_EQ(softwareBandwidth(software), 5 + 12 + 15);
    EXPECT_EQ(basicSoftwareNames(software), std::vector<std::string>{"Evade/2"});
    EXPECT_EQ(advancedSoftwareNames(software),
              (std::vector<std::string>{"Virtual Crew/0", "Broad Spectrum EW"}));

    // Auto-Repair needs repair drones to work with.
    d = ShipDesign{};
    d.primaryComputer = ComputerModel::computer20;
    d.software.autoRepairRating = 1;
    EXPECT_TRUE(warns(d, texts::autoRepairNeedsDrones));
    d.repairDronesTonnage = 1;
    EXPECT_FALSE(warns(d, texts::autoRepairNeedsDrones));
}

TEST(DesignRules, WeaponMountsAndHardpoints) {
    // A fixed mount with 5 weapons counts 3.
    WeaponMount fixed = mountOf(WeaponMountType::fixedMount, 5);
    fixed.turretWeapon = TurretWeapon::railgun;
    EXPECT_EQ(weaponsCounted(fixed), 3);
    EXPECT_DOUBLE_EQ(mountCost(fixed), 100'000 + 3 * 1'000'000.0);
    EXPECT_DOUBLE_EQ(mountPower(fixed), 6); // 3 × 2, no turret motor

    // A single turret with no weapon costs the mount alone and needs no gunner.
    const WeaponMount empty = mountOf(WeaponMountType::singleTurret, 0);
    EXPECT_DOUBLE_EQ(mountCost(empty), 200'000);
    EXPECT_DOUBLE_EQ(mountPower(empty), 1);
    EXPECT_EQ(mountGunners(empty, CrewType::military), 0);

    // Pop-up: +1 ton, +Cr1M, and at least TL10.
    WeaponMount popUp = mountOf(WeaponMountType::singleTurret, 1);
    popUp.turretWeapon = TurretWeapon::sandcaster;
    popUp.popUpMounting = true;
    EXPECT_DOUBLE_EQ(mountTonnage(popUp), 2);
    EXPECT_DOUBLE_EQ(mountCost(popUp), 200'000 + 250'000 + 1'000'000.0);
    EXPECT_EQ(mountTechLevel(popUp), 10);

    // Bays: the medium meson gun is priced, powered and gated by its size.
    WeaponMount bay = mountOf(WeaponMountType::mediumBay);
    bay.bayWeapon = BayWeaponType::mesonGun;
    EXPECT_DOUBLE_EQ(mountTonnage(bay), 100);
    EXPECT_DOUBLE_EQ(mountCost(bay), 60'000'000);
    EXPECT_DOUBLE_EQ(mountPower(bay), 30);
    EXPECT_EQ(mountTechLevel(bay), 12);
    EXPECT_EQ(mountGunners(bay, CrewType::commercial), 2); // bays crew to the military standard

    // A barbette on an 80-ton hull takes all 3 firmpoints; a second mount is one too many.
    ShipDesign d;
    d.tonnage = 80;
    WeaponMount barbette = mountOf(WeaponMountType::barbette);
    d.weaponMounts = {barbette};
    EXPECT_EQ(hardpointsUsed(d), 3);
    EXPECT_EQ(hardpointsAvailable(d), 3);
    EXPECT_FALSE(warns(d, texts::hardpointsExceeded));
    d.weaponMounts.push_back(mountOf(WeaponMountType::singleTurret));
    EXPECT_TRUE(warns(d, texts::hardpointsExceeded));
    // From 100 tons a barbette is one hardpoint again.
    d.tonnage = 100;
    d.weaponMounts = {barbette};
    EXPECT_EQ(hardpointsUsed(d), 1);

    // Firmpoints of small hulls and hardpoints of large ones, at the edges.
    const std::pair<int, int> points[] = {{34, 1}, {35, 2},  {69, 2}, {70, 3},
                                          {99, 3}, {100, 1}, {299, 2}};
    for (const auto& [tons, available] : points)
        EXPECT_EQ(hardpointsAvailable(tons), available) << tons;
}

TEST(DesignRules, CrewRequirements) {
    // A 100-ton jump ship: captain, pilot, astrogator (commercial); three pilots if military.
    ShipDesign d;
    d.hasJumpDrive = true;
    auto crew = crewRequirement(d);
    EXPECT_EQ(crew.count(CrewRole::captain) + crew.count(CrewRole::pilot) +
                  crew.count(CrewRole::astrogator),
              3);
    d.crewType = CrewType::military;
    crew = crewRequirement(d);
    EXPECT_EQ(crew.count(CrewRole::captain) + crew.count(CrewRole::pilot) +
                  crew.count(CrewRole::astrogator),
              5);

    // 10,000 tons, commercial, four triple turrets: maintenance ceil(10) × 0.75 = 7.5 → 8,
    // gunners 4 × 0.75 = 3, administrators ceil(5) × 0.75 → 4, sensor operators ceil(1.33) =
    // 2 × 0.75 → 2, engineers ceil((100 + 100 tons of drives and plant) / 35) = 6 × 0.75 → 5;
    // captain and pilot stay 1.
    d = ShipDesign{};
    d.tonnage = 10'000;
    d.manoeuvreDriveRating = 1; // 100 tons
    d.powerPlantTonnage = 100;
    d.weaponMounts.assign(4, mountOf(WeaponMountType::tripleTurret, 1));
    crew = crewRequirement(d);
    EXPECT_EQ(crew.count(CrewRole::captain), 1);
    EXPECT_EQ(crew.count(CrewRole::pilot), 1);
    EXPECT_EQ(crew.count(CrewRole::maintenance), 8);
    EXPECT_EQ(crew.count(CrewRole::gunner), 3);
    EXPECT_EQ(crew.count(CrewRole::administrator), 4);
    EXPECT_EQ(crew.count(CrewRole::sensorOperator), 2);
    EXPECT_EQ(crew.count(CrewRole::engineer), 5);
    EXPECT_EQ(crewMultiplierText(d.tonnage), "0.75");
    const auto notes = summarize(d).notes;
    EXPECT_NE(
        std::find(notes.begin(), notes.end(), "0.75" + std::string(texts::crewMultiplierAfter)),
        notes.end());

    // Ten double-occupancy staterooms for a crew of 6 (captain, pilot, engineer, maintenance,
    // administrator, sensor operator on a 100-ton hull without jump): 14 middle passengers,
    // one steward for them, and a medic for ceil((7 + 14) / 120).
    d = ShipDesign{};
    d.powerPlantTonnage = 5;
    d.stateroomCount = 10;
    d.doubleOccupancy = true;
    crew = crewRequirement(d);
    EXPECT_EQ(crew.workingCrew, 6);
    EXPECT_EQ(crew.middlePassengers, 14);
    EXPECT_EQ(crew.count(CrewRole::steward), 1);
    EXPECT_EQ(crew.count(CrewRole::medic), 1);
    EXPECT_EQ(crew.totalCrew, 8);
    // Life support: 10 × 1,000 + max(8 crew, 20 berths) × 1,000.
    EXPECT_DOUBLE_EQ(lifeSupportPerMonth(d), 30'000);

    // Overriding the head-count changes the middle passengers and life support, not the roles.
    d.overrideActualCrewCount = true;
    d.actualCrewCount = 3;
    crew = crewRequirement(d);
    EXPECT_EQ(crew.middlePassengers, 17);
    EXPECT_EQ(crew.totalCrew, 3);
    EXPECT_EQ(crew.roleTotal(), 8);
    EXPECT_DOUBLE_EQ(salariesPerMonth(d),
                     16'000 * 2 + 4'000 + 1'000 + 1'500 + 4'000 + 2'000 + 4'000);
}

TEST(DesignRules, DiscountLowersPurchaseAndMaintenance) {
    ShipDesign d;
    d.applyTenPercentDiscount = false;
    const double full = purchaseCost(d);
    const double fullMaintenance = maintenancePerMonth(d);
    d.applyTenPercentDiscount = true;
    EXPECT_DOUBLE_EQ(purchaseCost(d), full * 0.9);
    EXPECT_DOUBLE_EQ(maintenancePerMonth(d), fullMaintenance * 0.9);
    EXPECT_DOUBLE_EQ(totalCost(d), full);
}

TEST(DesignRules, HighGuardHullLevelOptions) {
    // Ramscoops: 400 tons → 0.01 × 400 + 5 = 9, at least 10 tons, flat Cr2.5M;
    // 1,000 tons → 15 tons × 250,000.
    ShipDesign d;
    d.highGuard.hasRamscoops = true;
    d.tonnage = 400;
    auto effects = highGuardHullEffects(d);
    EXPECT_DOUBLE_EQ(effects.ramscoopTons, 10);
    EXPECT_DOUBLE_EQ(effects.ramscoopCost, 2'500'000);
    d.tonnage = 1'000;
    effects = highGuardHullEffects(d);
    EXPECT_DOUBLE_EQ(effects.ramscoopTons, 15);
    EXPECT_DOUBLE_EQ(effects.ramscoopCost, 3'750'000);

    // Metal hydride storage doubles the fuel's room at Cr200,000 a fuel ton: 100 tons of
    // jump-1 fuel plus 4 weeks for a 10-ton plant (1 ton).
    d = ShipDesign{};
    d.tonnage = 1'000;
    d.hasJumpDrive = true;
    d.powerPlantTonnage = 10;
    const double before = tonnageUsed(d);
    d.highGuard.hasMetalHydrideStorage = true;
    EXPECT_DOUBLE_EQ(tonnageUsed(d) - before, 101);
    EXPECT_DOUBLE_EQ(highGuardHullEffects(d).metalHydrideCost, 101 * 200'000.0);

    // A pressure hull: a quarter of the tonnage and ten times the hull's price on top.
    d = ShipDesign{};
    d.highGuard.hasPressureHull = true;
    effects = highGuardHullEffects(d);
    EXPECT_DOUBLE_EQ(effects.pressureHullTons, 25);
    EXPECT_DOUBLE_EQ(effects.pressureHullCost, 50'000'000);

    // Concealed drive: thrust 3 shows 1.5 and is a quarter larger.
    d = ShipDesign{};
    d.manoeuvreDriveRating = 3;
    d.highGuard.hasConcealedManoeuvreDrive = true;
    EXPECT_DOUBLE_EQ(effectiveManoeuvreThrust(d), 1.5);
    EXPECT_DOUBLE_EQ(manoeuvreDriveTonnage(d), 3.75);

    // External cargo mounts need a standard hull.
    d = ShipDesign{};
    d.highGuard.externalCargoMountTons = 10;
    EXPECT_FALSE(warns(d, texts::externalCargoMountNotAllowed));
    d.configuration = HullConfiguration::streamlined;
    EXPECT_TRUE(warns(d, texts::externalCargoMountNotAllowed));
}

TEST(DesignRules, WarningsOfOverfullAndOverloadedDesigns) {
    ShipDesign d;
    d.stateroomCount = 30; // 120 tons in a 100-ton hull
    EXPECT_TRUE(warns(d, texts::tonnageExceeded));
    EXPECT_LT(summarize(d).cargoSpace, 0);

    d = ShipDesign{};
    d.carriedCraftName = "Launch";
    d.carriedCraftTonnage = 20;
    d.carriedCraftPrice = 14'000'000;
    d.dockingSpaceTonnage = 10;
    EXPECT_TRUE(warns(d, texts::carriedCraftTooLarge));
    // The craft's price is part of the ship's.
    const double withCraft = totalCost(d);
    d.carriedCraftPrice.reset();
    EXPECT_DOUBLE_EQ(withCraft - totalCost(d), 14'000'000);
}

TEST(DesignRules, TechLevelGates) {
    EXPECT_EQ(optionTechLevel("heatShielding"), 6);
    EXPECT_EQ(optionTechLevel("highGuard.hasLifeScannerAnalysisSuite"), 14);
    EXPECT_EQ(optionTechLevel("stateroomCount"), std::nullopt);
    EXPECT_EQ(requiredTechLevel(PowerPlantType::fusionTL15), 15);
    EXPECT_EQ(requiredTechLevel(BayWeaponType::repulsor, WeaponMountType::smallBay), 15);
    EXPECT_EQ(requiredTechLevel(BayWeaponType::repulsor, WeaponMountType::largeBay), 13);
    EXPECT_EQ(unavailableReason(10, 9), "Needs TL 10");
    EXPECT_EQ(unavailableReason(9, 9), std::nullopt);
    // Every labelled option names the tech level it is gated at.
    for (const auto& option : optionTechLevels()) {
        EXPECT_NE(option.label.find("TL" + std::to_string(option.techLevel)),
                  std::string_view::npos)
            << option.label;
    }
}

TEST(DesignRules, MonthlyTexts) {
    EXPECT_EQ(perMonthText(2'920.875), "Cr2921/month");
    EXPECT_EQ(megaCreditsText(38'945'000), "38.945");
    EXPECT_EQ(tonsText(17.1), "17.1");
}
