#pragma once

#include "core/code_table.h"
#include "core/credits.h"
#include "core/hex_data.h"
#include "core/star_system.h"

#include <optional>
#include <string_view>

namespace velmora::travel {

// Where a ship can take on fuel in a system, best first.
enum class FuelSource { refinedStarport, unrefinedStarport, installation, gasGiant, water, none };

// The raw value is the case name.
inline constexpr auto fuelSourceTable = core::makeRawValueTable<FuelSource>(
    std::pair{FuelSource::refinedStarport, "refinedStarport"},
    std::pair{FuelSource::unrefinedStarport, "unrefinedStarport"},
    std::pair{FuelSource::installation, "installation"},
    std::pair{FuelSource::gasGiant, "gasGiant"}, std::pair{FuelSource::water, "water"},
    std::pair{FuelSource::none, "none"});

inline constexpr auto fuelSourceLabels = core::makeRawValueTable<FuelSource>(
    std::pair{FuelSource::refinedStarport, "Refined (starport)"},
    std::pair{FuelSource::unrefinedStarport, "Unrefined (starport)"},
    std::pair{FuelSource::installation, "Refuelling station"},
    std::pair{FuelSource::gasGiant, "Gas-giant skim"}, std::pair{FuelSource::water, "Water scoop"},
    std::pair{FuelSource::none, "No fuel"});

static_assert(core::isInCaseOrder(fuelSourceTable) && core::hasDistinctTexts(fuelSourceTable));
static_assert(core::isInCaseOrder(fuelSourceLabels) && core::hasDistinctTexts(fuelSourceLabels));

constexpr std::string_view rawValue(FuelSource source) {
    return core::textAt(fuelSourceTable, source);
}

constexpr std::optional<FuelSource> fuelSourceFromRawValue(std::string_view text) {
    return fuelSourceTable.value(text);
}

// "Refined (starport)", ..., "No fuel".
constexpr std::string_view displayName(FuelSource source) {
    return core::textAt(fuelSourceLabels, source);
}

// Credits a ton: refined fuel costs five times unrefined; skimmed and scooped fuel is free.
constexpr core::Credits fuelPricePerTon(FuelSource source) {
    switch (source) {
    case FuelSource::refinedStarport:
        return 500;
    case FuelSource::unrefinedStarport:
    case FuelSource::installation:
        return 100;
    default:
        return 0;
    }
}

// What the system offers a ship that can, or cannot, scoop its own fuel.
FuelSource fuelSource(const core::StarSystem& system, bool canScoop);

// The jump clearance of the body a ship leaves from: the main world when it has a
// surface, else the first body that has one; 0 for a system with none.
double departureClearanceKm(const core::HexData& hex);
// The jump clearance of the system's first giant, where skimming ships go; 0 without one.
double gasGiantClearanceKm(const core::HexData& hex);

} // namespace velmora::travel
