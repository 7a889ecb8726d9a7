#include "factions/custom_asset.h"

#include "factions/base_of_influence.h"

#include <algorithm>

namespace velmora::factions {

universe::FactionAsset makeCustomAsset(universe::FactionAsset draft,
                                       const universe::Faction& owner) {
    draft.maxHP = std::max(draft.maxHP, 1);
    draft.hp = draft.maxHP;
    draft.cost = std::max(draft.cost, 0);
    draft.maintenance = std::max(draft.maintenance, 0);
    applyBaseOfInfluenceRules(draft, owner);
    return draft;
}

} // namespace velmora::factions
