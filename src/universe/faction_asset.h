#pragma once

#include "core/galactic_coordinates.h"
#include "core/raw_value_table.h"
#include "core/technology_level.h"

#include <string>
#include <string_view>

namespace velmora::universe {

// The rating an asset is bought with and counted against.
enum class AssetCategory { cunning, force, wealth };

enum class AssetType {
    starship,
    specialForces,
    logisticFacility,
    tactics,
    militaryUnit,
    special,
    facility,
    baseOfInfluence,
};

inline constexpr auto assetCategoryTable = core::makeRawValueTable<AssetCategory>(
    std::pair{AssetCategory::cunning, "cunning"}, std::pair{AssetCategory::force, "force"},
    std::pair{AssetCategory::wealth, "wealth"});

inline constexpr auto assetTypeTable = core::makeRawValueTable<AssetType>(
    std::pair{AssetType::starship, "starship"},
    std::pair{AssetType::specialForces, "specialForces"},
    std::pair{AssetType::logisticFacility, "logisticFacility"},
    std::pair{AssetType::tactics, "tactics"}, std::pair{AssetType::militaryUnit, "militaryUnit"},
    std::pair{AssetType::special, "special"}, std::pair{AssetType::facility, "facility"},
    std::pair{AssetType::baseOfInfluence, "baseOfInfluence"});

inline constexpr auto assetTypeNameTable = core::makeRawValueTable<AssetType>(
    std::pair{AssetType::starship, "Starship"},
    std::pair{AssetType::specialForces, "Special Forces"},
    std::pair{AssetType::logisticFacility, "Logistic Facility"},
    std::pair{AssetType::tactics, "Tactic"}, std::pair{AssetType::militaryUnit, "Military Unit"},
    std::pair{AssetType::special, "Special"}, std::pair{AssetType::facility, "Facility"},
    std::pair{AssetType::baseOfInfluence, "Base of Influence"});

constexpr std::string_view rawValue(AssetCategory category) {
    return assetCategoryTable.text(category);
}

constexpr std::string_view rawValue(AssetType type) {
    return assetTypeTable.text(type);
}

constexpr std::string_view displayName(AssetType type) {
    return assetTypeNameTable.text(type);
}

// One asset a faction holds on a world. Built from a catalogue template or made
// by hand; either way every figure is the faction's own copy and may be edited.
struct FactionAsset {
    std::string name;
    AssetCategory category = AssetCategory::force;
    int hp = 0;
    int maxHP = 0;
    int cost = 0; // FacCreds
    core::TechnologyLevel tl = core::TechnologyLevel::tl0;
    AssetType type = AssetType::special;
    core::GalacticCoordinates location; // the world it stands on
    std::string attack;                 // empty: it cannot attack
    std::string counter;                // empty: no counterattack
    std::string note;
    int maintenance = 0; // FacCreds per turn
    bool stealthed = false;
    bool requiresPermission = false; // of the world's planetary government
    int ratingRequired = 1;

    friend bool operator==(const FactionAsset&, const FactionAsset&) = default;
};

} // namespace velmora::universe
