#pragma once

#include "core/galactic_coordinates.h"
#include "core/technology_level.h"
#include "universe/faction_asset.h"

#include <string>
#include <string_view>

namespace velmora::factions {

// One entry of the built-in asset catalogue. Templates are not stored: buying
// one copies it into a FactionAsset that the faction owns and may edit.
struct AssetTemplate {
    std::string_view name;
    universe::AssetCategory category;
    int ratingRequired;
    int cost; // FacCreds
    int hp;
    core::TechnologyLevel tl; // the lowest tech level of a world that can build it
    universe::AssetType type;
    std::string_view attack;  // empty: it cannot attack
    std::string_view counter; // empty: no counterattack
    int maintenance;          // FacCreds per turn
    bool requiresPermission;  // of the world's planetary government
    bool startsStealthed;
    std::string_view note; // rules the program leaves to the referee
};

// A new, undamaged asset of the template on the given world.
universe::FactionAsset makeAsset(const AssetTemplate& assetTemplate,
                                 const core::GalacticCoordinates& location);

// How the catalogue lists a template: "Strike Fleet (12 FC)".
std::string catalogueEntryText(const AssetTemplate& assetTemplate);

} // namespace velmora::factions
