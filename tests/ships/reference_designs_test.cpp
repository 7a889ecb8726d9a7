// Five designs worked out on paper from the construction rules, checked figure by
// figure. The arithmetic in the comments is the paper version; the figures in the
// checks are its results, not the program's.

#include "ships/ship_design.h"
#include "ships/ship_summary.h"
#include "ships/ship_texts.h"

#include <gtest/gtest.h>
#include <string>

using namespace velmora::ships;

namespace {

// Money and tons are sums of fractions; a few millionths of a credit is not a rule.
void expectFigure(double actual, double expected, const char* what) {
    EXPECT_NEAR(actual, expected, 1e-6 * std::max(1.0, std::abs(expected))) << what;
}

const SummaryRow& row(const ShipSummary& summary, const std::string& section) {
    for (const auto& r : summary.rows) {
        if (r.section == section)
            return r;
    }
    ADD_FAILURE() << "no row " << section;
    static const SummaryRow none;
    return none;
}

void expectRow(const ShipSummary& summary, const std::string& section, double tons, double cost) {
    const SummaryRow& r = row(summary, section);
    EXPECT_NEAR(r.tons, tons, 1e-9) << section;
    EXPECT_NEAR(r.cost, cost, 1e-6) << section;
}

int crewOf(const ShipSummary& summary, CrewRole role) {
    return summary.crew.count(role);
}

WeaponMount turret(WeaponMountType type, TurretWeapon weapon, int count) {
    WeaponMount mount;
    mount.mountType = type;
    mount.turretWeapon = weapon;
    mount.turretWeaponCount = count;
    return mount;
}

using Status = PowerAllocationEntry::Status;

} // namespace

// A 100-ton streamlined scout: jump 2, thrust 2, a pulse laser in a double turret.
TEST(ReferenceDesigns, Scout) {
    ShipDesign d;
    d.tonnage = 100;
    d.techLevel = 12;
    d.configuration = HullConfiguration::streamlined;
    d.armour = HullArmour::titaniumSteel;
    d.armourProtection = 2;
    d.manoeuvreDriveRating = 2;
    d.hasJumpDrive = true;
    d.jumpDriveRating = 2;
    d.powerPlantType = PowerPlantType::fusionTL12;
    d.powerPlantTonnage = 4;
    d.jumpsCarried = 1;
    d.powerPlantFuelWeeks = 12;
    d.primaryComputerJumpControlSpecialisation = true;
    d.software.jumpControlRating = 2;
    d.sensorSuite = SensorSuite::militaryGrade;
    d.weaponMounts = {turret(WeaponMountType::doubleTurret, TurretWeapon::pulseLaser, 1)};
    d.hasFuelScoop = true;
    d.fuelProcessorTonnage = 2;
    d.probeDronesTonnage = 2;
    d.stateroomCount = 4;
    d.commonAreaTonnage = 2;

    const ShipSummary s = summarize(d);

    // Hull: 100 × 50,000 × 1.2 (streamlined) = Cr6,000,000; 100 / 2.5 = 40 hull points.
    expectRow(s, "Hull", 0, 6'000'000);
    EXPECT_EQ(s.hullPoints, 40);
    // Armour: size factor 1 × 1.2 streamlined × 2.5% × 100 tons × 2 points = 6 tons,
    // at Cr50,000 a ton = Cr300,000.
    expectRow(s, "Armour", 6, 300'000);
    // Thrust 2: 2% of 100 = 2 tons × Cr2M = Cr4M.
    expectRow(s, "Thrust 2", 2, 4'000'000);
    // Jump 2: 100 × 2.5% × 2 + 5 = 10 tons × Cr1.5M = Cr15M; exactly 10 tons, no warning.
    expectRow(s, "J-Drive", 10, 15'000'000);
    // Fusion (TL12): 4 tons × Cr1M; output 4 × 15 = 60.
    expectRow(s, "Power Plant", 4, 4'000'000);
    // Fuel: jump 0.1 × 100 × 2 × 1 jump = 20; plant max(1, ceil(0.4)) × 12 weeks × 0.25 = 3.
    expectFigure(s.jumpFuelTonnage, 20, "jump fuel");
    expectRow(s, "Fuel Tanks", 23, 0);
    // Bridge for 100 tons: 10 tons, ceil(100 / 100) × Cr500,000.
    expectRow(s, "Bridge", 10, 500'000);
    // Computer/5 with /bis: 30,000 × 1.5.
    expectRow(s, "Computer", 0, 45'000);
    // Jump Control/2: MCr0.2, bandwidth 10, within 5 + 5 for /bis.
    expectRow(s, "Software", 0, 200'000);
    EXPECT_TRUE(s.softwareFits);
    expectRow(s, "Sensors", 2, 4'100'000);
    // Double turret: 1 ton; 500,000 + 1 × 1,000,000; power 1 × 4 + 1 = 5.
    expectRow(s, "Weapons", 1, 1'500'000);
    // Probe drones 2 × 500,000 + fuel processor 2 × 50,000; the scoop is free when streamlined.
    expectRow(s, "Systems", 4, 1'100'000);
    expectRow(s, "Staterooms", 16, 2'000'000);
    expectRow(s, "Common Areas", 2, 200'000);
    // Used: 6 + 2 + 10 + 4 + 23 + 10 + 2 + 1 + 4 + 16 + 2 = 80; cargo 20.
    expectFigure(s.tonnageUsed, 80, "tonnage used");
    expectFigure(s.cargoSpace, 20, "cargo");
    // Total: 6 + 0.3 + 4 + 15 + 4 + 0.5 + 0.045 + 0.2 + 4.1 + 1.5 + 1.1 + 2 + 0.2 = MCr38.945.
    expectFigure(s.totalCost, 38'945'000, "total cost");
    expectFigure(s.purchaseCost, 35'050'500, "purchase cost");
    expectFigure(s.maintenancePerMonth, 35'050'500.0 / 12'000, "maintenance");

    // Demand: basic 20 + thrust 0.1 × 100 × 2 = 20 + sensors 2 + weapons 5 + processor 2 = 49.
    expectFigure(s.powerOutput, 60, "output");
    expectFigure(s.powerRequirement, 49, "requirement");
    // Jump 0.1 × 100 × 2 = 20: 49 + 20 > 60, so systems power down to jump.
    expectFigure(s.jumpPower, 20, "jump power");
    ASSERT_EQ(s.warnings.size(), 1u);
    EXPECT_EQ(s.warnings[0], texts::powerShortForJump);
    // Budget 60 - 20 = 40: basic 20 (20 left), sensors 2 (18), systems 2 (16), weapons 5 (11).
    const std::vector<PowerAllocationEntry> allocation{
        {"Jump Drive", 20, Status::full},      {"Basic Ship Systems", 20, Status::full},
        {"Manoeuvre Drive", 20, Status::off},  {"Sensors", 2, Status::full},
        {"Optional Systems", 2, Status::full}, {"Weapons", 5, Status::full}};
    EXPECT_EQ(s.powerAllocationDuringJump, allocation);

    // Crew: captain, pilot, astrogator; engineer ceil((2 + 10 + 4) / 35) = 1; maintenance,
    // gunner, administrator and sensor operator 1 each: 8. Four berths bunk nobody extra,
    // no stewards; medic ceil(8 / 120) = 1; officers 8 / 20 = 0. Total 9.
    EXPECT_EQ(crewOf(s, CrewRole::engineer), 1);
    EXPECT_EQ(crewOf(s, CrewRole::gunner), 1);
    EXPECT_EQ(crewOf(s, CrewRole::medic), 1);
    EXPECT_EQ(crewOf(s, CrewRole::officer), 0);
    EXPECT_EQ(s.crewTotal, 9);
    // 16,000 × 2 + 5,000 + 4,000 + 1,000 + 2,000 + 1,500 + 4,000 + 4,000.
    expectFigure(s.salariesPerMonth, 53'500, "salaries");
    // 4 staterooms × 1,000 + max(9 crew, 4 berths) × 1,000.
    expectFigure(s.lifeSupportPerMonth, 13'000, "life support");
    EXPECT_EQ(s.hardpoints, 1);
    EXPECT_EQ(s.hardpointsUsed, 1);
}

// A 200-ton trader: jump 1, thrust 1, a crane, an air/raft in its docking space, 20 low
// berths, and bought at full price.
TEST(ReferenceDesigns, Trader) {
    ShipDesign d;
    d.tonnage = 200;
    d.hasJumpDrive = true;
    d.jumpDriveRating = 1;
    d.manoeuvreDriveRating = 1;
    d.powerPlantType = PowerPlantType::fusionTL8;
    d.powerPlantTonnage = 9;
    d.powerPlantFuelWeeks = 8;
    d.primaryComputer = ComputerModel::computer10;
    d.sensorSuite = SensorSuite::civilianGrade;
    d.hasCargoCrane = true;
    d.cargoCraneCargoSpaceTons = 79;
    d.dockingSpaceTonnage = 4;
    d.hasAirRaft = true;
    d.stateroomCount = 10;
    d.commonAreaTonnage = 10;
    d.lowBerthCount = 20;
    d.applyTenPercentDiscount = false;

    const ShipSummary s = summarize(d);

    expectRow(s, "Hull", 0, 10'000'000); // 200 × 50,000
    EXPECT_EQ(s.hullPoints, 80);
    expectRow(s, "Thrust 1", 2, 4'000'000);
    // 200 × 2.5% + 5 = 10 tons.
    expectRow(s, "J-Drive", 10, 15'000'000);
    expectRow(s, "Power Plant", 9, 4'500'000); // 9 × 500,000; output 90
    // Jump 0.1 × 200 = 20; plant max(1, ceil(0.9)) × 8 × 0.25 = 2.
    expectRow(s, "Fuel Tanks", 22, 0);
    // 200 tons: a 10-ton bridge at ceil(2) × 500,000.
    expectRow(s, "Bridge", 10, 1'000'000);
    expectRow(s, "Computer", 0, 160'000);
    expectRow(s, "Sensors", 1, 3'000'000);
    expectRow(s, "Weapons", 0, 0);
    // Crane 2.5 + 0.5 × ceil(79 / 150) = 3 tons × Cr1M; docking 4 × 250,000; air/raft 250,000.
    expectRow(s, "Systems", 7, 4'250'000);
    expectRow(s, "Staterooms", 40, 5'000'000);
    expectRow(s, "Common Areas", 10, 1'000'000);
    // 20 × 0.5 ton, 20 × Cr50,000.
    expectRow(s, "Low Berths", 10, 1'000'000);
    // 2 + 10 + 9 + 22 + 10 + 7 + 1 + 40 + 10 + 10 = 121; cargo 79.
    expectFigure(s.tonnageUsed, 121, "tonnage used");
    expectRow(s, "Cargo", 79, 0);
    // 10 + 4 + 15 + 4.5 + 1 + 0.16 + 3 + 4.25 + 5 + 1 + 1 = MCr48.91, no discount.
    expectFigure(s.totalCost, 48'910'000, "total");
    expectFigure(s.purchaseCost, 48'910'000, "purchase");
    expectFigure(s.maintenancePerMonth, 48'910'000.0 / 12'000, "maintenance");
    EXPECT_EQ(s.total.tons, 200);

    // Basic 40 + thrust 20 + sensors 1 + low berths ceil(20 / 10) = 2: 63; +20 to jump = 83 ≤ 90.
    expectFigure(s.powerRequirement, 63, "requirement");
    EXPECT_TRUE(s.warnings.empty());
    const std::vector<PowerAllocationEntry> allocation{{"Jump Drive", 20, Status::full},
                                                       {"Basic Ship Systems", 40, Status::full},
                                                       {"Manoeuvre Drive", 20, Status::off},
                                                       {"Low Berths", 2, Status::full},
                                                       {"Sensors", 1, Status::full}};
    EXPECT_EQ(s.powerAllocationDuringJump, allocation);

    // Working crew: captain, pilot, astrogator, engineer ceil(21 / 35), maintenance,
    // administrator, sensor operator = 7. Ten berths leave 3 middle passengers: a steward
    // (ceil(3 / 100)), then a medic for ceil((8 + 3) / 120). Total 9.
    EXPECT_EQ(s.crew.middlePassengers, 3);
    EXPECT_EQ(crewOf(s, CrewRole::steward), 1);
    EXPECT_EQ(crewOf(s, CrewRole::medic), 1);
    EXPECT_EQ(s.crewTotal, 9);
    expectFigure(s.salariesPerMonth, 53'500, "salaries");
    // 10 × 1,000 + max(9, 10) × 1,000 + 20 × 100.
    expectFigure(s.lifeSupportPerMonth, 22'000, "life support");
    // The crane's note quotes the cargo space it should be set to.
    bool craneNote = false;
    for (const auto& note : s.notes)
        craneNote = craneNote || note.find("Set it to the ship's current Cargo Space, 79 tons") !=
                                     std::string::npos;
    EXPECT_TRUE(craneNote);
}

// A 400-ton armed patrol ship with a military crew.
TEST(ReferenceDesigns, ArmedPatrolShip) {
    ShipDesign d;
    d.tonnage = 400;
    d.techLevel = 14;
    d.configuration = HullConfiguration::streamlined;
    d.armour = HullArmour::crystaliron;
    d.armourProtection = 6;
    d.manoeuvreDriveRating = 4;
    d.hasJumpDrive = true;
    d.jumpDriveRating = 3;
    d.powerPlantType = PowerPlantType::fusionTL12;
    d.powerPlantTonnage = 20;
    d.powerPlantFuelWeeks = 12;
    d.primaryComputer = ComputerModel::computer20;
    d.primaryComputerHardenedSystems = true;
    d.hasBackupComputer = true;
    d.backupComputer = ComputerModel::computer10;
    d.software.jumpControlRating = 3;
    d.software.evadeRating = 1;
    d.software.fireControlRating = 2;
    d.sensorSuite = SensorSuite::improved;
    WeaponMount barbette;
    barbette.mountType = WeaponMountType::barbette;
    barbette.barbetteWeapon = BarbetteWeapon::particle;
    d.weaponMounts = {turret(WeaponMountType::tripleTurret, TurretWeapon::pulseLaser, 3),
                      turret(WeaponMountType::tripleTurret, TurretWeapon::pulseLaser, 3), barbette,
                      turret(WeaponMountType::doubleTurret, TurretWeapon::sandcaster, 2)};
    d.repairDronesTonnage = 4;
    d.medicalBayCount = 1;
    d.crewType = CrewType::military;
    d.stateroomCount = 14;
    d.commonAreaTonnage = 10;

    const ShipSummary s = summarize(d);

    expectRow(s, "Hull", 0, 24'000'000); // 400 × 50,000 × 1.2
    // 1 × 1.2 × 1.25% × 400 × 6 = 36 tons × Cr200,000; TL14 allows up to min(14, 13) = 13.
    expectRow(s, "Armour", 36, 7'200'000);
    expectRow(s, "Thrust 4", 16, 32'000'000);
    expectRow(s, "J-Drive", 35, 52'500'000); // 400 × 7.5% + 5
    expectRow(s, "Power Plant", 20, 20'000'000);
    // Jump 0.1 × 400 × 3 = 120; plant ceil(2) × 12 × 0.25 = 6.
    expectRow(s, "Fuel Tanks", 126, 0);
    expectRow(s, "Bridge", 20, 2'000'000); // 400 tons: 20-ton bridge, 4 × 500,000
    // Computer/20/fib 5M × 1.5 + backup Computer/10 160,000.
    expectRow(s, "Computer", 0, 7'660'000);
    // Jump Control/3 0.3 + Evade/1 1 + Fire Control/2 4: MCr5.3; 15 ≤ 20 and 10 + 10 ≤ 20.
    expectRow(s, "Software", 0, 5'300'000);
    EXPECT_TRUE(s.softwareFits);
    expectRow(s, "Sensors", 3, 4'300'000);
    // Triple turrets 2 × (1M + 3 × 1M); barbette 5 tons Cr8M; double turret 500,000 + 2 × 250,000.
    expectRow(s, "Weapons", 8, 17'000'000);
    // Repair drones 4 × 200,000; a medical bay 4 tons Cr2M.
    expectRow(s, "Systems", 8, 2'800'000);
    // 36 + 16 + 35 + 20 + 126 + 20 + 3 + 8 + 8 + 56 + 10 = 338; cargo 62.
    expectFigure(s.tonnageUsed, 338, "tonnage used");
    expectFigure(s.cargoSpace, 62, "cargo");
    // 24 + 7.2 + 32 + 52.5 + 20 + 2 + 7.66 + 5.3 + 4.3 + 17 + 2.8 + 7 + 1 = MCr182.76.
    expectFigure(s.totalCost, 182'760'000, "total");
    expectFigure(s.purchaseCost, 164'484'000, "purchase");
    expectFigure(s.maintenancePerMonth, 13'707, "maintenance");

    // Basic 80 + thrust 160 + sensors 4 + weapons (13 + 13 + 15 + 1) + medical bay 1 = 287.
    expectFigure(s.powerRequirement, 287, "requirement");
    expectFigure(s.powerOutput, 300, "output");
    EXPECT_EQ(s.warnings, std::vector<std::string>{std::string(texts::powerShortForJump)});
    EXPECT_EQ(s.hardpoints, 4);
    EXPECT_EQ(s.hardpointsUsed, 4);

    // Military: captain 1, pilots 3, astrogator 1, engineers ceil(71 / 35) = 3,
    // maintenance ceil(400 / 500) = 1, gunners 2 + 2 + 2 + 2 = 8, administrator
    // ceil(400 / 1,000) = 1, sensor operator ceil(1,200 / 7,500) = 1: 19. Medic
    // ceil(19 / 120) = 1 (passengers do not count for military crews), officers 19 / 10 = 1.
    EXPECT_EQ(crewOf(s, CrewRole::pilot), 3);
    EXPECT_EQ(crewOf(s, CrewRole::engineer), 3);
    EXPECT_EQ(crewOf(s, CrewRole::gunner), 8);
    EXPECT_EQ(crewOf(s, CrewRole::officer), 1);
    EXPECT_EQ(s.crewTotal, 21);
    // 28,000 × 4 + 5,000 + 3 × 4,000 + 1,000 + 8 × 2,000 + 1,500 + 4,000 + 4,000 + 5,000.
    expectFigure(s.salariesPerMonth, 160'500, "salaries");
    // 14 × 1,000 + max(21, 14) × 1,000.
    expectFigure(s.lifeSupportPerMonth, 35'000, "life support");
}

// A 150-ton dispersed structure sizes its drives as a 200-ton hull.
TEST(ReferenceDesigns, DispersedStructure) {
    ShipDesign d;
    d.tonnage = 150;
    d.configuration = HullConfiguration::dispersedStructure;
    d.armour = HullArmour::crystaliron;
    d.armourProtection = 4; // kept in the record, but such a hull takes no armour
    d.manoeuvreDriveRating = 2;
    d.hasJumpDrive = true;
    d.jumpDriveRating = 1;
    d.jumpsCarried = 2;
    d.powerPlantType = PowerPlantType::fusionTL12;
    d.powerPlantTonnage = 6;
    d.stateroomCount = 3;

    const ShipSummary s = summarize(d);

    EXPECT_EQ(s.roundedHullTonnage, 200);
    EXPECT_EQ(s.hullPoints, 80);        // 200 / 2.5
    expectRow(s, "Hull", 0, 3'750'000); // 150 × 50,000 × 0.5
    expectRow(s, "Armour", 0, 0);
    expectRow(s, "Thrust 2", 4, 8'000'000);    // 2% of 200
    expectRow(s, "J-Drive", 10, 15'000'000);   // 200 × 2.5% + 5
    expectRow(s, "Power Plant", 6, 6'000'000); // output 90
    // Jump 0.1 × 200 × 1 × 2 jumps = 40; plant 1 ton × 4 weeks × 0.25 = 1.
    expectRow(s, "Fuel Tanks", 41, 0);
    expectRow(s, "Bridge", 10, 1'000'000); // 150 tons: 10 tons, ceil(1.5) × 500,000
    expectRow(s, "Staterooms", 12, 1'500'000);
    // 4 + 10 + 6 + 41 + 10 + 12 = 83.
    expectFigure(s.tonnageUsed, 83, "tonnage used");
    // 3.75 + 8 + 15 + 6 + 1 + 0.03 + 1.5 = MCr35.28, less 10%.
    expectFigure(s.totalCost, 35'280'000, "total");
    expectFigure(s.purchaseCost, 31'752'000, "purchase");
    // Basic 0.2 × 150 = 30 (the hull's own tons), thrust 0.1 × 200 × 2 = 40; jump 20: 90 = 90.
    expectFigure(s.powerRequirement, 70, "requirement");
    expectFigure(s.jumpPower, 20, "jump power");
    EXPECT_TRUE(s.warnings.empty());
    EXPECT_EQ(s.hardpoints, 1);
    EXPECT_EQ(s.crewTotal, 8); // 7 working + a medic
    EXPECT_NE(std::find(s.notes.begin(), s.notes.end(), texts::dispersedStructureArmour),
              s.notes.end());
}

// A 1,000-ton ship fitted with most of the supplement's options.
TEST(ReferenceDesigns, HighGuardOptions) {
    ShipDesign d;
    d.tonnage = 1'000;
    d.techLevel = 15;
    d.armour = HullArmour::bondedSuperdense;
    d.armourProtection = 5;
    d.radiationShielding = true;
    d.stealth = StealthType::basic;
    d.manoeuvreDriveRating = 3;
    d.hasJumpDrive = true;
    d.jumpDriveRating = 2;
    d.powerPlantType = PowerPlantType::fusionTL15;
    d.powerPlantTonnage = 30;
    d.powerPlantFuelWeeks = 8;
    d.primaryComputer = ComputerModel::computer25;
    d.primaryComputerJumpControlSpecialisation = true;
    d.software.jumpControlRating = 2;
    d.software.autoRepairRating = 1;
    d.software.hasVirtualCrew = true;
    d.software.hasScreenOptimiser = true;
    d.sensorSuite = SensorSuite::militaryGrade;
    d.repairDronesTonnage = 10;
    d.stateroomCount = 20;
    d.commonAreaTonnage = 20;
    HighGuardOptions& h = d.highGuard;
    h.adjustableHullTier = AdjustableHullTier::tl12;
    h.modularHullPercentage = 20;
    h.hasConcealedManoeuvreDrive = true;
    h.hasEmergencyPowerSystem = true;
    h.hasMetalHydrideStorage = true;
    h.hasRamscoops = true;
    h.hasTowCable = true;
    h.hasSolarSail = true;
    h.sensorArrayEnhancement = SensorArrayEnhancement::extendedArray;
    h.armouredBulkheadProtectedTonnage = 100;
    h.batteryTier = BatteryTier::tl12;
    h.batteryTonnage = 5;
    h.barracksPassengerCount = 10;
    h.brigUnitCount = 1;
    h.cabinSpaceTons = 6;
    h.hasCountermeasuresSuite = true;
    h.signalProcessingTier = SignalProcessingTier::enhanced;
    h.biosphereTons = 8;
    h.dockingClampTier = DockingClampTier::improved;
    h.dockingClampCount = 2;
    h.escapePodType = EscapePodType::reentryPod;
    h.escapePodCount = 4;
    h.fullHangarCraftTons = 20;
    h.gravScreenTons = 2;
    h.launchTubeCraftTons = 1;
    h.loadingBeltTier = LoadingBeltTier::tl7;
    h.trainingFacilitiesTrainees = 2;
    h.hasWetBar = true;
    h.hotTubCapacity = 4;
    h.swimmingPoolType = SwimmingPoolType::standard;
    h.swimmingPoolTons = 4;
    h.workshopCount = 1;
    h.hasSensorStation = true;
    h.dropTankCapacityTons = 100;

    const ShipSummary s = summarize(d);

    // Hull 50M; adjustable (TL12) 5% = 50 tons and 10% = 5M; modular 20% = 10M.
    expectRow(s, "Hull", 50, 65'000'000);
    // 1 × 0.8% × 1,000 × 5 = 40 tons × 500,000.
    expectRow(s, "Armour", 40, 20'000'000);
    // Radiation 1,000 × 25,000 + basic stealth 1,000 × 40,000; stealth takes 2% = 20 tons.
    expectRow(s, "Hull Options Cost", 20, 65'000'000);
    // Concealed: 3% × 1,000 × 1.25 = 37.5 tons × 2M.
    expectRow(s, "Thrust 3", 37.5, 75'000'000);
    expectRow(s, "J-Drive", 55, 82'500'000); // 1,000 × 5% + 5
    // 30 tons × 2M plus the emergency system's 10%: 3 tons, 6M.
    expectRow(s, "Power Plant", 33, 66'000'000);
    // Jump 0.1 × 1,000 × 2 = 200; plant ceil(3) × 8 × 0.25 = 6; metal hydride doubles the
    // 206 tons and costs 206 × 200,000.
    expectFigure(s.totalFuelTonnage, 206, "fuel");
    expectRow(s, "Fuel Tanks", 412, 41'200'000);
    expectRow(s, "Bridge", 20, 5'000'000);
    expectRow(s, "Computer", 0, 15'000'000); // Computer/25/bis
    // Jump Control/2 0.2 + Auto-Repair/1 5 + Virtual Crew/0 1 + Screen Optimiser 5 = MCr11.2;
    // bandwidth jump 10 ≤ 30, others 10 + 5 + 10 = 25 ≤ 25.
    expectRow(s, "Software", 0, 11'200'000);
    EXPECT_EQ(s.softwareBandwidth, 35);
    EXPECT_TRUE(s.softwareFits);
    // Military grade × 3 for an extended array: 6 tons, 12.3M, power 6.
    expectRow(s, "Sensors", 6, 12'300'000);
    expectRow(s, "Systems", 10, 2'000'000);
    // Fittings, tons: bulkhead 10, batteries 5, barracks 10, brig 4, cabin 6, countermeasures
    // 2, signal processing 2, biosphere 8, clamps 4, pods 4, hangar 40, grav screen 2, launch
    // tube 10, belt 1, training 4, hot tub 1, pool 4, workshop 6, sensor station 1, drop tank
    // 0.4 = 124.4; plus solar sail 50, ramscoops max(10, 15) = 15, tow cable 10 = 199.4.
    // Cost: 2 + 1 + 0.5 + 0.25 + 0.3 + 4 + 8 + 1.6 + 0.15 + 0.6 + 8 + 2 + 5 + 0.003 + 0.8 +
    // 0.002 (bar) + 0.012 + 0.08 + 0.9 + 0.5 + 2.7 (0.004 × 100 × 500,000 + 25,000 × 100) =
    // MCr38.397; plus sail 10, ramscoops 15 × 250,000 = 3.75, tow cable 10 × 5,000 = 0.05.
    expectRow(s, "High Guard", 199.4, 52'197'000);
    expectRow(s, "Staterooms", 80, 10'000'000);
    expectRow(s, "Common Areas", 20, 2'000'000);
    // 50 + 40 + 20 + 37.5 + 55 + 33 + 412 + 20 + 6 + 10 + 199.4 + 80 + 20 = 982.9.
    expectFigure(s.tonnageUsed, 982.9, "tonnage used");
    expectFigure(s.cargoSpace, 17.1, "cargo");
    // 65 + 20 + 65 + 75 + 82.5 + 66 + 41.2 + 5 + 15 + 11.2 + 12.3 + 2 + 52.197 + 10 + 2.
    expectFigure(s.totalCost, 524'397'000, "total");
    expectFigure(s.purchaseCost, 471'957'300, "purchase");
    expectFigure(s.maintenancePerMonth, 39'329.775, "maintenance");

    // Basic 200 + thrust 0.1 × 1,000 × 3 = 300 + sensors 6 + fittings (countermeasures 1,
    // signal processing 2, biosphere 8, grav screen 4, launch tube 10, belt 1 = 26) = 532.
    expectFigure(s.powerRequirement, 532, "requirement");
    expectFigure(s.powerOutput, 600, "output");
    // Jump 200: budget 400, basic 200, sensors 6, the options 26; the drive is off.
    const std::vector<PowerAllocationEntry> allocation{{"Jump Drive", 200, Status::full},
                                                       {"Basic Ship Systems", 200, Status::full},
                                                       {"Manoeuvre Drive", 300, Status::off},
                                                       {"Sensors", 6, Status::full},
                                                       {"High Guard Options", 26, Status::full}};
    EXPECT_EQ(s.powerAllocationDuringJump, allocation);
    EXPECT_EQ(s.warnings, std::vector<std::string>{std::string(texts::powerShortForJump)});

    // Engineers ceil((37.5 + 55 + 30) / 35) = ceil(3.5) = 4; 10 working crew; 20 berths leave
    // 10 middle passengers: a steward, a medic for ceil(21 / 120). Total 12.
    EXPECT_EQ(crewOf(s, CrewRole::engineer), 4);
    EXPECT_EQ(s.crew.middlePassengers, 10);
    EXPECT_EQ(s.crewTotal, 12);
    expectFigure(s.salariesPerMonth, 65'500, "salaries");
    // 20,000 staterooms + max(12, 20) × 1,000 + barracks 10 × 500 + brig 4,000 + cabin 6 × 250.
    expectFigure(s.lifeSupport.highGuardHighAndLuxury, 10'500, "rooms");
    expectFigure(s.lifeSupportPerMonth, 50'500, "life support");
    // 8 tons of biosphere feed 2 people; the note says so and the total does not count it.
    EXPECT_NE(
        std::find(s.notes.begin(), s.notes.end(),
                  std::string(texts::biosphereBefore) + "2" + std::string(texts::biosphereAfter)),
        s.notes.end());
}
