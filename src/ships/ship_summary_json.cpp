#include "ships/ship_summary_json.h"

#include "ships/ship_summary.h"

#include <nlohmann/json.hpp>

namespace velmora::ships {

namespace {

const char* statusText(PowerAllocationEntry::Status status) {
    switch (status) {
    case PowerAllocationEntry::Status::full:
        return "full";
    case PowerAllocationEntry::Status::half:
        return "half";
    case PowerAllocationEntry::Status::off:
        break;
    }
    return "off";
}

nlohmann::json rowJson(const SummaryRow& row) {
    return {
        {"section", row.section}, {"detail", row.detail}, {"tons", row.tons}, {"cost", row.cost}};
}

} // namespace

nlohmann::json summaryToJson(const ShipSummary& s) {
    nlohmann::json out = nlohmann::json::object();
    out["tonnage"] = s.tonnage;
    out["roundedHullTonnage"] = s.roundedHullTonnage;
    out["hullPoints"] = s.hullPoints;
    out["tonnageUsed"] = s.tonnageUsed;
    out["cargoSpace"] = s.cargoSpace;
    out["totalCost"] = s.totalCost;
    out["purchaseCost"] = s.purchaseCost;
    out["maintenancePerMonth"] = s.maintenancePerMonth;
    out["lifeSupportPerMonth"] = s.lifeSupportPerMonth;
    out["salariesPerMonth"] = s.salariesPerMonth;
    out["totalMonthlyCosts"] = s.totalMonthlyCosts;
    out["jumpFuelTonnage"] = s.jumpFuelTonnage;
    out["powerPlantFuelTonnage"] = s.powerPlantFuelTonnage;
    out["reactionFuelTonnage"] = s.reactionFuelTonnage;
    out["totalFuelTonnage"] = s.totalFuelTonnage;
    out["powerOutput"] = s.powerOutput;
    out["powerRequirement"] = s.powerRequirement;
    out["jumpPower"] = s.jumpPower;
    out["crewTotal"] = s.crewTotal;
    out["middlePassengers"] = s.crew.middlePassengers;
    out["hardpoints"] = s.hardpoints;
    out["hardpointsUsed"] = s.hardpointsUsed;
    out["softwareBandwidth"] = s.softwareBandwidth;
    out["softwareFits"] = s.softwareFits;
    out["warnings"] = s.warnings;
    out["notes"] = s.notes;

    auto& crew = out["crew"] = nlohmann::json::array();
    for (const auto& line : s.crewByRole) {
        crew.push_back(
            {{"role", line.label}, {"count", line.count}, {"salaryPerMonth", line.salaryPerMonth}});
    }
    auto& rows = out["rows"] = nlohmann::json::array();
    for (const auto& row : s.rows)
        rows.push_back(rowJson(row));
    out["total"] = rowJson(s.total);
    auto& allocation = out["powerAllocationDuringJump"] = nlohmann::json::array();
    for (const auto& entry : s.powerAllocationDuringJump) {
        allocation.push_back({{"label", entry.label},
                              {"fullPower", entry.fullPower},
                              {"status", statusText(entry.status)}});
    }
    auto& support = out["lifeSupport"] = nlohmann::json::object();
    support["staterooms"] = s.lifeSupport.staterooms;
    support["crewAndPassengers"] = s.lifeSupport.crewAndPassengers;
    support["lowBerths"] = s.lifeSupport.lowBerths;
    support["highGuardHighAndLuxury"] = s.lifeSupport.highGuardHighAndLuxury;
    out["software"] = {{"basic", s.basicSoftware}, {"advanced", s.advancedSoftware}};
    return out;
}

nlohmann::json shipSummaryJson(const ShipDesign& design) {
    return summaryToJson(summarize(design));
}

} // namespace velmora::ships
