#include "trade/market_generation.h"

#include "trade/trade_good.h"
#include "trade/trade_pricing.h"
#include "trade/trade_tables.h"

#include <algorithm>
#include <map>

namespace velmora::trade {

namespace {

using Step = TradeCheck::Step;

// Rolls one 2D check, or takes the total a player entered, and records it.
struct CheckMaker {
    const TradeRoller& roller;
    const TradeManualRolls& manual;
    const std::string& label;
    std::vector<TradeCheck>& checks;

    const TradeCheck& make(Step step, int modifier, std::optional<int> target) {
        const ManualRollField& field = manualRollFieldFor(step);
        const std::optional<int> entered = manual.*field.roll;
        TradeCheck check;
        check.step = step;
        check.source = entered ? TradeCheck::Source::entered : TradeCheck::Source::rolled;
        check.diceCount = 2;
        check.dice = entered ? *entered : roller.roll2D(0);
        check.modifier = modifier;
        check.target = target;
        check.label = std::string(displayName(step));
        if (!label.empty())
            check.label += " \u2014 " + label;
        checks.push_back(std::move(check));
        return checks.back();
    }

    static const ManualRollField& manualRollFieldFor(Step step) {
        for (const ManualRollField& field : manualRollFields)
            if (field.step == step)
                return field;
        return manualRollFields.front(); // every step made here has a field
    }
};

int rollDice(const TradeRoller& roller, int count) {
    return count > 0 ? roller.rollND(count, 0) : 0;
}

bool wants(const MarketRequest& request, TradeCategory category) {
    return request.categories.contains(category);
}

bool isStepOf(Step step, TradeCategory category) {
    switch (category) {
    case TradeCategory::passengers:
        return step >= Step::passengersHigh && step <= Step::passengersLow;
    case TradeCategory::freight:
        return step >= Step::freightMajor && step <= Step::freightIncidental;
    case TradeCategory::mail:
        return step == Step::mail;
    case TradeCategory::cargo:
        return step == Step::supplier || step == Step::blackMarketSupplier;
    }
    return false;
}

// The previous market's checks of a category that is not rolled this time.
void keepChecks(const TradeMarket* previous, TradeCategory category,
                std::vector<TradeCheck>& checks) {
    if (!previous)
        return;
    for (const TradeCheck& check : previous->checks)
        if (isStepOf(check.step, category))
            checks.push_back(check);
}

int negotiatingSkill(const TradeSkillSet& skills) {
    return std::max({skills.broker, skills.streetwise, skills.carouse});
}

void passengers(const MarketRequest& request, const TradeWorldProfile& origin,
                const std::vector<MarketDestination>& destinations, CheckMaker& checks,
                TradeMarket& market) {
    struct Class {
        PassageClass passage;
        Step step;
        int dm;
    };
    static constexpr Class classes[] = {{PassageClass::high, Step::passengersHigh, -4},
                                        {PassageClass::middle, Step::passengersMiddle, 0},
                                        {PassageClass::basic, Step::passengersBasic, 0},
                                        {PassageClass::low, Step::passengersLow, 1}};
    const int base = negotiatingSkill(request.negotiator) +
                     std::max(request.negotiator.steward, request.steward.steward) +
                     passengerTrafficDM(origin);
    for (const Class& passage : classes) {
        const TradeCheck& check = checks.make(passage.step, base + passage.dm, std::nullopt);
        const int total = check.total();
        for (const MarketDestination& destination : destinations) {
            const int result =
                total + passengerTrafficDM(destination.world) - (destination.parsecs - 1);
            const int count = rollDice(checks.roller, trafficDice(result));
            const auto fare = passagePrice(destination.parsecs, passage.passage);
            if (count < 1 || !fare)
                continue;
            PassengerOffer offer;
            offer.destination = destination.world.coordinates;
            offer.passageClass = passage.passage;
            offer.count = count;
            offer.creditsEach = *fare;
            market.passengerOffers.push_back(std::move(offer));
        }
    }
}

void freight(const MarketRequest& request, const TradeWorldProfile& origin,
             const std::vector<MarketDestination>& destinations, CheckMaker& checks,
             TradeMarket& market) {
    struct Size {
        FreightLot::Size size;
        Step step;
        int dm;
        int tonsPerPip;
    };
    static constexpr Size sizes[] = {{FreightLot::Size::major, Step::freightMajor, -4, 10},
                                     {FreightLot::Size::minor, Step::freightMinor, 0, 5},
                                     {FreightLot::Size::incidental, Step::freightIncidental, 2, 1}};
    const int base = negotiatingSkill(request.negotiator) + freightTrafficDM(origin);
    for (const Size& size : sizes) {
        const TradeCheck& check = checks.make(size.step, base + size.dm, std::nullopt);
        const int total = check.total();
        for (const MarketDestination& destination : destinations) {
            const int result =
                total + freightTrafficDM(destination.world) - (destination.parsecs - 1);
            const int lots = rollDice(checks.roller, trafficDice(result));
            const auto rate = freightPricePerTon(destination.parsecs);
            if (lots < 1 || !rate)
                continue;
            for (int i = 0; i < lots; ++i) {
                FreightLot lot;
                lot.destination = destination.world.coordinates;
                lot.size = size.size;
                lot.tons = checks.roller.rollND(1, 0) * size.tonsPerPip;
                lot.creditsPerTon = *rate;
                market.freightLots.push_back(std::move(lot));
            }
        }
    }
}

void mail(const MarketRequest& request, const TradeWorldProfile& origin, CheckMaker& checks,
          TradeMarket& market) {
    const TradeSkillSet& n = request.negotiator;
    const int modifier = mailDM(freightTrafficDM(origin)) + (request.shipArmed ? 2 : 0) +
                         std::max(n.navalRank, n.scoutRank) + socialStandingDM(n.socialStanding) -
                         (origin.techLevel < 6 ? 4 : 0);
    const TradeCheck& check = checks.make(Step::mail, modifier, mailTarget);
    market.mailContainers = check.succeeded() ? checks.roller.rollND(1, 0) : 0;
}

// Tons per row of the goods the supplier (and the contact) turned up.
class GoodsFound {
public:
    GoodsFound(const TradeRoller& roller, int population) : m_roller(roller) {
        if (population <= 3)
            m_populationDM = -3;
        else if (population >= 9)
            m_populationDM = 3;
    }

    void add(const TradeGood& good) {
        const int rolled = std::max(m_roller.rollND(good.tonsDice, m_populationDM), 0);
        m_tons[good.d66] += rolled * good.tonsMultiplier;
    }

    const std::map<int, int>& tons() const { return m_tons; }

private:
    const TradeRoller& m_roller;
    int m_populationDM = 0;
    std::map<int, int> m_tons; // by D66: offers come in table order
};

bool offeredAt(const TradeGood& good, const TradeWorldProfile& world) {
    return std::any_of(good.availability.begin(), good.availability.end(),
                       [&](core::TradeClass code) { return world.has(code); });
}

bool isIllegalRow(int d66) {
    return d66 >= 61 && d66 <= 65;
}

void cargo(const MarketRequest& request, const TradeWorldProfile& origin, CheckMaker& checks,
           TradeMarket& market) {
    const int month = tradeMonth(request.date);
    const TradeMarket* previous = request.previous;
    const int dealingDM = starportDealingDM(origin.starport);
    if (previous) {
        market.supplierAttempts = previous->supplierAttempts;
        market.supplierAttemptsMonth = previous->supplierAttemptsMonth;
        market.blackMarketAttempts = previous->blackMarketAttempts;
        market.blackMarketAttemptsMonth = previous->blackMarketAttemptsMonth;
    }

    // The contact is looked for first, so its check comes first in the list.
    bool contactFound = false;
    if (request.blackMarket) {
        const int earlier =
            market.blackMarketAttemptsMonth == month ? market.blackMarketAttempts : 0;
        const int modifier = std::max(request.negotiator.broker, request.negotiator.streetwise) +
                             dealingDM - earlier;
        contactFound = checks.make(Step::blackMarketSupplier, modifier, supplierTarget).succeeded();
        market.blackMarketAttempts = contactFound ? 0 : earlier + 1;
        market.blackMarketAttemptsMonth = month;
    }

    const TradeSkillSet& n = request.negotiator;
    int skill = std::max(negotiatingSkill(n), 0);
    if (origin.techLevel >= 8)
        skill = std::max(skill, n.admin);
    const int earlier = market.supplierAttemptsMonth == month ? market.supplierAttempts : 0;
    const bool supplierFound =
        checks.make(Step::supplier, skill + dealingDM - earlier, supplierTarget).succeeded();
    market.supplierAttempts = supplierFound ? 0 : earlier + 1;
    market.supplierAttemptsMonth = month;

    GoodsFound goods(checks.roller, origin.population);
    if (supplierFound) {
        for (const TradeGood& good : tradeGoods) {
            if (good.d66 <= 16 || (good.d66 <= 56 && offeredAt(good, origin)))
                goods.add(good);
        }
        for (int i = 0; i < origin.population; ++i) {
            int roll = checks.roller.rollD66();
            // Illegal goods need a contact: without one the roll is made again.
            while (isIllegalRow(roll) && !contactFound)
                roll = checks.roller.rollD66();
            if (const TradeGood* good = tradeGood(roll); good && roll != 66)
                goods.add(*good);
        }
    }
    if (contactFound) {
        for (const TradeGood& good : tradeGoods)
            if (isIllegalRow(good.d66) && offeredAt(good, origin))
                goods.add(good);
        const int row = 60 + checks.roller.rollND(1, 0);
        if (row != 66)
            if (const TradeGood* good = tradeGood(row))
                goods.add(*good);
    }

    for (const auto& [d66, tons] : goods.tons()) {
        if (tons <= 0)
            continue;
        const TradeGood& good = *tradeGood(d66);
        CargoOffer offer;
        offer.goodD66 = d66;
        offer.tons = tons;
        offer.illegal = good.illegal;
        offer.purchasePricePerTon =
            purchaseQuote(good, origin, n.broker, request.inputs.supplierBrokerSkill,
                          checks.roller.roll3D(0))
                .pricePerTon;
        market.cargoOffers.push_back(std::move(offer));
    }
}

} // namespace

std::vector<MarketDestination> marketDestinations(std::span<const core::HexData> hexes,
                                                  const core::HexBlockIndex& index,
                                                  const core::GalacticCoordinates& origin,
                                                  int range) {
    range = std::clamp(range, shortestMarketRange, longestMarketRange);
    std::vector<MarketDestination> destinations;
    const core::Cube centre = origin.cube();
    for (const std::size_t position : index.within(origin, range)) {
        const core::HexData& hex = hexes[position];
        if (hex.coordinates == origin)
            continue;
        if (auto world = tradeWorldProfile(hex))
            destinations.push_back(
                {std::move(*world), core::distance(centre, hex.coordinates.cube()), position});
    }
    return destinations;
}

std::optional<TradeMarket> generateMarket(const MarketRequest& request, const TradeRoller& roller) {
    std::optional<core::HexBlockIndex> ownIndex;
    const core::HexBlockIndex* index = request.index;
    if (!index)
        index = &ownIndex.emplace(request.hexes);

    std::optional<TradeWorldProfile> origin;
    for (const std::size_t position : index->within(request.coordinates, 0)) {
        if (request.hexes[position].coordinates == request.coordinates) {
            origin = tradeWorldProfile(request.hexes[position]);
            break;
        }
    }
    if (!origin)
        return std::nullopt;

    TradeMarket market;
    market.coordinates = request.coordinates;
    market.generatedOn = request.date;
    market.inputs = request.inputs;
    market.blackMarket = request.blackMarket;
    const TradeMarket* previous = request.previous;

    CheckMaker checks{roller, request.inputs.manualRolls, request.label, market.checks};
    std::vector<MarketDestination> destinations;
    if (wants(request, TradeCategory::passengers) || wants(request, TradeCategory::freight))
        destinations =
            marketDestinations(request.hexes, *index, request.coordinates, request.range);

    if (wants(request, TradeCategory::passengers))
        passengers(request, *origin, destinations, checks, market);
    else if (previous) {
        market.passengerOffers = previous->passengerOffers;
        keepChecks(previous, TradeCategory::passengers, market.checks);
    }

    if (wants(request, TradeCategory::freight))
        freight(request, *origin, destinations, checks, market);
    else if (previous) {
        market.freightLots = previous->freightLots;
        keepChecks(previous, TradeCategory::freight, market.checks);
    }

    if (wants(request, TradeCategory::mail))
        mail(request, *origin, checks, market);
    else if (previous) {
        market.mailContainers = previous->mailContainers;
        keepChecks(previous, TradeCategory::mail, market.checks);
    }

    if (wants(request, TradeCategory::cargo))
        cargo(request, *origin, checks, market);
    else if (previous) {
        market.cargoOffers = previous->cargoOffers;
        market.supplierAttempts = previous->supplierAttempts;
        market.supplierAttemptsMonth = previous->supplierAttemptsMonth;
        market.blackMarketAttempts = previous->blackMarketAttempts;
        market.blackMarketAttemptsMonth = previous->blackMarketAttemptsMonth;
        keepChecks(previous, TradeCategory::cargo, market.checks);
    }
    return market;
}

int socialStandingDM(int socialStanding) {
    if (socialStanding <= 2)
        return -2;
    if (socialStanding <= 5)
        return -1;
    if (socialStanding <= 8)
        return 0;
    if (socialStanding <= 11)
        return 1;
    if (socialStanding <= 14)
        return 2;
    return 3;
}

namespace {

const TradeCheck* lastCheck(const TradeMarket& market, Step step) {
    const auto it = std::find_if(market.checks.rbegin(), market.checks.rend(),
                                 [&](const TradeCheck& check) { return check.step == step; });
    return it == market.checks.rend() ? nullptr : &*it;
}

} // namespace

std::string supplierNotice(const TradeMarket& market) {
    const TradeCheck* check = lastCheck(market, Step::supplier);
    if (!check || check->succeeded())
        return {};
    return "No supplier found this attempt \u2014 a further attempt this month takes DM\u22121. "
           "Regenerate to try again.";
}

std::string blackMarketNotice(const TradeMarket& market) {
    const TradeCheck* check = lastCheck(market, Step::blackMarketSupplier);
    if (!check || check->succeeded())
        return {};
    return "No black-market contact found this attempt \u2014 a further attempt this month takes "
           "DM\u22121. Regenerate to try again.";
}

bool generatedThisMonth(const TradeMarket& market, const core::UniverseDate& today) {
    return tradeMonth(market.generatedOn) == tradeMonth(today);
}

} // namespace velmora::trade
