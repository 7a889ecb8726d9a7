#pragma once

#include "core/galactic_coordinates.h"
#include "universe/faction.h"

#include <string_view>

namespace velmora::factions {

// What the asset form tells the referee when the type is a base of influence.
inline constexpr std::string_view baseOfInfluenceRulesText =
    "Base of influence: cost equals its max HP (up to the faction's max HP), one per world, and "
    "damage to it also hits the faction's HP.";

bool isBaseOfInfluence(const universe::FactionAsset& asset);

// The most hit points a base of influence of this faction may have: the
// faction's own maximum.
int baseOfInfluenceHPLimit(const universe::Faction& owner);

// Brings a base of influence within its rules: maximum hit points from 1 up to
// the owner's maximum, current hit points no higher, and a cost equal to the
// maximum. Any other asset is left as it is.
void applyBaseOfInfluenceRules(universe::FactionAsset& asset, const universe::Faction& owner);

bool hasBaseOfInfluenceOn(const universe::Faction& faction, const core::GalacticCoordinates& world);

// A faction holds at most one base of influence per world; every other asset
// may always be added.
bool canAddAsset(const universe::Faction& owner, const universe::FactionAsset& asset);

} // namespace velmora::factions
