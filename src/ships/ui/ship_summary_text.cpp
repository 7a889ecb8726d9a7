#include "ships/ui/ship_summary_text.h"

#include "ships/ship_summary.h"

#include <sstream>

namespace velmora::ships {

namespace {

// Pads on the right (left-aligned) or the left (right-aligned), counting UTF-8
// characters rather than bytes so "—" and "·" keep the columns straight.
std::string padded(const std::string& text, std::size_t width, bool right = false) {
    std::size_t characters = 0;
    for (const char c : text)
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80)
            ++characters;
    const std::string fill(characters < width ? width - characters : 0, ' ');
    return right ? fill + text : text + fill;
}

void line(std::ostringstream& out, const std::string& label, const std::string& value) {
    out << padded(label, 30) << value << '\n';
}

} // namespace

std::string shipSummaryText(const SavedShipDesign& saved) {
    const ShipSummary summary = summarize(saved.design);
    std::ostringstream out;
    const std::string name = displayName(saved.header());
    out << name << '\n';
    if (!saved.configurationName.empty() || !saved.typeLabel.empty())
        out << saved.configurationName
            << (saved.configurationName.empty() || saved.typeLabel.empty() ? "" : " · ")
            << saved.typeLabel << '\n';
    out << '\n'
        << padded("Section", 24) << padded("", 34) << padded("Tons", 10, true)
        << padded("Cost (MCr)", 12, true) << '\n';
    const auto row = [&](const SummaryRow& item) {
        out << padded(item.section, 24) << padded(item.detail, 34)
            << padded(tonsText(item.tons), 10, true) << padded(megaCreditsText(item.cost), 12, true)
            << '\n';
    };
    for (const auto& item : summary.rows)
        row(item);
    row(summary.total);

    out << '\n';
    line(out, "Tonnage Used",
         tonsText(summary.tonnageUsed) + " / " + std::to_string(summary.tonnage));
    line(out, "Cargo Space", tonsText(summary.cargoSpace) + " tons");
    line(out, "Hull Points", std::to_string(summary.hullPoints));
    line(out, "Power Output", tonsText(summary.powerOutput));
    line(out, "Power Requirement", tonsText(summary.powerRequirement));
    if (summary.jumpPower > 0)
        line(out, "Jump Power", tonsText(summary.jumpPower));
    line(out, "Jump Fuel", tonsText(summary.jumpFuelTonnage) + " tons");
    line(out, "Total Fuel", tonsText(summary.totalFuelTonnage) + " tons");
    line(out, "Hardpoints Used",
         std::to_string(summary.hardpointsUsed) + " / " + std::to_string(summary.hardpoints));
    line(out, "Total Ship Cost", "MCr" + megaCreditsText(summary.totalCost));
    line(out, "Purchase Cost", "MCr" + megaCreditsText(summary.purchaseCost));

    out << "\nCrew\n";
    for (const auto& role : summary.crewByRole)
        line(out, "  " + std::string(role.label),
             std::to_string(role.count) + " (" + perMonthText(role.salaryPerMonth) + ")");
    line(out, "Total Crew", std::to_string(summary.crewTotal));

    out << "\nRunning Costs\n";
    line(out, "  Maintenance Cost", perMonthText(summary.maintenancePerMonth));
    line(out, "  Total Life Support", perMonthText(summary.lifeSupportPerMonth));
    line(out, "  Crew Salaries", perMonthText(summary.salariesPerMonth));
    line(out, "Total Monthly Costs", perMonthText(summary.totalMonthlyCosts));

    if (!summary.powerAllocationDuringJump.empty()) {
        out << "\nPower During Jump\n";
        for (const auto& entry : summary.powerAllocationDuringJump) {
            std::string label = "  " + entry.label;
            if (entry.status == PowerAllocationEntry::Status::half)
                label += " (half)";
            else if (entry.status == PowerAllocationEntry::Status::off)
                label += " (off)";
            line(out, label, tonsText(entry.power()));
        }
    }
    if (!summary.warnings.empty()) {
        out << "\nWarnings\n";
        for (const auto& warning : summary.warnings)
            out << "  " << warning << '\n';
    }
    return out.str();
}

} // namespace velmora::ships
