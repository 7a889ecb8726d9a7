#include "campaign/manifest_operations.h"

#include "campaign/gamemastering.h"
#include "trade/trade_good.h"
#include "trade/trade_market.h"
#include "trade/trade_world_profile.h"
#include "universe/ridivivev_izeviduv.h"

#include <algorithm>
#include <cmath>
#include <sstream>

namespace velmora::campaign {

using trade::ManifestEntry;
using trade::ShipManifest;
using Tank = trade::ShipManifest::AuxiliaryTank;

namespace {

std::string counted(long long count, const std::string& noun) {
    return std::to_string(count) + " " + noun + (count == 1 ? "" : "s");
}

std::string cr(core::Credits amount) {
    return core::creditsText(amount);
}

std::string signedText(int value) {
    return (value < 0 ? "" : "+") + std::to_string(value);
}

const ManifestEntry* findEntry(const ShipManifest& manifest, const core::Uuid& id) {
    for (const ManifestEntry& entry : manifest.entries)
        if (entry.id == id)
            return &entry;
    return nullptr;
}

ShipManifest without(ShipManifest manifest, const core::Uuid& id) {
    std::erase_if(manifest.entries, [&](const ManifestEntry& entry) { return entry.id == id; });
    return manifest;
}

constexpr const char* entryGoneText = "That entry is no longer aboard.";
constexpr const char* offerGoneText = "That offer is no longer in this world's market.";

// A new entry taken on at the market's world today.
ManifestEntry newEntry(const MarketSide& side, ManifestEntry::Kind kind) {
    ManifestEntry entry;
    entry.id = core::Uuid::generate();
    entry.kind = kind;
    entry.origin = side.market.coordinates;
    entry.originName = side.originName;
    entry.acceptedOn = side.campaign.date;
    return entry;
}

// The manifest the market's entries go into: booked against the campaign's ship.
ShipManifest manifestFor(const MarketSide& side) {
    ShipManifest manifest = side.campaign.manifest;
    if (manifest.entries.empty())
        manifest.shipDesignID = side.campaign.shipDesignID;
    return manifest;
}

// "(3D 10 + 2 = 12: 80%)", what the price came from.
std::string quoteDetail(const trade::TradeQuote& quote) {
    return "3D " + std::to_string(quote.dice) + " " + (quote.modifier < 0 ? "- " : "+ ") +
           std::to_string(std::abs(quote.modifier)) + " = " + std::to_string(quote.result()) +
           ": " + std::to_string(quote.percent) + "%";
}

TradeAction action(std::string title, std::string message, core::Credits change,
                   ShipManifest manifest) {
    TradeAction made;
    made.title = std::move(title);
    made.message = std::move(message);
    made.creditChange = change;
    made.manifest = std::move(manifest);
    return made;
}

TradePlan planned(TradeAction made) {
    return {std::move(made), {}};
}

template <typename Manifest>
auto& refinedRef(Manifest& manifest, Tank tank) {
    switch (tank) {
    case Tank::dropTank:
        return manifest.dropTankRefinedFuelTons;
    case Tank::collapsibleTank:
        return manifest.collapsibleTankRefinedFuelTons;
    case Tank::container:
        break;
    }
    return manifest.containerRefinedFuelTons;
}

template <typename Manifest>
auto& unrefinedRef(Manifest& manifest, Tank tank) {
    switch (tank) {
    case Tank::dropTank:
        return manifest.dropTankUnrefinedFuelTons;
    case Tank::collapsibleTank:
        return manifest.collapsibleTankUnrefinedFuelTons;
    case Tank::container:
        break;
    }
    return manifest.containerUnrefinedFuelTons;
}

std::string tonsText(double tons) {
    std::ostringstream out;
    out << std::round(tons * 100) / 100;
    return out.str();
}

} // namespace

WorldNameLookup worldNames(const universe::RidivivevIzeviduv& universe) {
    return [&universe](const core::GalacticCoordinates& at) -> std::optional<std::string> {
        const core::HexData* hex = universe.hexAt(at);
        const auto world = hex ? trade::tradeWorldProfile(*hex) : std::nullopt;
        if (!world)
            return std::nullopt;
        return trade::marketWorldName(*world);
    };
}

std::string goodName(std::optional<int> d66) {
    const trade::TradeGood* good = d66 ? trade::tradeGood(*d66) : nullptr;
    return good ? std::string(good->name) : std::string("Unknown Good");
}

std::string entryDescription(const ManifestEntry& entry) {
    switch (entry.kind) {
    case ManifestEntry::Kind::passengers:
        return std::to_string(entry.count) + " \u00d7 " +
               (entry.passageClass ? std::string(trade::displayName(*entry.passageClass))
                                   : std::string("Passage"));
    case ManifestEntry::Kind::freight:
        return std::to_string(entry.tons) + " tons freight";
    case ManifestEntry::Kind::mail:
        return counted(entry.containers, "mail container");
    case ManifestEntry::Kind::cargo:
        break;
    }
    return std::to_string(entry.tons) + " tons " + goodName(entry.goodD66);
}

std::string mailOfferText(int containers) {
    return std::to_string(containers) +
           " available \u2014 Cr25,000 each, 5 tons each, all-or-none.";
}

core::Credits amountDue(const ManifestEntry& entry) {
    if (entry.revenueCollected)
        return 0;
    switch (entry.kind) {
    case ManifestEntry::Kind::freight:
        return core::multiplyCredits(entry.creditsPerUnit, entry.tons);
    case ManifestEntry::Kind::mail:
        return core::multiplyCredits(entry.creditsPerUnit, entry.containers);
    case ManifestEntry::Kind::passengers:
    case ManifestEntry::Kind::cargo:
        break;
    }
    return 0;
}

TradePlan bookPassengers(const MarketSide& side, const core::Uuid& offerID) {
    trade::TradeMarket market = side.market;
    const auto offer =
        std::find_if(market.passengerOffers.begin(), market.passengerOffers.end(),
                     [&](const trade::PassengerOffer& o) { return o.id == offerID; });
    if (offer == market.passengerOffers.end())
        return TradePlan::refused(offerGoneText);
    const auto destinationName = side.names(offer->destination);
    if (!destinationName)
        return TradePlan::refused("The destination of these passengers, " +
                                  offer->destination.description() +
                                  ", no longer exists in this universe.");
    const BerthCategory category = berthCategory(offer->passageClass);
    int count = offer->count;
    if (side.capacity) {
        const int free = freeBerths(*side.capacity, side.campaign.manifest, category);
        if (free == 0)
            return TradePlan::refused("No free " + std::string(berthCategoryName(category)) +
                                      " berths aboard.");
        count = std::min(count, free);
    }
    ManifestEntry entry = newEntry(side, ManifestEntry::Kind::passengers);
    entry.destination = offer->destination;
    entry.destinationName = *destinationName;
    entry.passageClass = offer->passageClass;
    entry.count = count;
    entry.creditsPerUnit = offer->creditsEach;
    entry.revenueCollected = true;
    const core::Credits total = core::multiplyCredits(offer->creditsEach, count);
    std::string message = counted(count, "passenger") + " booked " +
                          std::string(trade::displayName(offer->passageClass)) + " to " +
                          *destinationName + ", " + cr(offer->creditsEach) + " each \u2014 **" +
                          cr(total) + " total**";
    if (count < offer->count)
        message += " \u2014 ship capacity allowed only " + std::to_string(count) + " of " +
                   std::to_string(offer->count) + ", " + std::to_string(offer->count - count) +
                   " still seeking passage.";
    else
        message += ".";
    if (count < offer->count)
        offer->count -= count;
    else
        market.passengerOffers.erase(offer);
    ShipManifest manifest = manifestFor(side);
    manifest.entries.push_back(std::move(entry));
    TradeAction made = action("Passengers Booked", std::move(message), total, std::move(manifest));
    made.market = std::move(market);
    return planned(std::move(made));
}

TradePlan acceptFreight(const MarketSide& side, const core::Uuid& lotID) {
    trade::TradeMarket market = side.market;
    const auto lot = std::find_if(market.freightLots.begin(), market.freightLots.end(),
                                  [&](const trade::FreightLot& l) { return l.id == lotID; });
    if (lot == market.freightLots.end())
        return TradePlan::refused(offerGoneText);
    const auto destinationName = side.names(lot->destination);
    if (!destinationName)
        return TradePlan::refused("The destination of this freight, " +
                                  lot->destination.description() +
                                  ", no longer exists in this universe.");
    if (side.capacity && lot->tons > freeCargoTons(*side.capacity, side.campaign.manifest))
        return TradePlan::refused(exceedsCargoSpaceText);
    ManifestEntry entry = newEntry(side, ManifestEntry::Kind::freight);
    entry.destination = lot->destination;
    entry.destinationName = *destinationName;
    entry.tons = lot->tons;
    entry.creditsPerUnit = lot->creditsPerTon;
    const core::Credits total = core::multiplyCredits(lot->creditsPerTon, lot->tons);
    std::string message = std::to_string(lot->tons) + " tons of " +
                          std::string(trade::rawValue(lot->size)) + " freight accepted for " +
                          *destinationName + ", " + cr(lot->creditsPerTon) + "/ton \u2014 **" +
                          cr(total) + " total due on delivery**.";
    market.freightLots.erase(lot);
    ShipManifest manifest = manifestFor(side);
    manifest.entries.push_back(std::move(entry));
    TradeAction made = action("Freight Accepted", std::move(message), 0, std::move(manifest));
    made.market = std::move(market);
    return planned(std::move(made));
}

TradePlan acceptMail(const MarketSide& side,
                     const std::optional<core::GalacticCoordinates>& destination) {
    const int containers = side.market.mailContainers;
    if (containers <= 0)
        return TradePlan::refused("This market has no mail on offer.");
    std::optional<std::string> destinationName;
    if (destination) {
        destinationName = side.names(*destination);
        if (!destinationName)
            return TradePlan::refused("The destination " + destination->description() +
                                      " no longer exists in this universe.");
    }
    const int tons = containers * mailTonsPerContainer;
    if (side.capacity && tons > freeCargoTons(*side.capacity, side.campaign.manifest))
        return TradePlan::refused(exceedsCargoSpaceText);
    ManifestEntry entry = newEntry(side, ManifestEntry::Kind::mail);
    entry.destination = destination;
    entry.destinationName = destinationName.value_or(unspecifiedDestinationText);
    entry.containers = containers;
    entry.tons = tons;
    entry.creditsPerUnit = mailCreditsPerContainer;
    const core::Credits total = core::multiplyCredits(mailCreditsPerContainer, containers);
    std::string message = counted(containers, "mail container") + " accepted for " +
                          destinationName.value_or("an unspecified destination") +
                          ", Cr25000 each \u2014 **" + cr(total) + " total due on delivery**.";
    trade::TradeMarket market = side.market;
    market.mailContainers = 0;
    ShipManifest manifest = manifestFor(side);
    manifest.entries.push_back(std::move(entry));
    TradeAction made = action("Mail Contract", std::move(message), 0, std::move(manifest));
    made.market = std::move(market);
    return planned(std::move(made));
}

TradePlan buyCargo(const MarketSide& side, const core::Uuid& offerID, int tons,
                   const trade::TradeQuote& quote, const trade::TradeCheck& check) {
    trade::TradeMarket market = side.market;
    const auto offer = std::find_if(market.cargoOffers.begin(), market.cargoOffers.end(),
                                    [&](const trade::CargoOffer& o) { return o.id == offerID; });
    if (offer == market.cargoOffers.end())
        return TradePlan::refused(offerGoneText);
    if (!trade::tradeGood(offer->goodD66))
        return TradePlan::refused("Unknown Good: row " + std::to_string(offer->goodD66) +
                                  " is not in the goods table.");
    if (tons <= 0)
        return TradePlan::refused("Enter how many tons to buy.");
    if (tons > offer->tons)
        return TradePlan::refused("The supplier offers only " + std::to_string(offer->tons) +
                                  " tons.");
    if (side.capacity) {
        const int free = freeCargoTons(*side.capacity, side.campaign.manifest);
        if (tons > free)
            return TradePlan::refused("Only " + std::to_string(free) +
                                      " tons of cargo space are free.");
    }
    ManifestEntry entry = newEntry(side, ManifestEntry::Kind::cargo);
    entry.tons = tons;
    entry.creditsPerUnit = quote.pricePerTon;
    entry.goodD66 = offer->goodD66;
    entry.illegal = offer->illegal;
    entry.revenueCollected = true;
    const core::Credits total = core::multiplyCredits(quote.pricePerTon, tons);
    std::string message = std::to_string(tons) + " tons of " + goodName(offer->goodD66) +
                          " purchased at " + cr(quote.pricePerTon) + "/ton (" + quoteDetail(quote) +
                          ") \u2014 **" + cr(total) + " total**.";
    if (tons < offer->tons)
        offer->tons -= tons;
    else
        market.cargoOffers.erase(offer);
    market.checks.push_back(check);
    ShipManifest manifest = manifestFor(side);
    manifest.entries.push_back(std::move(entry));
    TradeAction made = action("Cargo Purchased", std::move(message), -total, std::move(manifest));
    made.market = std::move(market);
    return planned(std::move(made));
}

TradePlan deliverEntry(const Campaign& campaign, const core::Uuid& entryID) {
    const ManifestEntry* entry = findEntry(campaign.manifest, entryID);
    if (!entry)
        return TradePlan::refused(entryGoneText);
    if (entry->kind == ManifestEntry::Kind::cargo)
        return TradePlan::refused("Cargo is sold, not delivered: use Sell\u2026 or Jettison.");
    const core::Credits amount = amountDue(*entry);
    return planned(
        action("Delivered",
               entryDescription(*entry) + " delivered \u2014 **" + cr(amount) + " collected**.",
               amount, without(campaign.manifest, entryID)));
}

TradePlan sellCargo(const Campaign& campaign, const core::Uuid& entryID, int tons,
                    const trade::TradeQuote& quote) {
    const ManifestEntry* entry = findEntry(campaign.manifest, entryID);
    if (!entry)
        return TradePlan::refused(entryGoneText);
    if (entry->kind != ManifestEntry::Kind::cargo)
        return TradePlan::refused("Only speculative cargo is sold.");
    if (!entry->goodD66 || !trade::tradeGood(*entry->goodD66))
        return TradePlan::refused("Unknown Good: this cargo's row is not in the goods table, "
                                  "so it can't be priced.");
    if (tons <= 0)
        return TradePlan::refused("Enter how many tons to sell.");
    if (tons > entry->tons)
        return TradePlan::refused("Only " + std::to_string(entry->tons) + " tons of " +
                                  goodName(entry->goodD66) + " are aboard.");
    const core::Credits total = core::multiplyCredits(quote.pricePerTon, tons);
    const core::Credits cost = core::multiplyCredits(entry->creditsPerUnit, tons);
    const core::Credits profit = total - cost;
    std::string message = std::to_string(tons) + " tons of " + goodName(entry->goodD66) +
                          " sold at " + cr(quote.pricePerTon) + "/ton (" + quoteDetail(quote) +
                          ") \u2014 **" + cr(total) + " total**, " +
                          (profit < 0 ? "a loss of " + cr(-profit) : "a profit of " + cr(profit)) +
                          " against " + cr(cost) + " paid.";
    ShipManifest manifest = campaign.manifest;
    if (tons == entry->tons) {
        manifest = without(std::move(manifest), entryID);
    } else {
        for (ManifestEntry& aboard : manifest.entries)
            if (aboard.id == entryID)
                aboard.tons -= tons;
    }
    return planned(action("Cargo Sold", std::move(message), total, std::move(manifest)));
}

TradePlan recordFailedBuyerAttempt(const Campaign& campaign, const core::Uuid& entryID,
                                   const trade::TradeCheck& check, int month) {
    if (!findEntry(campaign.manifest, entryID))
        return TradePlan::refused(entryGoneText);
    ShipManifest manifest = campaign.manifest;
    std::string description;
    int attempts = 0;
    for (ManifestEntry& entry : manifest.entries) {
        if (entry.id != entryID)
            continue;
        entry.buyerAttempts = (entry.buyerAttemptsMonth == month ? entry.buyerAttempts : 0) + 1;
        entry.buyerAttemptsMonth = month;
        attempts = entry.buyerAttempts;
        description = entryDescription(entry);
    }
    return planned(action("No Buyer Found",
                          "No buyer found for " + description + " (2D " +
                              std::to_string(check.dice) + " " + signedText(check.modifier) +
                              " against 8) \u2014 " + counted(attempts, "failed attempt") +
                              " this month.",
                          0, std::move(manifest)));
}

std::string jettisonQuestion(const ManifestEntry& entry) {
    return "Jettison " + entryDescription(entry) + "? This can't be undone and pays nothing.";
}

TradePlan jettisonEntry(const Campaign& campaign, const core::Uuid& entryID) {
    const ManifestEntry* entry = findEntry(campaign.manifest, entryID);
    if (!entry)
        return TradePlan::refused(entryGoneText);
    return planned(action("Jettisoned",
                          entryDescription(*entry) + " jettisoned. No credits changed hands.", 0,
                          without(campaign.manifest, entryID)));
}

double refinedFuel(const ShipManifest& manifest, Tank tank) {
    return refinedRef(manifest, tank);
}

double unrefinedFuel(const ShipManifest& manifest, Tank tank) {
    return unrefinedRef(manifest, tank);
}

std::string fuelText(double refined, double unrefined) {
    return tonsText(refined) + "t refined, " + tonsText(unrefined) + "t unrefined";
}

std::string jettisonFuelQuestion(Tank tank) {
    return "Jettison all fuel from the " + std::string(trade::displayName(tank)) +
           "? This can't be undone.";
}

TradePlan jettisonAuxiliaryFuel(const Campaign& campaign, Tank tank) {
    ShipManifest manifest = campaign.manifest;
    const double tons = refinedRef(manifest, tank) + unrefinedRef(manifest, tank);
    const std::string name(trade::displayName(tank));
    if (tons <= 0)
        return TradePlan::refused("The " + name + " holds no fuel.");
    refinedRef(manifest, tank) = 0;
    unrefinedRef(manifest, tank) = 0;
    return planned(action("Jettisoned fuel from " + name,
                          tonsText(tons) + " tons of fuel jettisoned from the " + name +
                              ". No credits changed hands.",
                          0, std::move(manifest)));
}

TradePlan jettisonDropTank(const Campaign& campaign) {
    if (campaign.manifest.dropTankJettisoned)
        return TradePlan::refused("The drop tank has already been jettisoned.");
    ShipManifest manifest = campaign.manifest;
    manifest.dropTankJettisoned = true;
    manifest.dropTankRefinedFuelTons = 0;
    manifest.dropTankUnrefinedFuelTons = 0;
    return planned(action("Drop Tank Jettisoned", "Drop tank jettisoned.", 0, std::move(manifest)));
}

TradePlan moveFuelToMainTanks(const Campaign& campaign, const ShipCapacity& capacity, Tank tank) {
    const std::string name(trade::displayName(tank));
    if (tank == Tank::dropTank)
        return TradePlan::refused("The drop tank's fuel feeds the jump directly.");
    ShipManifest manifest = campaign.manifest;
    double room = std::max(
        capacity.mainFuelTons - manifest.refinedFuelTons - manifest.unrefinedFuelTons, 0.0);
    if (refinedRef(manifest, tank) + unrefinedRef(manifest, tank) <= 0)
        return TradePlan::refused("The " + name + " holds no fuel.");
    if (room <= 0)
        return TradePlan::refused("The main tanks are full.");
    // Refined fuel first: it is what the drives want.
    const double refined = std::min(refinedRef(manifest, tank), room);
    room -= refined;
    const double unrefined = std::min(unrefinedRef(manifest, tank), room);
    refinedRef(manifest, tank) -= refined;
    unrefinedRef(manifest, tank) -= unrefined;
    manifest.refinedFuelTons += refined;
    manifest.unrefinedFuelTons += unrefined;
    return planned(action("Fuel Moved",
                          tonsText(refined + unrefined) + " tons of fuel moved from the " + name +
                              " to the main tanks.",
                          0, std::move(manifest)));
}

std::string dropTankHelp(int techLevel) {
    return "Jumping on drop tank fuel applies DM-15 + TL" + std::to_string(techLevel) +
           " to the Engineer (J-drive) check. Once empty, jettison to shed its mass \u2014 a "
           "jettisoned tank can never be filled again.";
}

const FuelSourceTerms& fuelSourceTerms(FuelSource source) {
    for (const FuelSourceTerms& terms : fuelSources)
        if (terms.source == source)
            return terms;
    return fuelSources.front();
}

std::string fuelTankName(const FuelTank& tank) {
    return tank ? std::string(trade::displayName(*tank)) : std::string("Main Tanks");
}

double fuelRoom(const ShipCapacity& capacity, const ShipManifest& manifest, const FuelTank& tank) {
    if (!tank)
        return std::max(
            capacity.mainFuelTons - manifest.refinedFuelTons - manifest.unrefinedFuelTons, 0.0);
    if (*tank == Tank::dropTank && manifest.dropTankJettisoned)
        return 0;
    return std::max(auxiliaryTankCapacity(capacity, *tank) - refinedRef(manifest, *tank) -
                        unrefinedRef(manifest, *tank),
                    0.0);
}

RefuelPlan addFuel(const Campaign& campaign, const ShipCapacity& capacity, const FuelTank& tank,
                   FuelSource source, double tons) {
    const auto refused = [](std::string why) { return RefuelPlan{TradePlan::refused(why), 0}; };
    const std::string name = fuelTankName(tank);
    if (tank && *tank == Tank::dropTank && campaign.manifest.dropTankJettisoned)
        return refused("The drop tank has been jettisoned and can't be filled again.");
    if (tank && auxiliaryTankCapacity(capacity, *tank) <= 0)
        return refused("This ship has no " + name + ".");
    if (!(tons > 0))
        return refused("Enter how many tons of fuel to add.");
    const double room = fuelRoom(capacity, campaign.manifest, tank);
    // A hair over the room is the spin box's rounding, not more fuel.
    if (tons > room + 1e-9)
        return refused(room <= 0 ? (tank ? "The " + name + " is full." : "The main tanks are full.")
                                 : "Only " + tonsText(room) + " tons of room in the " +
                                       (tank ? name : std::string("main tanks")) + ".");
    tons = std::min(tons, room);
    const FuelSourceTerms& terms = fuelSourceTerms(source);
    ShipManifest manifest = campaign.manifest;
    double& filled = !tank ? (terms.refined ? manifest.refinedFuelTons : manifest.unrefinedFuelTons)
                     : terms.refined ? refinedRef(manifest, *tank)
                                     : unrefinedRef(manifest, *tank);
    filled += tons;
    // Every tank's share of a full load's time, in whole minutes begun.
    double allTanks = capacity.mainFuelTons;
    for (const Tank aux : {Tank::dropTank, Tank::collapsibleTank, Tank::container})
        if (aux != Tank::dropTank || !manifest.dropTankJettisoned)
            allTanks += auxiliaryTankCapacity(capacity, aux);
    const auto minutes = static_cast<std::int64_t>(
        std::ceil(tons / std::max(allTanks, tons) * terms.minutesForFullLoad - 1e-9));
    const core::Credits cost = std::llround(tons * static_cast<double>(terms.pricePerTon));
    std::string message = tonsText(tons) + " tons of " + (terms.refined ? "refined" : "unrefined") +
                          " fuel added" + (tank ? " to the " + name : std::string()) +
                          ". Time advanced by " + core::durationText(minutes) + ".";
    const std::string title = cost > 0 ? "Fuel Bought (" + cr(cost) + ")" : "Fuel Added";
    return {planned(action(title, std::move(message), -cost, std::move(manifest))), minutes};
}

void applyRefuel(const RefuelPlan& refuel, Campaign& campaign) {
    if (!refuel)
        return;
    applyTradeAction(*refuel.plan.action, campaign);
    campaign.date = campaign.date.adding(refuel.minutes);
}

bool applyRefuel(const RefuelPlan& refuel, Gamemastering& store) {
    const Campaign* selected = store.selectedCampaign();
    if (!selected || !refuel)
        return false;
    const std::string code = selected->code;
    store.edit(code, [&](Campaign& campaign) { applyRefuel(refuel, campaign); });
    return true;
}

TradePlan payMaintenance(const Campaign& campaign, const ShipCapacity& capacity) {
    TradeAction made = action("Ship Maintenance",
                              "Paid " + cr(capacity.maintenancePerMonth) + " in ship maintenance.",
                              -capacity.maintenancePerMonth, campaign.manifest);
    made.maintenanceMonths = 1;
    return planned(std::move(made));
}

TradePlan payLifeSupport(const Campaign& campaign, const ShipCapacity& capacity) {
    TradeAction made =
        action("Life Support", "Paid " + cr(capacity.lifeSupportPerMonth) + " in life support.",
               -capacity.lifeSupportPerMonth, campaign.manifest);
    made.lifeSupportMonths = 1;
    return planned(std::move(made));
}

std::vector<DestinationGroup> groupByDestination(const Campaign& campaign) {
    std::vector<DestinationGroup> groups;
    DestinationGroup unspecified;
    unspecified.name = unspecifiedDestinationText;
    // Where the party is, when it is anywhere.
    const core::GalacticCoordinates* here = campaign.hex ? &campaign.hex->coordinates : nullptr;
    for (const ManifestEntry& entry : campaign.manifest.entries) {
        if (!entry.destination) {
            unspecified.entries.push_back(&entry);
            continue;
        }
        auto group = std::find_if(groups.begin(), groups.end(), [&](const DestinationGroup& g) {
            return g.destination == entry.destination;
        });
        if (group == groups.end()) {
            DestinationGroup made;
            made.destination = entry.destination;
            made.name = entry.destinationName.empty() ? entry.destination->description()
                                                      : entry.destinationName;
            made.here = here && *here == *entry.destination;
            groups.push_back(std::move(made));
            group = std::prev(groups.end());
        }
        group->entries.push_back(&entry);
    }
    if (!unspecified.entries.empty())
        groups.push_back(std::move(unspecified));
    return groups;
}

} // namespace velmora::campaign
