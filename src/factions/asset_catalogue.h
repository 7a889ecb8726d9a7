#pragma once

#include "factions/asset_template.h"
#include "universe/faction_asset.h"

#include <span>
#include <string_view>

namespace velmora::factions {

// The built-in catalogue: 24 Force, 23 Cunning and 24 Wealth templates, in that
// order, each category ordered by the rating it requires.
std::span<const AssetTemplate> assetCatalogue();

// The templates of one category, in catalogue order.
std::span<const AssetTemplate> assetTemplates(universe::AssetCategory category);

// The template of that exact name, or null.
const AssetTemplate* findAssetTemplate(std::string_view name);

} // namespace velmora::factions
