#pragma once

// Steps 10 and 11 of a design and its running costs: the crew each role needs,
// their salaries, the staterooms and berths, and life support.

#include "ships/ship_design.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ships {

enum class CrewRole {
    captain,
    pilot,
    astrogator,
    engineer,
    maintenance,
    gunner,
    steward,
    administrator,
    sensorOperator,
    medic,
    officer
};

inline constexpr std::size_t crewRoleCount = 11;

inline constexpr std::array<std::string_view, crewRoleCount> crewRoleLabels{
    "Captain", "Pilot",         "Astrogator",      "Engineer", "Maintenance", "Gunner",
    "Steward", "Administrator", "Sensor Operator", "Medic",    "Officer"};

inline constexpr double stateroomTons = 4;
inline constexpr double stateroomCost = 500'000;
inline constexpr double commonAreaCostPerTon = 100'000;
inline constexpr double lowBerthTons = 0.5;
inline constexpr double lowBerthCost = 50'000;
inline constexpr double emergencyLowBerthTons = 1;
inline constexpr double emergencyLowBerthCost = 1'000'000;

// Monthly salary of one crew member of a role.
double salaryPerMonth(CrewRole role, CrewType crewType);

// Large crews share work, so some roles shrink with the hull: the multiplier in
// hundredths (100 up to 5,000 tons ... 33 from 100,000).
int crewMultiplierPercent(int tonnage);
// "1.0", "0.75", "0.67", "0.5" or "0.33".
std::string crewMultiplierText(int tonnage);

struct CrewRequirement {
    std::array<int, crewRoleCount> byRole{};
    int workingCrew = 0;      // everyone but stewards, medics and officers
    int berths = 0;           // people the standard staterooms sleep
    int middlePassengers = 0; // berths the crew does not need
    int totalCrew = 0;        // the head-count (the override when set)

    int count(CrewRole role) const { return byRole[static_cast<std::size_t>(role)]; }
    // The crew the roles add up to, whatever the override says.
    int roleTotal() const;
};

CrewRequirement crewRequirement(const ShipDesign& design);
int crewTotal(const ShipDesign& design);

struct CrewRoleLine {
    CrewRole role;
    std::string_view label;
    int count;
    double salaryPerMonth; // for all of them
};

// The roles with at least one crew member, in order.
std::vector<CrewRoleLine> crewByRole(const ShipDesign& design);
// From the per-role breakdown, never the overridden head-count.
double salariesPerMonth(const ShipDesign& design);

// People the standard staterooms sleep ("Stateroom Capacity").
int stateroomCapacity(const ShipDesign& design);
// A ton of common area for every standard stateroom.
int recommendedCommonArea(const ShipDesign& design);

struct PassengerLine {
    std::string_view label; // "High Passage", "Luxury Passage", "Middle Passage", "Low Passage"
    int count;
};

std::vector<PassengerLine> passengers(const ShipDesign& design);

struct LifeSupport {
    double staterooms = 0;
    double crewAndPassengers = 0;
    double lowBerths = 0;
    double highGuardHighAndLuxury = 0;

    double total() const {
        return staterooms + crewAndPassengers + lowBerths + highGuardHighAndLuxury;
    }
};

LifeSupport lifeSupport(const ShipDesign& design);
double lifeSupportPerMonth(const ShipDesign& design);

} // namespace velmora::ships
