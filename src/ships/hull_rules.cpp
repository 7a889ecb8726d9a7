#include "ships/hull_rules.h"

#include <algorithm>
#include <cmath>

namespace velmora::ships {

namespace {

double tons(const ShipDesign& design) {
    return static_cast<double>(design.tonnage);
}

// Small hulls need proportionally more armour for the same protection.
double armourSizeFactor(int tonnage) {
    if (tonnage <= 15)
        return 4;
    if (tonnage <= 25)
        return 3;
    if (tonnage <= 99)
        return 2;
    return 1;
}

} // namespace

double roundedHullTonnage(const ShipDesign& design) {
    if (design.configuration != HullConfiguration::dispersedStructure)
        return tons(design);
    return std::ceil(tons(design) / 100.0) * 100.0;
}

int hullPoints(const ShipDesign& design) {
    return static_cast<int>(std::floor(roundedHullTonnage(design) / 2.5));
}

double hullCost(const ShipDesign& design) {
    return tons(design) * hullCostPerTon * rulesFor(design.configuration).hullCostFactor;
}

int maximumArmourProtection(HullArmour armour, HullConfiguration configuration, int techLevel) {
    if (configuration == HullConfiguration::dispersedStructure || armour == HullArmour::none)
        return 0;
    const auto& rules = rulesFor(armour);
    return std::max(0, std::min(techLevel + rules.techLevelOffset, rules.cap));
}

int maximumArmourProtection(const ShipDesign& design) {
    return maximumArmourProtection(design.armour, design.configuration, design.techLevel);
}

double armourTonnage(const ShipDesign& design) {
    if (design.configuration == HullConfiguration::dispersedStructure ||
        design.armour == HullArmour::none || design.armourProtection < 1)
        return 0;
    const double streamlining = design.configuration == HullConfiguration::streamlined ? 1.2 : 1.0;
    return armourSizeFactor(design.tonnage) * streamlining *
           (rulesFor(design.armour).hullPercentPerPoint / 100.0) * tons(design) *
           design.armourProtection;
}

double armourCost(const ShipDesign& design) {
    return armourTonnage(design) * rulesFor(design.armour).costPerArmourTon;
}

double heatShieldingCost(const ShipDesign& design) {
    return design.heatShielding ? tons(design) * heatShieldingCostPerTon : 0;
}

double radiationShieldingCost(const ShipDesign& design) {
    return design.radiationShielding ? tons(design) * radiationShieldingCostPerTon : 0;
}

double reflecCost(const ShipDesign& design) {
    return design.reflec ? tons(design) * reflecCostPerTon : 0;
}

double stealthCost(const ShipDesign& design) {
    return tons(design) * stealthCostPerTon[static_cast<std::size_t>(design.stealth)];
}

double stealthTonnage(const ShipDesign& design) {
    return design.stealth == StealthType::basic ? basicStealthHullShare * tons(design) : 0;
}

double hullOptionsCost(const ShipDesign& design) {
    return heatShieldingCost(design) + radiationShieldingCost(design) + reflecCost(design) +
           stealthCost(design);
}

} // namespace velmora::ships
