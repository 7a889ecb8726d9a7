#include "factions/faction_rules.h"

#include "core/galactic_coordinates.h"

#include <algorithm>
#include <array>

namespace velmora::factions {

using universe::AssetCategory;
using universe::Faction;

namespace {

constexpr std::array<int, maximumRating> hitPointsByRating{1, 2, 4, 6, 9, 12, 16, 20};
constexpr int baseHitPoints = 4;

constexpr std::array<AssetCategory, 3> allCategories{AssetCategory::cunning, AssetCategory::force,
                                                     AssetCategory::wealth};

} // namespace

int clampRating(int rating) {
    return std::clamp(rating, minimumRating, maximumRating);
}

int ratingHitPoints(int rating) {
    return hitPointsByRating[static_cast<std::size_t>(clampRating(rating) - minimumRating)];
}

int maxHP(const Faction& faction) {
    return baseHitPoints + ratingHitPoints(faction.force) + ratingHitPoints(faction.cunning) +
           ratingHitPoints(faction.wealth);
}

int income(const Faction& faction) {
    // Floor division, so even a hand-edited negative rating rounds down as the rule says.
    return core::floorDiv(faction.force + faction.cunning, 4) +
           core::floorDiv(faction.wealth + 1, 2);
}

int assetCount(const Faction& faction, AssetCategory category) {
    return static_cast<int>(std::count_if(
        faction.assets.begin(), faction.assets.end(), [category](const universe::FactionAsset& a) {
            return a.category == category && a.type != universe::AssetType::baseOfInfluence;
        }));
}

int excessAssetCount(const Faction& faction, AssetCategory category) {
    return std::max(0, assetCount(faction, category) - rating(faction, category));
}

int upkeep(const Faction& faction) {
    int total = 0;
    for (const universe::FactionAsset& asset : faction.assets)
        total += asset.maintenance;
    for (const AssetCategory category : allCategories)
        total += excessAssetCount(faction, category);
    return total;
}

int rating(const Faction& faction, AssetCategory category) {
    switch (category) {
    case AssetCategory::cunning:
        return faction.cunning;
    case AssetCategory::force:
        return faction.force;
    case AssetCategory::wealth:
        return faction.wealth;
    }
    return 0;
}

void setRating(Faction& faction, AssetCategory category, int value) {
    const int clamped = clampRating(value);
    switch (category) {
    case AssetCategory::cunning:
        faction.cunning = clamped;
        break;
    case AssetCategory::force:
        faction.force = clamped;
        break;
    case AssetCategory::wealth:
        faction.wealth = clamped;
        break;
    }
    faction.hp = clampHitPoints(faction, faction.hp);
}

int clampHitPoints(const Faction& faction, int hp) {
    return std::clamp(hp, 0, maxHP(faction));
}

void restoreFullHitPoints(Faction& faction) {
    faction.hp = maxHP(faction);
}

bool lacksRequiredRating(const Faction& faction, AssetCategory category, int ratingRequired) {
    return rating(faction, category) < ratingRequired;
}

bool lacksRequiredRating(const Faction& faction, const universe::FactionAsset& asset) {
    return lacksRequiredRating(faction, asset.category, asset.ratingRequired);
}

} // namespace velmora::factions
