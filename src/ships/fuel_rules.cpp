#include "ships/fuel_rules.h"

#include "ships/hull_rules.h"
#include "ships/rounding.h"

#include <algorithm>

namespace velmora::ships {

double jumpFuelTons(const ShipDesign& design, int parsecs) {
    if (!design.hasJumpDrive || parsecs < 1)
        return 0;
    return 0.1 * roundedHullTonnage(design) * parsecs;
}

double jumpFuelTonnage(const ShipDesign& design) {
    if (!design.hasJumpDrive || design.jumpDriveRating < 1)
        return 0;
    return 0.1 * roundedHullTonnage(design) * design.jumpDriveRating * design.jumpsCarried;
}

double powerPlantFuelTonnage(const ShipDesign& design) {
    if (design.powerPlantTonnage < 1 || design.powerPlantFuelWeeks < 1)
        return 0;
    const double weeks = design.powerPlantFuelWeeks;
    if (design.powerPlantType == PowerPlantType::chemical)
        return design.powerPlantTonnage * 10.0 * (weeks * 0.5);
    // A plant burns at least a ton a month, however small it is.
    const double perMonth =
        static_cast<double>(std::max(1LL, ceilDivide(design.powerPlantTonnage, 10)));
    return perMonth * (weeks * 0.25);
}

double reactionFuelTonnage(const ShipDesign& design) {
    if (!design.hasReactionDrive)
        return 0;
    const double hours = design.reactionDriveOperatingHours;
    if (design.reactionDriveRating == 0)
        return 0.25 * hours;
    return 0.025 * roundedHullTonnage(design) * design.reactionDriveRating * hours;
}

double totalFuelTonnage(const ShipDesign& design) {
    return reactionFuelTonnage(design) + jumpFuelTonnage(design) + powerPlantFuelTonnage(design);
}

} // namespace velmora::ships
