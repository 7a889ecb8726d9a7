#include "factions/asset_template.h"

namespace velmora::factions {

universe::FactionAsset makeAsset(const AssetTemplate& t,
                                 const core::GalacticCoordinates& location) {
    universe::FactionAsset asset;
    asset.name = std::string(t.name);
    asset.category = t.category;
    asset.hp = t.hp;
    asset.maxHP = t.hp;
    asset.cost = t.cost;
    asset.tl = t.tl;
    asset.type = t.type;
    asset.location = location;
    asset.attack = std::string(t.attack);
    asset.counter = std::string(t.counter);
    asset.note = std::string(t.note);
    asset.maintenance = t.maintenance;
    asset.stealthed = t.startsStealthed;
    asset.requiresPermission = t.requiresPermission;
    asset.ratingRequired = t.ratingRequired;
    return asset;
}

std::string catalogueEntryText(const AssetTemplate& t) {
    return std::string(t.name) + " (" + std::to_string(t.cost) + " FC)";
}

} // namespace velmora::factions
