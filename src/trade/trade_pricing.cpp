#include "trade/trade_pricing.h"

#include "trade/trade_market.h"
#include "trade/trade_skill_set.h"
#include "trade/trade_tables.h"

#include <algorithm>
#include <cstdlib>

namespace velmora::trade {

namespace {

bool appliesAt(const TradeModifierSubject& subject, const TradeWorldProfile& world) {
    switch (subject.kind) {
    case TradeModifierSubject::Kind::tradeCode:
        return world.has(subject.code);
    case TradeModifierSubject::Kind::amberZone:
        return world.zone == TradeWorldProfile::Zone::amber;
    case TradeModifierSubject::Kind::redZone:
        return world.zone == TradeWorldProfile::Zone::red;
    }
    return false;
}

TradeQuote quote(const TradeGood& good, int dice, std::vector<TradeQuote::Component> components,
                 bool buying) {
    TradeQuote made;
    made.dice = dice;
    for (const auto& component : components)
        made.modifier += component.value;
    made.components = std::move(components);
    const PricePercents percents = modifiedPricePercent(made.result());
    made.percent = buying ? percents.purchase : percents.sale;
    made.pricePerTon =
        static_cast<int>(static_cast<long long>(good.basePrice) * made.percent / 100);
    return made;
}

} // namespace

int applicableDM(const ShortList<TradeDM, 6>& modifiers, const TradeWorldProfile& world) {
    std::optional<int> best;
    for (const TradeDM& modifier : modifiers)
        if (appliesAt(modifier.subject, world))
            best = std::max(best.value_or(modifier.value), modifier.value);
    return best.value_or(0);
}

int purchaseDM(const TradeGood& good, const TradeWorldProfile& world) {
    return applicableDM(good.purchaseDMs, world);
}

int saleDM(const TradeGood& good, const TradeWorldProfile& world) {
    const int applicable = applicableDM(good.saleDMs, world);
    if (!good.bannedAtLawLevel)
        return applicable;
    return std::max(applicable, std::abs(world.lawLevel - *good.bannedAtLawLevel));
}

TradeQuote purchaseQuote(const TradeGood& good, const TradeWorldProfile& world, int broker,
                         int supplierBroker, int dice) {
    return quote(good, dice,
                 {{"Broker", broker},
                  {"Purchase DM (" + std::string(good.name) + ")", purchaseDM(good, world)},
                  {"Sale DM (here)", -saleDM(good, world)},
                  {"Supplier's Broker", -supplierBroker}},
                 true);
}

TradeQuote saleQuote(const TradeGood& good, const TradeWorldProfile& world, int broker,
                     int buyerBroker, int dice) {
    return quote(good, dice,
                 {{"Broker", broker},
                  {"Sale DM (" + std::string(good.name) + ")", saleDM(good, world)},
                  {"Purchase DM (there)", -purchaseDM(good, world)},
                  {"Buyer's Broker", -buyerBroker}},
                 false);
}

int buyerDM(const TradeSkillSet& seller, const TradeWorldProfile& world, int attemptsThisMonth) {
    return std::max({seller.broker, seller.streetwise, seller.carouse}) +
           starportDealingDM(world.starport) - attemptsThisMonth;
}

std::vector<CargoProspect> cargoProspects(const CargoOffer& offer, int broker,
                                          int supplierBrokerSkill,
                                          const std::vector<ProspectDestination>& destinations) {
    std::vector<CargoProspect> prospects;
    const TradeGood* good = tradeGood(offer.goodD66);
    if (!good)
        return prospects;
    const long long tons = offer.tons;
    const auto revenue = [&](int result) {
        return tons *
               (static_cast<long long>(good->basePrice) * modifiedPricePercent(result).sale / 100);
    };
    prospects.reserve(destinations.size());
    for (const ProspectDestination& destination : destinations) {
        const int modifier = broker + saleDM(*good, destination.world) -
                             purchaseDM(*good, destination.world) - supplierBrokerSkill;
        CargoProspect prospect;
        prospect.destination = destination.world;
        prospect.parsecs = destination.parsecs;
        prospect.purchaseCost = tons * offer.purchasePricePerTon;
        prospect.expectedRevenue = revenue(modifier + averageRoll3D);
        prospect.bestRevenue = revenue(modifier + bestRoll3D);
        prospect.worstRevenue = revenue(modifier + worstRoll3D);
        prospects.push_back(std::move(prospect));
    }
    return prospects;
}

std::vector<CargoProspect> cargoProspects(const CargoOffer& offer, int broker,
                                          int supplierBrokerSkill,
                                          const std::vector<MarketDestination>& destinations) {
    std::vector<ProspectDestination> worlds;
    worlds.reserve(destinations.size());
    for (const MarketDestination& destination : destinations)
        worlds.push_back({destination.world, destination.parsecs});
    return cargoProspects(offer, broker, supplierBrokerSkill, worlds);
}

} // namespace velmora::trade
