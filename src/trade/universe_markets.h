#pragma once

#include "core/galactic_coordinates.h"
#include "trade/trade_market.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_record.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::trade {

// The markets a universe keeps, read all or nothing: when any one of them does not
// decode, the universe has no markets and `error` says why (the file keeps them
// until a market is next stored, and its previous version after that).
struct UniverseMarkets {
    std::vector<TradeMarket> markets;
    std::string error;

    bool unreadable() const { return !error.empty(); }
    // The market of the world at these coordinates, or null.
    const TradeMarket* at(const core::GalacticCoordinates& coordinates) const;
};

UniverseMarkets readUniverseMarkets(const universe::UniverseRecord& universe);

// What the trade view says of markets it could not read.
inline constexpr const char* unreadableMarketsText =
    "This universe's trade markets could not be read, so it has none for now.";

// The edit that stores `market`, replacing the market of its world: "Generate
// Market at Regina", named after the world. Markets the universe could not read
// are dropped by it. Refused for coordinates that hold no world with a market.
universe::EditResult setTradeMarket(universe::RidivivevIzeviduv& universe,
                                    const TradeMarket& market);

// The edit that removes the world's market: "Discard Market".
universe::EditResult discardTradeMarket(universe::RidivivevIzeviduv& universe,
                                        const core::GalacticCoordinates& coordinates);

inline constexpr const char* discardMarketEditName = "Discard Market";
// "Generate Market at " + the world's name.
std::string generateMarketEditName(const std::string& worldName);

} // namespace velmora::trade
