#pragma once

// Step 3 of a design: the power plant, what the ship draws day to day, and how the
// plant's output is shared out while the jump drive runs.

#include "ships/ship_design.h"

#include <array>
#include <string>
#include <vector>

namespace velmora::ships {

struct PowerPlantRules {
    double powerPerTon;
    double costPerTon;
    int techLevel; // the tech level its name carries; 0 when it names none
};

inline constexpr std::array<PowerPlantRules, 6> powerPlantRules{{
    {8, 400'000, 0},      // fission
    {5, 250'000, 0},      // chemical
    {10, 500'000, 8},     // fusionTL8
    {15, 1'000'000, 12},  // fusionTL12
    {20, 2'000'000, 15},  // fusionTL15
    {100, 10'000'000, 0}, // antimatter
}};

inline const PowerPlantRules& rulesFor(PowerPlantType type) {
    return powerPlantRules[static_cast<std::size_t>(type)];
}

double powerOutput(const ShipDesign& design);
double powerPlantCost(const ShipDesign& design);

// The day-to-day demand, by the groups the jump-time allocation switches.
struct PowerDemand {
    double basicSystems = 0;
    double manoeuvreDrive = 0;
    double sensors = 0;
    double weapons = 0;
    double optionalSystems = 0;
    double lowBerths = 0;
    double highGuard = 0;

    double total() const {
        return basicSystems + manoeuvreDrive + sensors + weapons + optionalSystems + lowBerths +
               highGuard;
    }
};

PowerDemand powerDemand(const ShipDesign& design);
double powerRequirement(const ShipDesign& design);
// What the jump drive draws while it runs (0 without one).
double jumpPower(const ShipDesign& design);

struct PowerAllocationEntry {
    enum class Status { full, half, off };

    std::string label;
    double fullPower = 0;
    Status status = Status::full;

    // The power drawn at this status.
    double power() const {
        switch (status) {
        case Status::full:
            return fullPower;
        case Status::half:
            return fullPower / 2;
        case Status::off:
            break;
        }
        return 0;
    }

    friend bool operator==(const PowerAllocationEntry&, const PowerAllocationEntry&) = default;
};

// One way to run the jump drive within the plant's output: the jump drive first,
// basic systems at full or half power if they fit, the manoeuvre drive off, and
// then each other group whole or not at all, in a fixed order of what matters
// most in jump space. Empty for a ship without a jump drive.
std::vector<PowerAllocationEntry> powerAllocationDuringJump(const ShipDesign& design);

} // namespace velmora::ships
