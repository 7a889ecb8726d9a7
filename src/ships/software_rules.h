#pragma once

// The ship's programs: what each rating costs, the bandwidth it takes and the
// tech level it needs, and whether the computer can run them all.

#include "ships/ship_design.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::ships {

struct SoftwareTier {
    int bandwidth;
    int minimumTechLevel;
    double cost; // Cr
};

// A rated program: its tiers by rating, the first tier's rating, and where the
// rating and the "installed" flag sit in the suite.
struct SoftwareProgram {
    std::string_view name;  // "Jump Control", shown as "Jump Control/2"
    std::string_view label; // the rating control's label
    int firstRating;        // 0 for the virtual programs, 1 for the rest
    std::span<const SoftwareTier> tiers;
    int SoftwareSuite::*rating;
    bool SoftwareSuite::*installed; // nullptr: installed when the rating is not 0
};

// Every rated program, in the designer's order.
std::span<const SoftwareProgram> softwarePrograms();

// The tier of a program at a rating, or nothing for a rating outside its table.
std::optional<SoftwareTier> softwareTier(const SoftwareProgram& program, int rating);
// The installed tier of a program in a suite, or nothing when it is not installed.
std::optional<SoftwareTier> installedTier(const SoftwareProgram& program,
                                          const SoftwareSuite& software);

inline constexpr SoftwareTier broadSpectrumEW{12, 0, 14'000'000};
inline constexpr SoftwareTier screenOptimiser{10, 0, 5'000'000};

double softwareCost(const SoftwareSuite& software);
int softwareBandwidth(const SoftwareSuite& software);
int jumpControlBandwidth(const SoftwareSuite& software);
// Jump Control within the primary's bandwidth (+5 with /bis), and every other
// program together within its bandwidth.
bool softwareFits(const ShipDesign& design);

// "Jump Control/2", "Evade/1", "Fire Control/3", "Auto-Repair/1" ...
std::vector<std::string> basicSoftwareNames(const SoftwareSuite& software);
// The others ("Advanced Software"): "Battle System/2", "Broad Spectrum EW" ...
std::vector<std::string> advancedSoftwareNames(const SoftwareSuite& software);

} // namespace velmora::ships
