#include "ships/software_rules.h"

#include "ships/bridge_rules.h"

#include <array>

namespace velmora::ships {

namespace {

constexpr double mcr = 1'000'000;

constexpr std::array<SoftwareTier, 6> jumpControlTiers{{{5, 9, 0.1 * mcr},
                                                        {10, 11, 0.2 * mcr},
                                                        {15, 12, 0.3 * mcr},
                                                        {20, 13, 0.4 * mcr},
                                                        {25, 14, 0.5 * mcr},
                                                        {30, 15, 0.6 * mcr}}};
constexpr std::array<SoftwareTier, 3> evadeTiers{
    {{10, 9, 1 * mcr}, {15, 11, 2 * mcr}, {25, 13, 3 * mcr}}};
constexpr std::array<SoftwareTier, 5> fireControlTiers{
    {{5, 9, 2 * mcr}, {10, 10, 4 * mcr}, {15, 11, 6 * mcr}, {20, 12, 8 * mcr}, {25, 13, 10 * mcr}}};
constexpr std::array<SoftwareTier, 2> autoRepairTiers{{{10, 10, 5 * mcr}, {20, 12, 10 * mcr}}};
constexpr std::array<SoftwareTier, 3> advancedFireControlTiers{
    {{15, 10, 12 * mcr}, {25, 12, 15 * mcr}, {30, 14, 18 * mcr}}};
constexpr std::array<SoftwareTier, 3> antiHijackTiers{
    {{2, 11, 6 * mcr}, {10, 12, 8 * mcr}, {15, 13, 10 * mcr}}};
constexpr std::array<SoftwareTier, 2> battleNetworkTiers{{{5, 12, 5 * mcr}, {10, 14, 10 * mcr}}};
constexpr std::array<SoftwareTier, 3> battleSystemTiers{
    {{5, 9, 18 * mcr}, {10, 12, 24 * mcr}, {15, 15, 36 * mcr}}};
// Later intelligences need less room and cost less for a better mind.
constexpr std::array<SoftwareTier, 3> consciousIntelligenceTiers{
    {{40, 16, 25 * mcr}, {25, 17, 20 * mcr}, {10, 18, 15 * mcr}}};
constexpr std::array<SoftwareTier, 3> electronicWarfareTiers{
    {{10, 10, 15 * mcr}, {15, 13, 18 * mcr}, {20, 15, 24 * mcr}}};
constexpr std::array<SoftwareTier, 3> launchSolutionTiers{
    {{5, 8, 10 * mcr}, {10, 10, 12 * mcr}, {15, 12, 16 * mcr}}};
constexpr std::array<SoftwareTier, 2> pointDefenceTiers{{{12, 9, 8 * mcr}, {15, 12, 12 * mcr}}};
constexpr std::array<SoftwareTier, 3> virtualCrewTiers{
    {{5, 10, 1 * mcr}, {10, 13, 5 * mcr}, {15, 15, 10 * mcr}}};
constexpr std::array<SoftwareTier, 3> virtualGunnerTiers{
    {{5, 9, 1 * mcr}, {10, 12, 5 * mcr}, {15, 15, 10 * mcr}}};

const std::array<SoftwareProgram, 14> programs{{
    {"Jump Control", "Jump Control Rating (0-6)", 1, jumpControlTiers,
     &SoftwareSuite::jumpControlRating, nullptr},
    {"Evade", "Evade Rating (0-3)", 1, evadeTiers, &SoftwareSuite::evadeRating, nullptr},
    {"Fire Control", "Fire Control Rating (0-5)", 1, fireControlTiers,
     &SoftwareSuite::fireControlRating, nullptr},
    {"Auto-Repair", "Auto-Repair Rating (0-2)", 1, autoRepairTiers,
     &SoftwareSuite::autoRepairRating, nullptr},
    {"Advanced Fire Control", "Advanced Fire Control (0-3)", 1, advancedFireControlTiers,
     &SoftwareSuite::advancedFireControlRating, nullptr},
    {"Anti-Hijack", "Anti-Hijack (0-3)", 1, antiHijackTiers, &SoftwareSuite::antiHijackRating,
     nullptr},
    {"Battle Network", "Battle Network (0-2)", 1, battleNetworkTiers,
     &SoftwareSuite::battleNetworkRating, nullptr},
    {"Battle System", "Battle System (0-3)", 1, battleSystemTiers,
     &SoftwareSuite::battleSystemRating, nullptr},
    {"Conscious Intelligence", "Conscious Intelligence (0-3)", 1, consciousIntelligenceTiers,
     &SoftwareSuite::consciousIntelligenceRating, nullptr},
    {"Electronic Warfare", "Electronic Warfare (0-3)", 1, electronicWarfareTiers,
     &SoftwareSuite::electronicWarfareRating, nullptr},
    {"Launch Solution", "Launch Solution (0-3)", 1, launchSolutionTiers,
     &SoftwareSuite::launchSolutionRating, nullptr},
    {"Point Defence", "Point Defence (0-2)", 1, pointDefenceTiers,
     &SoftwareSuite::pointDefenceRating, nullptr},
    {"Virtual Crew", "Virtual Crew Rating (0-2)", 0, virtualCrewTiers,
     &SoftwareSuite::virtualCrewRating, &SoftwareSuite::hasVirtualCrew},
    {"Virtual Gunner", "Virtual Gunner Rating (0-2)", 0, virtualGunnerTiers,
     &SoftwareSuite::virtualGunnerRating, &SoftwareSuite::hasVirtualGunner},
}};

// The first four are the programs every armed or jumping ship runs.
constexpr std::size_t basicProgramCount = 4;

std::string programName(const SoftwareProgram& program, const SoftwareSuite& software) {
    return std::string(program.name) + "/" + std::to_string(software.*program.rating);
}

} // namespace

std::span<const SoftwareProgram> softwarePrograms() {
    return programs;
}

std::optional<SoftwareTier> softwareTier(const SoftwareProgram& program, int rating) {
    const int index = rating - program.firstRating;
    if (index < 0 || index >= static_cast<int>(program.tiers.size()))
        return std::nullopt;
    return program.tiers[static_cast<std::size_t>(index)];
}

std::optional<SoftwareTier> installedTier(const SoftwareProgram& program,
                                          const SoftwareSuite& software) {
    if (program.installed ? !(software.*program.installed) : software.*program.rating == 0)
        return std::nullopt;
    return softwareTier(program, software.*program.rating);
}

double softwareCost(const SoftwareSuite& software) {
    double total = 0;
    for (const auto& program : programs) {
        if (const auto tier = installedTier(program, software))
            total += tier->cost;
    }
    if (software.hasBroadSpectrumEW)
        total += broadSpectrumEW.cost;
    if (software.hasScreenOptimiser)
        total += screenOptimiser.cost;
    return total;
}

int softwareBandwidth(const SoftwareSuite& software) {
    int total = 0;
    for (const auto& program : programs) {
        if (const auto tier = installedTier(program, software))
            total += tier->bandwidth;
    }
    if (software.hasBroadSpectrumEW)
        total += broadSpectrumEW.bandwidth;
    if (software.hasScreenOptimiser)
        total += screenOptimiser.bandwidth;
    return total;
}

int jumpControlBandwidth(const SoftwareSuite& software) {
    const auto tier = installedTier(programs[0], software);
    return tier ? tier->bandwidth : 0;
}

bool softwareFits(const ShipDesign& design) {
    const int bandwidth = rulesFor(design.primaryComputer).bandwidth;
    const int jump = jumpControlBandwidth(design.software);
    const int jumpAllowance =
        bandwidth +
        (design.primaryComputerJumpControlSpecialisation ? jumpControlSpecialisationBonus : 0);
    return jump <= jumpAllowance && softwareBandwidth(design.software) - jump <= bandwidth;
}

std::vector<std::string> basicSoftwareNames(const SoftwareSuite& software) {
    std::vector<std::string> names;
    for (std::size_t i = 0; i < basicProgramCount; ++i) {
        if (installedTier(programs[i], software))
            names.push_back(programName(programs[i], software));
    }
    return names;
}

std::vector<std::string> advancedSoftwareNames(const SoftwareSuite& software) {
    std::vector<std::string> names;
    for (std::size_t i = basicProgramCount; i < programs.size(); ++i) {
        if (installedTier(programs[i], software))
            names.push_back(programName(programs[i], software));
    }
    if (software.hasBroadSpectrumEW)
        names.emplace_back("Broad Spectrum EW");
    if (software.hasScreenOptimiser)
        names.emplace_back("Screen Optimiser");
    return names;
}

} // namespace velmora::ships
