#pragma once

#include "universe/faction.h"

namespace velmora::factions {

// Finishes a hand-made asset from the asset form: at least 1 maximum hit point,
// no negative cost or maintenance, undamaged (current hit points = maximum), and
// for a base of influence its own rules (cost = maximum, at most the owner's
// maximum hit points).
universe::FactionAsset makeCustomAsset(universe::FactionAsset draft,
                                       const universe::Faction& owner);

} // namespace velmora::factions
