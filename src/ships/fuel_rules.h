#pragma once

// Step 4 of a design: fuel for the jump drive, the power plant and the reaction
// drive. Tankage costs nothing; it only takes room.

#include "ships/ship_design.h"

namespace velmora::ships {

// Fuel for one jump of `parsecs`, whatever the drive's rating (0 without a drive).
double jumpFuelTons(const ShipDesign& design, int parsecs);
// Fuel for `jumpsCarried` jumps at the drive's full rating.
double jumpFuelTonnage(const ShipDesign& design);
double powerPlantFuelTonnage(const ShipDesign& design);
double reactionFuelTonnage(const ShipDesign& design);
double totalFuelTonnage(const ShipDesign& design);

} // namespace velmora::ships
