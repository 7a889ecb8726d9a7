#include "factions/base_of_influence.h"

#include "factions/faction_rules.h"

#include <algorithm>

namespace velmora::factions {

using universe::Faction;
using universe::FactionAsset;

bool isBaseOfInfluence(const FactionAsset& asset) {
    return asset.type == universe::AssetType::baseOfInfluence;
}

int baseOfInfluenceHPLimit(const Faction& owner) {
    return maxHP(owner);
}

void applyBaseOfInfluenceRules(FactionAsset& asset, const Faction& owner) {
    if (!isBaseOfInfluence(asset))
        return;
    asset.maxHP = std::clamp(asset.maxHP, 1, baseOfInfluenceHPLimit(owner));
    asset.hp = std::clamp(asset.hp, 0, asset.maxHP);
    asset.cost = asset.maxHP;
}

bool hasBaseOfInfluenceOn(const Faction& faction, const core::GalacticCoordinates& world) {
    return std::any_of(
        faction.assets.begin(), faction.assets.end(),
        [&world](const FactionAsset& a) { return isBaseOfInfluence(a) && a.location == world; });
}

bool canAddAsset(const Faction& owner, const FactionAsset& asset) {
    return !isBaseOfInfluence(asset) || !hasBaseOfInfluenceOn(owner, asset.location);
}

} // namespace velmora::factions
