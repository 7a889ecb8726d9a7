#pragma once

// The supplement's options: those that change the hull, drive, fuel or power plant
// figures ("hull-level"), and the fittings that each take their own tons, credits
// and power.

#include "ships/ship_design.h"
#include "ships/systems_rules.h"

#include <vector>

namespace velmora::ships {

// Hull-level options: what each adds to the tonnage used and the cost. The
// concealed manoeuvre drive and the sensor array enhancement are not here: they
// change the drive's and the sensors' own figures.
struct HighGuardHullEffects {
    double adjustableHullTons = 0;
    double adjustableHullCost = 0;
    double pressureHullTons = 0;
    double pressureHullCost = 0;
    double modularHullCost = 0;
    double emergencyPowerTons = 0;
    double emergencyPowerCost = 0;
    double solarSailTons = 0;
    double solarSailCost = 0;
    double metalHydrideTons = 0;
    double metalHydrideCost = 0;
    double ramscoopTons = 0;
    double ramscoopCost = 0;
    double towCableTons = 0;
    double towCableCost = 0;

    // The part that belongs with the hull's own row.
    double hullTons() const { return adjustableHullTons + pressureHullTons; }
    double hullCost() const { return adjustableHullCost + pressureHullCost + modularHullCost; }
    double tons() const {
        return hullTons() + emergencyPowerTons + solarSailTons + metalHydrideTons + ramscoopTons +
               towCableTons;
    }
    double cost() const {
        return hullCost() + emergencyPowerCost + solarSailCost + metalHydrideCost + ramscoopCost +
               towCableCost;
    }
};

HighGuardHullEffects highGuardHullEffects(const ShipDesign& design);

// The other options fitted, in the designer's order; those not fitted are left out.
std::vector<SystemLine> highGuardFittings(const ShipDesign& design);

// Sums over the fittings (the hull-level options are not included).
double highGuardTonnage(const ShipDesign& design);
double highGuardCost(const ShipDesign& design);
double highGuardPower(const ShipDesign& design);

// People the biosphere feeds: one per 4 tons of it.
int biospherePassengers(const ShipDesign& design);

} // namespace velmora::ships
