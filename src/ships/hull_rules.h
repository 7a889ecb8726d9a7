#pragma once

// Step 1 of a design: the hull, its armour and its coatings.

#include "ships/ship_design.h"

#include <array>

namespace velmora::ships {

inline constexpr double hullCostPerTon = 50'000;

struct HullConfigurationRules {
    double hullCostFactor;
};

inline constexpr std::array<HullConfigurationRules, 3> hullConfigurationRules{{
    {1.0}, // standard
    {1.2}, // streamlined
    {0.5}, // dispersedStructure
}};

struct HullArmourRules {
    double hullPercentPerPoint;
    double costPerArmourTon;
    // Highest protection: min(TL + techLevelOffset, cap), or 0 with no armour.
    int techLevelOffset;
    int cap;
};

inline constexpr int noProtectionCap = 1'000;

inline constexpr std::array<HullArmourRules, 5> hullArmourRules{{
    {0.0, 0, 0, 0},                       // none
    {2.5, 50'000, 0, 9},                  // titaniumSteel
    {1.25, 200'000, 0, 13},               // crystaliron
    {0.8, 500'000, 0, noProtectionCap},   // bondedSuperdense
    {0.5, 1'500'000, 4, noProtectionCap}, // molecularBonded
}};

// Coatings are priced per ton of the hull.
inline constexpr double heatShieldingCostPerTon = 100'000;
inline constexpr double radiationShieldingCostPerTon = 25'000;
inline constexpr double reflecCostPerTon = 100'000;
inline constexpr std::array<double, 5> stealthCostPerTon{0, 40'000, 100'000, 500'000, 1'000'000};
// Only basic stealth takes room: this share of the hull.
inline constexpr double basicStealthHullShare = 0.02;

inline const HullConfigurationRules& rulesFor(HullConfiguration configuration) {
    return hullConfigurationRules[static_cast<std::size_t>(configuration)];
}
inline const HullArmourRules& rulesFor(HullArmour armour) {
    return hullArmourRules[static_cast<std::size_t>(armour)];
}

// The tonnage drives, jump fuel and manoeuvre power are sized from: the hull's own,
// except that a dispersed structure counts as the next multiple of 100 tons.
double roundedHullTonnage(const ShipDesign& design);
int hullPoints(const ShipDesign& design);
double hullCost(const ShipDesign& design);

int maximumArmourProtection(HullArmour armour, HullConfiguration configuration, int techLevel);
int maximumArmourProtection(const ShipDesign& design);
double armourTonnage(const ShipDesign& design);
double armourCost(const ShipDesign& design);

double heatShieldingCost(const ShipDesign& design);
double radiationShieldingCost(const ShipDesign& design);
double reflecCost(const ShipDesign& design);
double stealthCost(const ShipDesign& design);
double stealthTonnage(const ShipDesign& design);
// Heat and radiation shielding, reflec and stealth together ("Hull Options Cost").
double hullOptionsCost(const ShipDesign& design);

} // namespace velmora::ships
