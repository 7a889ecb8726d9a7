#include "ships/tech_level_gates.h"

#include "ships/bridge_rules.h"
#include "ships/power_rules.h"
#include "ships/weapon_rules.h"

#include <algorithm>
#include <array>

namespace velmora::ships {

namespace {

constexpr std::array<OptionTechLevel, 12> options{{
    {"heatShielding", "Heat Shielding (TL6)", 6},
    {"radiationShielding", "Radiation Shielding (TL7)", 7},
    {"reflec", "Reflec (TL10, +3 Protection vs lasers)", 10},
    {"hasReactionDrive", "Reaction Drive (TL7)", 7},
    {"hasJumpDrive", "Jump Drive (TL9)", 9},
    {"hasHolographicControls", "Holographic Controls (TL9, +25% bridge cost)", 9},
    {"hasHolographicHull", "Holographic Hull (TL10)", 10},
    {"hasLibrary", "Library (TL8)", 8},
    {"weaponMounts.popUpMounting", "Pop-Up Mounting (TL10, +1 ton, +Cr1M)", 10},
    {"highGuard.hasMilitaryCountermeasuresSuite", "Military Countermeasures Suite (TL15)", 15},
    {"highGuard.hasLifeScannerAnalysisSuite", "Life Scanner Analysis Suite (TL14)", 14},
    {"highGuard.hasShallowPenetrationSuite", "Shallow Penetration Suite (TL10)", 10},
}};

// The tiers named after their tech level.
constexpr std::array<int, 3> adjustableHullLevels{0, 12, 15};
constexpr std::array<int, 3> batteryLevels{0, 10, 12};
constexpr std::array<int, 3> loadingBeltLevels{0, 7, 12};
constexpr std::array<int, 3> mailArrayLevels{0, 10, 13};

template <typename Enum, std::size_t Count>
int levelOf(const std::array<int, Count>& table, Enum value) {
    return table[static_cast<std::size_t>(value)];
}

} // namespace

std::span<const OptionTechLevel> optionTechLevels() {
    return options;
}

std::optional<int> optionTechLevel(std::string_view field) {
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const OptionTechLevel& o) { return o.field == field; });
    if (found == options.end())
        return std::nullopt;
    return found->techLevel;
}

int requiredTechLevel(PowerPlantType type) {
    return rulesFor(type).techLevel;
}
int requiredTechLevel(ComputerModel model) {
    return rulesFor(model).techLevel;
}
int requiredTechLevel(SensorSuite suite) {
    return rulesFor(suite).techLevel;
}
int requiredTechLevel(WeaponMountType type) {
    return rulesFor(type).techLevel;
}
int requiredTechLevel(TurretWeapon weapon) {
    return rulesFor(weapon).techLevel;
}
int requiredTechLevel(BarbetteWeapon weapon) {
    return rulesFor(weapon).techLevel;
}
int requiredTechLevel(BayWeaponType weapon, WeaponMountType bay) {
    return bayRules(weapon, bay).techLevel;
}
int requiredTechLevel(AdjustableHullTier tier) {
    return levelOf(adjustableHullLevels, tier);
}
int requiredTechLevel(BatteryTier tier) {
    return levelOf(batteryLevels, tier);
}
int requiredTechLevel(LoadingBeltTier tier) {
    return levelOf(loadingBeltLevels, tier);
}
int requiredTechLevel(MailDistributionArrayTier tier) {
    return levelOf(mailArrayLevels, tier);
}

std::string needsTechLevelText(int techLevel) {
    return "Needs TL " + std::to_string(techLevel);
}

std::optional<std::string> unavailableReason(int required, int designTechLevel) {
    if (required <= designTechLevel)
        return std::nullopt;
    return needsTechLevelText(required);
}

} // namespace velmora::ships
