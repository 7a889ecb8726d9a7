#include "trade/universe_markets.h"

#include "core/decode_error.h"
#include "trade/trade_market_json.h"
#include "trade/trade_world_profile.h"

#include <algorithm>

namespace velmora::trade {

const TradeMarket* UniverseMarkets::at(const core::GalacticCoordinates& coordinates) const {
    const auto it = std::find_if(markets.begin(), markets.end(), [&](const TradeMarket& market) {
        return market.coordinates == coordinates;
    });
    return it == markets.end() ? nullptr : &*it;
}

UniverseMarkets readUniverseMarkets(const universe::UniverseRecord& universe) {
    UniverseMarkets read;
    read.markets.reserve(universe.tradeMarkets.size());
    for (std::size_t i = 0; i < universe.tradeMarkets.size(); ++i) {
        try {
            read.markets.push_back(decodeTradeMarket(universe.tradeMarkets[i]));
        } catch (const core::DecodeError& error) {
            read.markets.clear();
            read.error = "Trade market " + std::to_string(i + 1) + " of " +
                         std::to_string(universe.tradeMarkets.size()) +
                         " could not be read: " + error.what();
            break;
        }
    }
    return read;
}

std::string generateMarketEditName(const std::string& worldName) {
    return "Generate Market at " + worldName;
}

universe::EditResult setTradeMarket(universe::RidivivevIzeviduv& universe,
                                    const TradeMarket& market) {
    const core::HexData* hex = universe.hexAt(market.coordinates);
    const auto world = hex ? tradeWorldProfile(*hex) : std::nullopt;
    if (!world)
        return {"There is no main world at " + market.coordinates.description() +
                " to keep a market for."};
    const UniverseMarkets markets = readUniverseMarkets(universe.record());
    universe::UniverseEdit edit =
        universe.beginEdit(generateMarketEditName(marketWorldName(*world)));
    auto& stored = edit.field(&universe::UniverseRecord::tradeMarkets);
    // The others are kept as they were written, unless they could not be read.
    if (markets.unreadable())
        stored.clear();
    std::string text = encodeTradeMarket(market);
    const auto it =
        std::find_if(markets.markets.begin(), markets.markets.end(),
                     [&](const TradeMarket& old) { return old.coordinates == market.coordinates; });
    if (it == markets.markets.end())
        stored.push_back(std::move(text));
    else
        stored[static_cast<std::size_t>(it - markets.markets.begin())] = std::move(text);
    return universe.apply(std::move(edit));
}

universe::EditResult discardTradeMarket(universe::RidivivevIzeviduv& universe,
                                        const core::GalacticCoordinates& coordinates) {
    const UniverseMarkets markets = readUniverseMarkets(universe.record());
    if (!markets.at(coordinates))
        return {"This world has no generated market to discard."};
    universe::UniverseEdit edit = universe.beginEdit(discardMarketEditName);
    auto& stored = edit.field(&universe::UniverseRecord::tradeMarkets);
    std::vector<std::string> kept;
    for (std::size_t i = 0; i < markets.markets.size(); ++i)
        if (markets.markets[i].coordinates != coordinates)
            kept.push_back(stored[i]);
    stored = std::move(kept);
    return universe.apply(std::move(edit));
}

} // namespace velmora::trade
