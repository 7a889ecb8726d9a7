#pragma once

// What the design's tech level allows, as data the designer asks before it offers
// an option: the tech level each option, model, weapon and rating needs. An option
// above the design's tech level is shown disabled with needsTechLevelText().

#include "ships/ship_design.h"

#include <optional>
#include <span>
#include <string>
#include <string_view>

namespace velmora::ships {

// A switch whose label names the tech level it needs.
struct OptionTechLevel {
    std::string_view
        field; // the design field it sets ("heatShielding", "highGuard.hasLifeScanner")
    std::string_view label;
    int techLevel;
};

std::span<const OptionTechLevel> optionTechLevels();
// The tech level of a switch by its field, nothing when it needs none.
std::optional<int> optionTechLevel(std::string_view field);

// 0 where a choice needs no particular tech level.
int requiredTechLevel(PowerPlantType type);
int requiredTechLevel(ComputerModel model);
int requiredTechLevel(SensorSuite suite);
int requiredTechLevel(WeaponMountType type);
int requiredTechLevel(TurretWeapon weapon);
int requiredTechLevel(BarbetteWeapon weapon);
int requiredTechLevel(BayWeaponType weapon, WeaponMountType bay);
int requiredTechLevel(AdjustableHullTier tier);
int requiredTechLevel(BatteryTier tier);
int requiredTechLevel(LoadingBeltTier tier);
int requiredTechLevel(MailDistributionArrayTier tier);

// "Needs TL 9".
std::string needsTechLevelText(int techLevel);
// Why a choice needing `required` is not offered at `designTechLevel`; nothing when it is.
std::optional<std::string> unavailableReason(int required, int designTechLevel);

} // namespace velmora::ships
