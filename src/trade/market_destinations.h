#pragma once

#include "core/hex_block_index.h"
#include "core/hex_data.h"
#include "trade/trade_world_profile.h"

#include <cstddef>
#include <span>
#include <vector>

namespace velmora::trade {

// The longest and shortest range a market looks for destinations in.
inline constexpr int shortestMarketRange = 1;
inline constexpr int longestMarketRange = 6;

// A world passengers and freight may be bound for.
struct MarketDestination {
    TradeWorldProfile world;
    int parsecs = 0;
    std::size_t hexPosition = 0; // in the universe's list of hexes
};

// The worlds within `range` parsecs (clamped to 1-6) of the origin, in the
// universe's hex order, the origin itself left out; hexes without a main world
// are no destination. `index` must have been built from `hexes`.
std::vector<MarketDestination> marketDestinations(std::span<const core::HexData> hexes,
                                                  const core::HexBlockIndex& index,
                                                  const core::GalacticCoordinates& origin,
                                                  int range);

} // namespace velmora::trade
