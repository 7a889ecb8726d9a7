#pragma once

#include "universe/faction.h"

namespace velmora::factions {

// The editor's rating steppers run from 1 to 8: the hit-point table ends at 8,
// so a higher rating would buy nothing.
inline constexpr int minimumRating = 1;
inline constexpr int maximumRating = 8;

int clampRating(int rating);

// The hit points one rating adds: 1, 2, 4, 6, 9, 12, 16, 20 for ratings 1 to 8.
// Ratings below 1 count as 1, above 8 as 8.
int ratingHitPoints(int rating);

// 4 plus the hit points of each of the three ratings: 7 for a 1/1/1 faction,
// 64 for 8/8/8.
int maxHP(const universe::Faction& faction);

// FacCreds per turn: (Force + Cunning) / 4 + (Wealth + 1) / 2, each rounded down.
int income(const universe::Faction& faction);

// The faction's assets of a category that count against its rating there:
// bases of influence never do.
int assetCount(const universe::Faction& faction, universe::AssetCategory category);

// Assets of a category beyond the faction's rating there; each costs 1 FacCred
// of upkeep per turn.
int excessAssetCount(const universe::Faction& faction, universe::AssetCategory category);

// FacCreds per turn: every asset's own maintenance plus the excess assets of
// each category.
int upkeep(const universe::Faction& faction);

// The faction's rating that assets of this category are bought with.
int rating(const universe::Faction& faction, universe::AssetCategory category);

// Sets one rating, clamped to 1-8. A lower rating can lower the maximum hit
// points, so the current hit points are clamped to the new maximum.
void setRating(universe::Faction& faction, universe::AssetCategory category, int value);

// Hit points as the editor accepts them: 0 up to maxHP.
int clampHitPoints(const universe::Faction& faction, int hp);

// "Full HP": the faction back at its maximum.
void restoreFullHitPoints(universe::Faction& faction);

// True when the faction's rating in the category is below what the asset needs;
// the asset row then carries a warning mark. The asset stays: ratings fall in
// play, and the referee decides what that costs.
bool lacksRequiredRating(const universe::Faction& faction, universe::AssetCategory category,
                         int ratingRequired);
bool lacksRequiredRating(const universe::Faction& faction, const universe::FactionAsset& asset);

} // namespace velmora::factions
