#pragma once

// Every figure of a design in one value, worked out in one call: what the summary
// panel, the saved ships' detail, the ship sheet and the command line show. The
// design's rules are in the *_rules.h files; this puts them together into the
// tonnage and cost table, the power and crew figures, the running costs and the
// warnings.

#include "ships/crew_rules.h"
#include "ships/power_rules.h"
#include "ships/ship_design.h"

#include <string>
#include <vector>

namespace velmora::ships {

// One row of the tonnage and cost table.
struct SummaryRow {
    std::string section; // "Hull", "Armour", "Thrust 2", "J-Drive", ... "Cargo"
    std::string detail;  // "200 tons, Streamlined", "Titanium Steel, Protection 4", ...
    double tons = 0;
    double cost = 0; // Cr

    friend bool operator==(const SummaryRow&, const SummaryRow&) = default;
};

struct ShipSummary {
    int tonnage = 0;
    double roundedHullTonnage = 0;
    int hullPoints = 0;

    double tonnageUsed = 0;
    double cargoSpace = 0; // negative when the design is over its hull's budget

    double totalCost = 0;    // Cr
    double purchaseCost = 0; // with the standard discount when it applies
    double maintenancePerMonth = 0;
    LifeSupport lifeSupport;
    double lifeSupportPerMonth = 0;
    double salariesPerMonth = 0;
    double totalMonthlyCosts = 0; // maintenance and life support

    double jumpFuelTonnage = 0;
    double powerPlantFuelTonnage = 0;
    double reactionFuelTonnage = 0;
    double totalFuelTonnage = 0;

    double powerOutput = 0;
    double powerRequirement = 0;
    PowerDemand powerDemand;
    double jumpPower = 0;
    std::vector<PowerAllocationEntry> powerAllocationDuringJump;

    CrewRequirement crew;
    int crewTotal = 0;
    std::vector<CrewRoleLine> crewByRole;

    int hardpoints = 0; // available
    int hardpointsUsed = 0;

    int softwareBandwidth = 0;
    bool softwareFits = true;
    std::vector<std::string> basicSoftware;
    std::vector<std::string> advancedSoftware;

    std::vector<SummaryRow> rows; // in the designer's order, ending with "Cargo"
    SummaryRow total;             // "Total": the whole hull and the total cost

    std::vector<std::string> warnings; // the rules the design breaks
    std::vector<std::string> notes;    // explanations that apply to this design
};

ShipSummary summarize(const ShipDesign& design);

// The design's own figures that the route planner and the manifest read without
// a whole summary.
double totalCost(const ShipDesign& design);
double purchaseCost(const ShipDesign& design);
double maintenancePerMonth(const ShipDesign& design);
double tonnageUsed(const ShipDesign& design);
double cargoSpace(const ShipDesign& design);

// "Cr1500/month": a monthly figure in whole credits.
std::string perMonthText(double credits);
// "12.345": credits as millions with up to three decimals, for the "Cost (MCr)" column.
std::string megaCreditsText(double credits);
// "12.5": tons with up to two decimals.
std::string tonsText(double tons);

} // namespace velmora::ships
