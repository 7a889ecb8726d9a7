#pragma once

#include "core/hex_block_index.h"
#include "core/hex_data.h"
#include "trade/market_destinations.h"
#include "trade/trade_market.h"
#include "trade/trade_roller.h"
#include "trade/trade_skill_set.h"
#include "trade/trade_world_profile.h"

#include <optional>
#include <set>
#include <span>
#include <string>
#include <vector>

namespace velmora::trade {

inline const std::set<TradeCategory> allTradeCategories = {
    TradeCategory::passengers, TradeCategory::freight, TradeCategory::mail, TradeCategory::cargo};

// Everything a market is generated from.
struct MarketRequest {
    std::span<const core::HexData> hexes; // the universe's, in its order
    // Built from `hexes`; when null, generateMarket builds one for the call.
    const core::HexBlockIndex* index = nullptr;
    core::GalacticCoordinates coordinates;
    core::UniverseDate date;
    TradeInputs inputs;
    // The world's market so far: the categories not rolled keep its offers and checks.
    const TradeMarket* previous = nullptr;
    TradeSkillSet negotiator; // resolved from inputs.negotiator
    TradeSkillSet steward;    // resolved from inputs.steward
    std::set<TradeCategory> categories = allTradeCategories;
    bool blackMarket = false;
    bool shipArmed = false;
    int range = 2;
    // Written into every check, after the step's name ("Mail — Regina, 001-1105").
    std::string label;
};

// The world's new market; nothing when the coordinates are no occupied hex with a
// main world.
std::optional<TradeMarket> generateMarket(const MarketRequest& request, const TradeRoller& roller);

// The target of the supplier, black-market and mail checks.
inline constexpr int supplierTarget = 8;
inline constexpr int mailTarget = 12;

// The Social Standing DM of the mail check.
int socialStandingDM(int socialStanding);

// "No supplier found this attempt — ..." and the black-market counterpart: what
// a view says when the market's last search failed; empty when it did not.
std::string supplierNotice(const TradeMarket& market);
std::string blackMarketNotice(const TradeMarket& market);

// Texts the trade view shows.
inline constexpr const char* sameMonthNotice =
    "This market was generated this same month \u2014 the rules intend roughly a monthly refresh.";
inline constexpr const char* keepingPreviousResultText =
    "won't reroll \u2014 keeping its previous result";

// Whether `market` was generated in the trade month of `today`.
bool generatedThisMonth(const TradeMarket& market, const core::UniverseDate& today);

} // namespace velmora::trade
