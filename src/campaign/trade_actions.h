#pragma once

#include "campaign/campaign.h"
#include "core/credits.h"
#include "trade/ship_manifest.h"
#include "trade/trade_market.h"

#include <optional>
#include <string>

namespace velmora::campaign {

class Gamemastering;

// One action on the ship's manifest, worked out but not yet done: the manifest it
// leaves, the money it moves, what the journal will say, and the world's market
// when the action takes from it. Working one out changes nothing.
struct TradeAction {
    std::string title;
    std::string message;
    core::Credits creditChange = 0;
    trade::ShipManifest manifest;
    // The market with the offer taken or reduced; nothing when the market is untouched.
    std::optional<trade::TradeMarket> market;
    // Months of upkeep the action pays for.
    int maintenanceMonths = 0;
    int lifeSupportMonths = 0;

    friend bool operator==(const TradeAction&, const TradeAction&) = default;
};

// An action, or why it cannot be done: exactly one of the two is set.
struct TradePlan {
    std::optional<TradeAction> action;
    std::string refusal;

    static TradePlan refused(std::string why) { return {std::nullopt, std::move(why)}; }
    explicit operator bool() const { return action.has_value(); }
};

// Replaces the campaign's manifest with the one given, adds the credit change to
// the common credits, and journals the title and message as a note dated with the
// campaign's date under the next number.
void recordTradeAction(const std::string& title, const std::string& message,
                       core::Credits creditChange, trade::ShipManifest manifest,
                       Campaign& campaign);

// The whole action: recordTradeAction, the upkeep months and the feedback line.
void applyTradeAction(const TradeAction& action, Campaign& campaign);

// The same on the selected campaign of the store, which saves; false when no
// campaign is selected, and then nothing is recorded.
bool applyTradeAction(const TradeAction& action, Gamemastering& store);

} // namespace velmora::campaign
