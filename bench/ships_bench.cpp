// The designer works out the whole summary again on every keystroke. A 2,000-ton
// warship with 20 weapon mounts and a spread of the supplement's options is about
// the largest design it is meant for; its summary should take well under a
// millisecond. Reading and writing its design.json is timed beside it.

#include "ships/ship_design.h"
#include "ships/ship_design_json.h"
#include "ships/ship_summary.h"

#include <benchmark/benchmark.h>
#include <nlohmann/json.hpp>

using namespace velmora::ships;

namespace {

ShipDesign largeWarship() {
    ShipDesign d;
    d.tonnage = 2'000;
    d.techLevel = 15;
    d.configuration = HullConfiguration::streamlined;
    d.armour = HullArmour::crystaliron;
    d.armourProtection = 8;
    d.reflec = true;
    d.manoeuvreDriveRating = 4;
    d.hasJumpDrive = true;
    d.jumpDriveRating = 3;
    d.powerPlantType = PowerPlantType::fusionTL15;
    d.powerPlantTonnage = 80;
    d.primaryComputer = ComputerModel::core50;
    d.hasBackupComputer = true;
    d.backupComputer = ComputerModel::computer30;
    d.software = {3, 2, 4, 1, 2, 1, 1, 2, true, 0, 1, 2, 1, true, true, 1, true, 1};
    d.sensorSuite = SensorSuite::advanced;
    const WeaponMountType types[] = {WeaponMountType::tripleTurret, WeaponMountType::barbette,
                                     WeaponMountType::smallBay, WeaponMountType::doubleTurret};
    for (int i = 0; i < 20; ++i) {
        WeaponMount mount;
        mount.id = velmora::core::Uuid::generate();
        mount.mountType = types[i % 4];
        mount.turretWeaponCount = 3;
        mount.turretWeapon = TurretWeapon::particleBeam;
        mount.bayWeapon = BayWeaponType::particleBeam;
        d.weaponMounts.push_back(mount);
    }
    d.repairDronesTonnage = 20;
    d.medicalBayCount = 2;
    d.crewType = CrewType::military;
    d.stateroomCount = 60;
    d.commonAreaTonnage = 60;
    d.lowBerthCount = 20;
    d.highGuard.hasMetalHydrideStorage = true;
    d.highGuard.sensorArrayEnhancement = SensorArrayEnhancement::distributedArray;
    d.highGuard.hasCountermeasuresSuite = true;
    d.highGuard.gravScreenTons = 4;
    d.highGuard.barracksPassengerCount = 40;
    d.highGuard.escapePodType = EscapePodType::reentryCapsule;
    d.highGuard.escapePodCount = 80;
    return d;
}

void summaryOfA2000TonWarship(benchmark::State& state) {
    const ShipDesign design = largeWarship();
    for (auto _ : state) {
        ShipSummary summary = summarize(design);
        benchmark::DoNotOptimize(summary);
    }
}
BENCHMARK(summaryOfA2000TonWarship)->Unit(benchmark::kMicrosecond);

void designJsonRoundTrip(benchmark::State& state) {
    const ShipDesign design = largeWarship();
    for (auto _ : state) {
        const std::string text = toJson(design).dump(2);
        ShipDesign read = shipDesignFromJson(nlohmann::json::parse(text));
        benchmark::DoNotOptimize(read);
    }
}
BENCHMARK(designJsonRoundTrip)->Unit(benchmark::kMicrosecond);

} // namespace
