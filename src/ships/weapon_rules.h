#pragma once

// Step 8 of a design: weapon mounts, the weapons in them and the hardpoints they
// take. Damage, traits and ammunition are outside the design's figures.

#include "ships/ship_design.h"

#include <array>
#include <string>

namespace velmora::ships {

struct MountRules {
    double tons;
    double cost;  // the mount alone; barbettes and bays are priced by their weapon
    int capacity; // weapons a fixed mount or turret can hold
    int hardpoints;
    int techLevel; // 0 when the mount adds no tech level of its own
    double power;  // the mount's own draw (a turret's motors)
};

inline constexpr std::array<MountRules, 9> mountRules{{
    {0, 0, 0, 0, 0, 0},         // none
    {0, 100'000, 3, 1, 0, 0},   // fixedMount
    {1, 200'000, 1, 1, 7, 1},   // singleTurret
    {1, 500'000, 2, 1, 8, 1},   // doubleTurret
    {1, 1'000'000, 3, 1, 9, 1}, // tripleTurret
    {5, 0, 1, 1, 0, 0},         // barbette
    {50, 0, 1, 1, 0, 0},        // smallBay
    {100, 0, 1, 1, 0, 0},       // mediumBay
    {500, 0, 1, 5, 0, 0},       // largeBay
}};
// A barbette takes three of the firmpoints of a hull under 100 tons.
inline constexpr int barbetteFirmpoints = 3;
inline constexpr double popUpTons = 1;
inline constexpr double popUpCost = 1'000'000;
inline constexpr int popUpTechLevel = 10;

struct WeaponRules {
    double cost;
    double power;
    int techLevel;
};

inline constexpr std::array<WeaponRules, 9> turretWeaponRules{{
    {500'000, 4, 10},    // beamLaser
    {2'000'000, 12, 14}, // fusionGun
    {150'000, 4, 8},     // laserDrill
    {750'000, 0, 7},     // missileRack
    {4'000'000, 8, 12},  // particleBeam
    {2'500'000, 6, 11},  // plasmaGun
    {1'000'000, 4, 9},   // pulseLaser
    {1'000'000, 2, 10},  // railgun
    {250'000, 0, 9},     // sandcaster
}};

inline constexpr std::array<WeaponRules, 9> barbetteWeaponRules{{
    {3'000'000, 12, 10}, // beamLaser
    {4'000'000, 20, 12}, // fusion
    {6'000'000, 10, 12}, // ionCannon
    {4'000'000, 0, 7},   // missile
    {8'000'000, 15, 11}, // particle
    {5'000'000, 12, 11}, // plasma
    {6'000'000, 12, 9},  // pulseLaser
    {2'000'000, 5, 10},  // railgun
    {3'000'000, 2, 7},   // torpedo
}};

// A bay weapon by bay size: small, medium, large.
struct BayWeaponRules {
    std::array<WeaponRules, 3> bySize;
};

inline constexpr std::array<BayWeaponRules, 11> bayWeaponRules{{
    {{{{8e6, 50, 12}, {14e6, 80, 12}, {25e6, 100, 12}}}},   // fusionGun
    {{{{15e6, 20, 12}, {25e6, 30, 12}, {40e6, 40, 12}}}},   // ionCannon
    {{{{40e6, 15, 8}, {60e6, 25, 8}, {80e6, 35, 8}}}},      // massDriver
    {{{{50e6, 20, 11}, {60e6, 30, 12}, {250e6, 120, 13}}}}, // mesonGun
    {{{{12e6, 5, 7}, {20e6, 10, 7}, {25e6, 20, 7}}}},       // missile
    {{{{25e6, 35, 10}, {35e6, 50, 10}, {50e6, 75, 10}}}},   // orbitalStrikeMassDriver
    {{{{16e6, 5, 10}, {20e6, 15, 10}, {24e6, 25, 10}}}},    // orbitalStrikeMissile
    {{{{20e6, 30, 11}, {40e6, 50, 12}, {60e6, 80, 13}}}},   // particleBeam
    {{{{30e6, 10, 10}, {50e6, 15, 10}, {70e6, 25, 10}}}},   // railgun
    {{{{30e6, 50, 15}, {60e6, 100, 14}, {90e6, 200, 13}}}}, // repulsor
    {{{{3e6, 2, 7}, {6e6, 5, 7}, {10e6, 10, 7}}}},          // torpedo
}};

inline const MountRules& rulesFor(WeaponMountType type) {
    return mountRules[static_cast<std::size_t>(type)];
}
inline const WeaponRules& rulesFor(TurretWeapon weapon) {
    return turretWeaponRules[static_cast<std::size_t>(weapon)];
}
inline const WeaponRules& rulesFor(BarbetteWeapon weapon) {
    return barbetteWeaponRules[static_cast<std::size_t>(weapon)];
}

bool holdsTurretWeapons(WeaponMountType type); // a fixed mount or a turret
bool isBay(WeaponMountType type);
// The bay weapon's figures for the mount's bay size (a bay mount only).
const WeaponRules& bayRules(BayWeaponType weapon, WeaponMountType bay);

// The weapons that count in a fixed mount or turret: the count entered, kept
// within what the mount holds.
int weaponsCounted(const WeaponMount& mount);
double mountTonnage(const WeaponMount& mount);
double mountCost(const WeaponMount& mount);
double mountPower(const WeaponMount& mount);
int mountTechLevel(const WeaponMount& mount);
int mountHardpoints(const WeaponMount& mount, int hullTonnage);
int mountGunners(const WeaponMount& mount, CrewType crewType);
// "Double Turret: 2 × Beam Laser, Pop-Up", "Barbette: Ion Cannon", "Particle Beam Bay".
std::string mountLabel(const WeaponMount& mount);

double weaponTonnage(const ShipDesign& design);
double weaponCost(const ShipDesign& design);
double weaponPower(const ShipDesign& design);
int hardpointsUsed(const ShipDesign& design);
// Hardpoints of a hull of 100 tons or more, firmpoints of a smaller one.
int hardpointsAvailable(int hullTonnage);
int hardpointsAvailable(const ShipDesign& design);
bool hasBayWeapons(const ShipDesign& design);

} // namespace velmora::ships
