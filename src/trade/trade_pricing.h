#pragma once

#include "trade/market_destinations.h"
#include "trade/trade_good.h"
#include "trade/trade_world_profile.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::trade {

struct CargoOffer;
struct TradeSkillSet;

// A price worked out from a 3D roll: the roll, what modified it and why, the
// percentage of the base price it gives and the price per ton.
struct TradeQuote {
    struct Component {
        std::string label;
        int value = 0;
        friend bool operator==(const Component&, const Component&) = default;
    };

    int diceCount = 3;
    int dice = 0;
    int modifier = 0; // the sum of the components
    int percent = 100;
    int pricePerTon = 0;
    std::vector<Component> components;

    int result() const { return dice + modifier; }
    long long totalFor(int tons) const { return static_cast<long long>(pricePerTon) * tons; }

    friend bool operator==(const TradeQuote&, const TradeQuote&) = default;
};

// The largest of a good's DMs that apply at the world (its trade codes, its zone),
// or 0 when none does.
int applicableDM(const ShortList<TradeDM, 6>& modifiers, const TradeWorldProfile& world);
int purchaseDM(const TradeGood& good, const TradeWorldProfile& world);
// The sale DM, raised for a good banned at some law level to the distance between
// the world's law level and that level: forbidden goods fetch more the further
// the law is from tolerating them.
int saleDM(const TradeGood& good, const TradeWorldProfile& world);

// Buying `good` at `world`: the trader's Broker, the supplier's Broker and the 3D
// total on the dice.
TradeQuote purchaseQuote(const TradeGood& good, const TradeWorldProfile& world, int broker,
                         int supplierBroker, int dice);
// Selling `good` at `world`: the seller's Broker, the buyer's Broker and the 3D total.
TradeQuote saleQuote(const TradeGood& good, const TradeWorldProfile& world, int broker,
                     int buyerBroker, int dice);

// The DM of the search for a buyer, with the failed attempts of this month (pass 0
// when the lot's attempts belong to another month).
int buyerDM(const TradeSkillSet& seller, const TradeWorldProfile& world, int attemptsThisMonth);
// The buyer search's target.
inline constexpr int buyerTarget = 8;

// What a lot could fetch at one destination, at 3D's average, best and worst rolls.
struct CargoProspect {
    TradeWorldProfile destination;
    int parsecs = 0;
    long long purchaseCost = 0;
    long long expectedRevenue = 0;
    long long bestRevenue = 0;
    long long worstRevenue = 0;

    long long expectedProfit() const { return expectedRevenue - purchaseCost; }

    friend bool operator==(const CargoProspect&, const CargoProspect&) = default;
};

inline constexpr int averageRoll3D = 11;
inline constexpr int bestRoll3D = 18;
inline constexpr int worstRoll3D = 3;

// One prospect for each destination in the order given (the market's destinations
// within its range, with their distances). Nothing for a row outside the goods table.
struct ProspectDestination {
    TradeWorldProfile world;
    int parsecs = 0;
};
std::vector<CargoProspect> cargoProspects(const CargoOffer& offer, int broker,
                                          int supplierBrokerSkill,
                                          const std::vector<ProspectDestination>& destinations);
// The same for the destinations a market found.
std::vector<CargoProspect> cargoProspects(const CargoOffer& offer, int broker,
                                          int supplierBrokerSkill,
                                          const std::vector<MarketDestination>& destinations);

} // namespace velmora::trade
