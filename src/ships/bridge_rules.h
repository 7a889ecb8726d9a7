#pragma once

// Steps 5 to 7 of a design: the bridge or cockpit, the computers and the sensors.

#include "ships/ship_design.h"

#include <array>
#include <string>
#include <string_view>

namespace velmora::ships {

inline constexpr double cockpitTons = 1.5;
inline constexpr double dualCockpitTons = 2.5;
inline constexpr double cockpitCost = 10'000;
inline constexpr double dualCockpitCost = 15'000;
inline constexpr double ejectorSeatCost = 5'000;
inline constexpr double bridgeCostPerHundredTons = 500'000;
inline constexpr double commandBridgeTons = 40;
inline constexpr double commandBridgeCost = 30'000'000;
// A smaller bridge needs a hull of at least this many tons to save room.
inline constexpr int smallestHullForSmallerBridge = 51;

struct ComputerRules {
    int bandwidth;
    double cost;
    int techLevel;
};

// The Core models are the large ships' computers: big but of older designs.
inline constexpr std::array<ComputerRules, 14> computerRules{{
    {5, 30'000, 7},         // computer5
    {10, 160'000, 9},       // computer10
    {15, 2'000'000, 11},    // computer15
    {20, 5'000'000, 12},    // computer20
    {25, 10'000'000, 13},   // computer25
    {30, 20'000'000, 14},   // computer30
    {35, 30'000'000, 15},   // computer35
    {40, 45'000'000, 9},    // core40
    {50, 60'000'000, 10},   // core50
    {60, 75'000'000, 11},   // core60
    {70, 80'000'000, 12},   // core70
    {80, 95'000'000, 13},   // core80
    {90, 120'000'000, 14},  // core90
    {100, 130'000'000, 15}, // core100
}};
// Jump control specialisation adds this much processing for jump programs.
inline constexpr int jumpControlSpecialisationBonus = 5;

struct SensorSuiteRules {
    double tons;
    double cost;
    double power;
    int electronicsDM;
    int techLevel;
    std::string_view equipment;
};

inline constexpr std::array<SensorSuiteRules, 5> sensorSuiteRules{{
    {0, 0, 0, -4, 8, "Lidar, Radar"},                                // basic
    {1, 3'000'000, 1, -2, 9, "Lidar, Radar"},                        // civilianGrade
    {2, 4'100'000, 2, 0, 10, "Densitometer, Jammers, Lidar, Radar"}, // militaryGrade
    {3, 4'300'000, 4, 1, 12, "Densitometer, Jammers, Lidar, Radar"}, // improved
    {5, 5'300'000, 6, 2, 13,
     "Densitometer, Jammers, Lidar, Neural Activity Sensor, Radar"}, // advanced
}};

inline const ComputerRules& rulesFor(ComputerModel model) {
    return computerRules[static_cast<std::size_t>(model)];
}
inline const SensorSuiteRules& rulesFor(SensorSuite suite) {
    return sensorSuiteRules[static_cast<std::size_t>(suite)];
}

// The bridge row's tonnage: a cockpit, or the bridge for the hull (one size
// smaller when asked) plus the command bridge.
double bridgeTonnage(const ShipDesign& design);
double bridgeCost(const ShipDesign& design);
// "Bridge", "Smaller Bridge", "Cockpit" or "Dual Cockpit", with ", Command Bridge".
std::string bridgeLabel(const ShipDesign& design);

double computerCost(ComputerModel model, bool jumpControlSpecialisation, bool hardenedSystems);
int computerProcessing(ComputerModel model, bool jumpControlSpecialisation);
double primaryComputerCost(const ShipDesign& design);
double backupComputerCost(const ShipDesign& design); // 0 without a backup
double totalComputerCost(const ShipDesign& design);
// The primary's processing for jump programs ("Jump Processing").
int jumpProcessing(const ShipDesign& design);
// "Computer/10/bis/fib" and the like.
std::string computerLabel(ComputerModel model, bool jumpControlSpecialisation,
                          bool hardenedSystems);
// False when a backup is fitted whose processing is not below the primary's.
bool backupComputerIsSmaller(const ShipDesign& design);

// The sensors with any array enhancement (three times the room and power).
double sensorTonnage(const ShipDesign& design);
double sensorCost(const ShipDesign& design);
double sensorPower(const ShipDesign& design);

} // namespace velmora::ships
