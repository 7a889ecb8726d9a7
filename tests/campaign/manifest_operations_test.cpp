#include "campaign/manifest_operations.h"
#include "campaign/trade_actions.h"
#include "sample_campaign.h"

#include <gtest/gtest.h>
#include <map>

using namespace velmora;
using namespace velmora::campaign;
using trade::ManifestEntry;
using velmora::testing::sampleCampaign;

namespace {

const core::GalacticCoordinates regina{0, 0, 19, 10};
const core::GalacticCoordinates efate{0, 0, 21, 10};
const core::GalacticCoordinates gone{0, 0, 5, 5};

// The market of a world with one offer of each kind, bound two parsecs away.
struct MarketFixture {
    Campaign campaign = sampleCampaign();
    trade::TradeMarket market;
    std::map<core::GalacticCoordinates, std::string> worlds{{regina, "Regina"}, {efate, "Efate"}};
    std::optional<ShipCapacity> capacity;

    MarketFixture() {
        market.coordinates = regina;
        trade::PassengerOffer middle;
        middle.destination = efate;
        middle.passageClass = trade::PassageClass::middle;
        middle.count = 6;
        middle.creditsEach = 10'000; // middle passage, 2 parsecs
        market.passengerOffers.push_back(middle);
        trade::FreightLot lot;
        lot.destination = efate;
        lot.size = trade::FreightLot::Size::minor;
        lot.tons = 20;
        lot.creditsPerTon = 1'600; // 2 parsecs
        market.freightLots.push_back(lot);
        market.mailContainers = 3;
        trade::CargoOffer wood;
        wood.goodD66 = 55;
        wood.tons = 40;
        wood.purchasePricePerTon = 800;
        market.cargoOffers.push_back(wood);
        campaign.commonCredits = 100'000;
    }

    MarketSide side() const {
        return {campaign, market, "Regina", capacity,
                [this](const core::GalacticCoordinates& at) -> std::optional<std::string> {
                    const auto it = worlds.find(at);
                    if (it == worlds.end())
                        return std::nullopt;
                    return it->second;
                }};
    }

    // Does what the plan says, as the views do.
    void apply(const TradePlan& plan) {
        ASSERT_TRUE(plan) << plan.refusal;
        applyTradeAction(*plan.action, campaign);
        if (plan.action->market)
            market = *plan.action->market;
    }
};

ShipCapacity shipWith(int middleBasicBerths, int cargoTons) {
    ShipCapacity capacity;
    capacity.middleBasicBerths = middleBasicBerths;
    capacity.cargoTons = cargoTons;
    capacity.mainFuelTons = 40;
    capacity.maintenancePerMonth = 3'500;
    capacity.lifeSupportPerMonth = 6'000;
    return capacity;
}

trade::TradeQuote quoteAt(int pricePerTon, int dice, int modifier, int percent) {
    trade::TradeQuote quote;
    quote.dice = dice;
    quote.modifier = modifier;
    quote.percent = percent;
    quote.pricePerTon = pricePerTon;
    return quote;
}

TEST(ManifestBooking, CapacityCutsABookingAndLeavesTheRestInTheMarket) {
    MarketFixture f;
    f.capacity = shipWith(4, 100);
    f.apply(bookPassengers(f.side(), f.market.passengerOffers[0].id));

    // 4 of the 6 fit; 4 fares of Cr10,000 are taken at booking.
    EXPECT_EQ(f.campaign.commonCredits, 140'000);
    ASSERT_EQ(f.campaign.manifest.entries.size(), 1u);
    const ManifestEntry& booked = f.campaign.manifest.entries[0];
    EXPECT_EQ(booked.count, 4);
    EXPECT_TRUE(booked.revenueCollected);
    EXPECT_EQ(entryDescription(booked), "4 \u00d7 Middle Passage");
    ASSERT_EQ(f.market.passengerOffers.size(), 1u);
    EXPECT_EQ(f.market.passengerOffers[0].count, 2);
    ASSERT_EQ(f.campaign.notes.size(), 1u);
    EXPECT_EQ(f.campaign.notes[0].content,
              "4 passengers booked Middle Passage to Efate, Cr10000 each \u2014 **Cr40000 "
              "total** \u2014 ship capacity allowed only 4 of 6, 2 still seeking passage.");
    // The feedback line shows the same without the bold marks.
    EXPECT_EQ(f.campaign.lastFeedback,
              "4 passengers booked Middle Passage to Efate, Cr10000 each \u2014 Cr40000 total "
              "\u2014 ship capacity allowed only 4 of 6, 2 still seeking passage.");

    // The berths are full now: the rest cannot be booked.
    const TradePlan again = bookPassengers(f.side(), f.market.passengerOffers[0].id);
    EXPECT_EQ(again.refusal, "No free Middle/Basic berths aboard.");
}

TEST(ManifestBooking, WithoutAShipEverythingOfferedIsTaken) {
    MarketFixture f;
    f.apply(bookPassengers(f.side(), f.market.passengerOffers[0].id));
    EXPECT_EQ(f.campaign.manifest.entries[0].count, 6);
    EXPECT_TRUE(f.market.passengerOffers.empty());
    EXPECT_EQ(f.campaign.notes[0].content, "6 passengers booked Middle Passage to Efate, Cr10000 "
                                           "each \u2014 **Cr60000 total**.");
}

TEST(ManifestBooking, RefusalsChangeNothing) {
    struct Case {
        const char* name;
        std::function<TradePlan(MarketFixture&)> plan;
        std::string refusal;
    };
    const std::vector<Case> cases = {
        {"freight larger than the free hold",
         [](MarketFixture& f) {
             f.capacity = shipWith(0, 19);
             return acceptFreight(f.side(), f.market.freightLots[0].id);
         },
         exceedsCargoSpaceText},
        // Three containers of 5 tons need 15 tons.
        {"mail needing 15 tons with 14 free",
         [](MarketFixture& f) {
             f.capacity = shipWith(0, 14);
             return acceptMail(f.side(), efate);
         },
         exceedsCargoSpaceText},
        {"more cargo than the supplier offers",
         [](MarketFixture& f) {
             return buyCargo(f.side(), f.market.cargoOffers[0].id, 41, quoteAt(800, 11, 0, 80), {});
         },
         "The supplier offers only 40 tons."},
        {"more cargo than fits",
         [](MarketFixture& f) {
             f.capacity = shipWith(0, 30);
             return buyCargo(f.side(), f.market.cargoOffers[0].id, 31, quoteAt(800, 11, 0, 80), {});
         },
         "Only 30 tons of cargo space are free."},
        {"a good the table does not have",
         [](MarketFixture& f) {
             f.market.cargoOffers[0].goodD66 = 67;
             return buyCargo(f.side(), f.market.cargoOffers[0].id, 1, quoteAt(800, 11, 0, 80), {});
         },
         "Unknown Good: row 67 is not in the goods table."},
        {"passengers bound for a world that is gone",
         [](MarketFixture& f) {
             f.market.passengerOffers[0].destination = gone;
             return bookPassengers(f.side(), f.market.passengerOffers[0].id);
         },
         "The destination of these passengers, 00-0505, no longer exists in this universe."},
        {"freight bound for a world that is gone",
         [](MarketFixture& f) {
             f.worlds.erase(efate);
             return acceptFreight(f.side(), f.market.freightLots[0].id);
         },
         "The destination of this freight, 00-2110, no longer exists in this universe."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MarketFixture f;
        const Campaign before = f.campaign;
        const TradePlan plan = c.plan(f);
        EXPECT_FALSE(plan);
        EXPECT_EQ(plan.refusal, c.refusal);
        EXPECT_EQ(f.campaign, before);
    }
}

TEST(ManifestFreightAndMail, AcceptedForNothingAndPaidOnDelivery) {
    MarketFixture f;
    f.capacity = shipWith(0, 35);
    f.apply(acceptFreight(f.side(), f.market.freightLots[0].id));
    // 3 containers of 5 tons = 15 tons, exactly the 35 - 20 tons left.
    f.apply(acceptMail(f.side(), std::nullopt));
    EXPECT_EQ(f.campaign.commonCredits, 100'000);
    EXPECT_TRUE(f.market.freightLots.empty());
    EXPECT_EQ(f.market.mailContainers, 0);
    EXPECT_EQ(freeCargoTons(*f.capacity, f.campaign.manifest), 0);
    EXPECT_EQ(f.campaign.notes[0].content, "20 tons of minor freight accepted for Efate, "
                                           "Cr1600/ton \u2014 **Cr32000 total due on delivery**.");
    EXPECT_EQ(f.campaign.notes[1].title, "Mail Contract");
    EXPECT_EQ(f.campaign.notes[1].content,
              "3 mail containers accepted for an unspecified destination, Cr25000 each \u2014 "
              "**Cr75000 total due on delivery**.");

    const ManifestEntry freight = f.campaign.manifest.entries[0];
    const ManifestEntry mail = f.campaign.manifest.entries[1];
    EXPECT_EQ(amountDue(freight), 32'000);
    EXPECT_EQ(amountDue(mail), 75'000);
    const auto groups = groupByDestination(f.campaign);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "Efate");
    EXPECT_EQ(groups[1].name, "Unspecified Destination");

    f.apply(deliverEntry(f.campaign, mail.id));
    f.apply(deliverEntry(f.campaign, freight.id));
    EXPECT_EQ(f.campaign.commonCredits, 100'000 + 75'000 + 32'000);
    EXPECT_TRUE(f.campaign.manifest.entries.empty());
    EXPECT_EQ(f.campaign.notes[2].content,
              "3 mail containers delivered \u2014 **Cr75000 collected**.");
    EXPECT_EQ(f.campaign.notes[3].content,
              "20 tons freight delivered \u2014 **Cr32000 collected**.");
}

TEST(ManifestCargo, BoughtThenSoldAtAProfitAndAtALoss) {
    MarketFixture f;
    f.campaign.commonCredits = 0;
    f.capacity = shipWith(0, 50);
    trade::TradeCheck check;
    check.step = trade::TradeCheck::Step::purchase;
    check.diceCount = 3;
    check.dice = 10;
    check.modifier = 2;
    // 20 tons at Cr5,000 a ton: Cr100,000, which takes the common credits below zero.
    f.apply(buyCargo(f.side(), f.market.cargoOffers[0].id, 20, quoteAt(5'000, 10, 2, 100), check));
    EXPECT_EQ(f.campaign.commonCredits, -100'000);
    EXPECT_EQ(f.market.cargoOffers[0].tons, 20);
    EXPECT_EQ(f.market.checks.back(), check);
    EXPECT_EQ(f.campaign.notes[0].content,
              "20 tons of Wood purchased at Cr5000/ton (3D 10 + 2 = 12: 100%) \u2014 **Cr100000 "
              "total**.");
    const core::Uuid wood = f.campaign.manifest.entries[0].id;

    EXPECT_EQ(sellCargo(f.campaign, wood, 21, quoteAt(6'000, 11, 0, 120)).refusal,
              "Only 20 tons of Wood are aboard.");
    // 10 tons at Cr6,000 against Cr5,000 paid: Cr60,000 for Cr50,000, Cr10,000 profit.
    f.apply(sellCargo(f.campaign, wood, 10, quoteAt(6'000, 11, 0, 120)));
    EXPECT_EQ(f.campaign.notes[1].content,
              "10 tons of Wood sold at Cr6000/ton (3D 11 + 0 = 11: 120%) \u2014 **Cr60000 "
              "total**, a profit of Cr10000 against Cr50000 paid.");
    EXPECT_EQ(f.campaign.manifest.entries[0].tons, 10);
    // The other 10 at Cr4,000: Cr40,000 for Cr50,000.
    f.apply(sellCargo(f.campaign, wood, 10, quoteAt(4'000, 5, -1, 80)));
    EXPECT_EQ(f.campaign.notes[2].content,
              "10 tons of Wood sold at Cr4000/ton (3D 5 - 1 = 4: 80%) \u2014 **Cr40000 "
              "total**, a loss of Cr10000 against Cr50000 paid.");
    EXPECT_TRUE(f.campaign.manifest.entries.empty());
    EXPECT_EQ(f.campaign.commonCredits, 0);
}

TEST(ManifestCargo, UnknownGoodIsDescribedButNotSold) {
    Campaign campaign = sampleCampaign();
    ManifestEntry entry;
    entry.id = core::Uuid::generate();
    entry.kind = ManifestEntry::Kind::cargo;
    entry.tons = 5;
    entry.goodD66 = 70;
    campaign.manifest.entries.push_back(entry);
    EXPECT_EQ(entryDescription(entry), "5 tons Unknown Good");
    EXPECT_FALSE(sellCargo(campaign, entry.id, 5, quoteAt(1'000, 10, 0, 90)));
    // It can still be thrown out.
    const TradePlan plan = jettisonEntry(campaign, entry.id);
    ASSERT_TRUE(plan);
    EXPECT_EQ(plan.action->message, "5 tons Unknown Good jettisoned. No credits changed hands.");
}

TEST(ManifestCargo, JettisonPaysNothingButIsJournaled) {
    MarketFixture f;
    f.apply(buyCargo(f.side(), f.market.cargoOffers[0].id, 20, quoteAt(5'000, 10, 2, 100), {}));
    const ManifestEntry wood = f.campaign.manifest.entries[0];
    EXPECT_EQ(jettisonQuestion(wood),
              "Jettison 20 tons Wood? This can't be undone and pays nothing.");
    const core::Credits before = f.campaign.commonCredits;
    f.apply(jettisonEntry(f.campaign, wood.id));
    EXPECT_EQ(f.campaign.commonCredits, before);
    EXPECT_TRUE(f.campaign.manifest.entries.empty());
    EXPECT_EQ(f.campaign.notes.back().content,
              "20 tons Wood jettisoned. No credits changed hands.");
    EXPECT_EQ(f.campaign.notes.back().number, 2);
}

TEST(ManifestCargo, FailedBuyerSearchesCountPerTradeMonth) {
    Campaign campaign = sampleCampaign();
    ManifestEntry entry;
    entry.id = core::Uuid::generate();
    entry.kind = ManifestEntry::Kind::cargo;
    entry.tons = 5;
    entry.goodD66 = 11;
    campaign.manifest.entries.push_back(entry);
    trade::TradeCheck check;
    check.dice = 4;
    check.modifier = 2;
    const auto fail = [&](int month) {
        const TradePlan plan = recordFailedBuyerAttempt(campaign, entry.id, check, month);
        ASSERT_TRUE(plan);
        applyTradeAction(*plan.action, campaign);
    };
    fail(100);
    fail(100);
    EXPECT_EQ(campaign.manifest.entries[0].buyerAttempts, 2);
    fail(101); // a new month counts from nothing
    EXPECT_EQ(campaign.manifest.entries[0].buyerAttempts, 1);
    EXPECT_EQ(campaign.manifest.entries[0].buyerAttemptsMonth, 101);
    EXPECT_EQ(campaign.commonCredits, 0);
}

TEST(ManifestTanks, FuelAndTheDropTank) {
    Campaign campaign = sampleCampaign();
    using Tank = trade::ShipManifest::AuxiliaryTank;
    campaign.manifest.refinedFuelTons = 30;
    campaign.manifest.collapsibleTankRefinedFuelTons = 6;
    campaign.manifest.collapsibleTankUnrefinedFuelTons = 8;
    campaign.manifest.dropTankRefinedFuelTons = 20;

    // 40 tons of main tanks hold 10 more: the 6 refined, then 4 of the 8 unrefined.
    TradePlan moved = moveFuelToMainTanks(campaign, shipWith(0, 0), Tank::collapsibleTank);
    ASSERT_TRUE(moved);
    applyTradeAction(*moved.action, campaign);
    EXPECT_EQ(campaign.manifest.refinedFuelTons, 36);
    EXPECT_EQ(campaign.manifest.unrefinedFuelTons, 4);
    EXPECT_EQ(fuelText(refinedFuel(campaign.manifest, Tank::collapsibleTank),
                       unrefinedFuel(campaign.manifest, Tank::collapsibleTank)),
              "0t refined, 4t unrefined");

    EXPECT_EQ(jettisonFuelQuestion(Tank::dropTank),
              "Jettison all fuel from the Drop Tank? This can't be undone.");
    TradePlan dumped = jettisonAuxiliaryFuel(campaign, Tank::dropTank);
    ASSERT_TRUE(dumped);
    EXPECT_EQ(dumped.action->title, "Jettisoned fuel from Drop Tank");
    EXPECT_EQ(dumped.action->message,
              "20 tons of fuel jettisoned from the Drop Tank. No credits changed hands.");
    applyTradeAction(*dumped.action, campaign);

    TradePlan dropped = jettisonDropTank(campaign);
    ASSERT_TRUE(dropped);
    EXPECT_EQ(dropped.action->message, "Drop tank jettisoned.");
    applyTradeAction(*dropped.action, campaign);
    // Refuelling elsewhere does not bring it back.
    campaign.manifest.refinedFuelTons = 40;
    EXPECT_TRUE(campaign.manifest.dropTankJettisoned);
    EXPECT_FALSE(jettisonDropTank(campaign));
}

// A ship of 40 tons of main tanks and a 20-ton drop tank: 60 tons fill in six hours
// at a starport, a station or a gas giant, in four scooping water.
TEST(ManifestTanks, AddingFuelChargesForItAndTakesTime) {
    using Tank = trade::ShipManifest::AuxiliaryTank;
    ShipCapacity ship = shipWith(0, 0);
    ship.dropTankTons = 20;
    struct Case {
        const char* what;
        FuelTank tank;
        FuelSource source;
        double tons;
        std::string message;
        core::Credits cost;
        std::int64_t minutes;
    };
    const Case cases[] = {
        // 12 x Cr500 = Cr6,000; 12 / 60 of 360 minutes = 72.
        {"refined into the drop tank", Tank::dropTank, FuelSource::refinedStarport, 12,
         "12 tons of refined fuel added to the Drop Tank. Time advanced by 1h12m.", 6'000, 72},
        // The main tanks' 10 tons of room; 10 / 60 of 240 minutes = 40, for nothing.
        {"scooped water into the main tanks", std::nullopt, FuelSource::water, 10,
         "10 tons of unrefined fuel added. Time advanced by 40m.", 0, 40},
        // 2.5 x Cr100 = Cr250; 2.5 / 60 of 360 minutes = 15.
        {"part tons from a station", std::nullopt, FuelSource::installation, 2.5,
         "2.5 tons of unrefined fuel added. Time advanced by 15m.", 250, 15},
        // 1 / 60 of 360 minutes = 6, from a skimmed gas giant.
        {"skimmed into the drop tank", Tank::dropTank, FuelSource::gasGiant, 1,
         "1 tons of unrefined fuel added to the Drop Tank. Time advanced by 6m.", 0, 6},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Campaign campaign = sampleCampaign();
        campaign.manifest.refinedFuelTons = 30;
        campaign.commonCredits = 1'000;
        const RefuelPlan refuel = addFuel(campaign, ship, c.tank, c.source, c.tons);
        ASSERT_TRUE(refuel) << refuel.plan.refusal;
        EXPECT_EQ(refuel.plan.action->message, c.message);
        EXPECT_EQ(refuel.plan.action->creditChange, -c.cost);
        EXPECT_EQ(refuel.minutes, c.minutes);
    }

    // Done: the credits may go below zero, the note is dated when refuelling began
    // (14:30 on day 100) and the clock then reads 72 minutes later, 15:42.
    Campaign campaign = sampleCampaign();
    campaign.commonCredits = 1'000;
    applyRefuel(addFuel(campaign, ship, Tank::dropTank, FuelSource::refinedStarport, 12), campaign);
    EXPECT_EQ(campaign.manifest.dropTankRefinedFuelTons, 12);
    EXPECT_EQ(campaign.commonCredits, -5'000);
    EXPECT_EQ(campaign.date.timeText(), "15:42-100-1105");
    ASSERT_EQ(campaign.notes.size(), 1u);
    EXPECT_EQ(campaign.notes[0].title, "Fuel Bought (Cr6000)");
    EXPECT_EQ(campaign.notes[0].date.timeText(), "14:30-100-1105");

    // Once the drop tank is gone only the main tanks' 40 tons count: 10 tons of
    // water take 10 / 40 of 240 minutes = 60, and the tank takes nothing more.
    campaign.manifest.dropTankJettisoned = true;
    EXPECT_EQ(addFuel(campaign, ship, std::nullopt, FuelSource::water, 10).minutes, 60);
    EXPECT_EQ(addFuel(campaign, ship, Tank::dropTank, FuelSource::water, 1).plan.refusal,
              "The drop tank has been jettisoned and can't be filled again.");
}

TEST(ManifestTanks, AddingFuelRefusesWhatDoesNotFit) {
    using Tank = trade::ShipManifest::AuxiliaryTank;
    Campaign campaign = sampleCampaign();
    campaign.manifest.refinedFuelTons = 30;
    const ShipCapacity ship = shipWith(0, 0);
    const struct {
        FuelTank tank;
        double tons;
        const char* refusal;
    } cases[] = {
        {std::nullopt, 12, "Only 10 tons of room in the main tanks."},
        {std::nullopt, 0, "Enter how many tons of fuel to add."},
        {Tank::collapsibleTank, 1, "This ship has no Collapsible Tank."},
    };
    for (const auto& c : cases) {
        const RefuelPlan refuel = addFuel(campaign, ship, c.tank, FuelSource::water, c.tons);
        EXPECT_FALSE(refuel);
        EXPECT_EQ(refuel.plan.refusal, c.refusal);
    }
    campaign.manifest.unrefinedFuelTons = 10;
    EXPECT_EQ(addFuel(campaign, ship, std::nullopt, FuelSource::water, 1).plan.refusal,
              "The main tanks are full.");
}

TEST(ManifestUpkeep, PaymentsMayTakeTheCreditsBelowZero) {
    Campaign campaign = sampleCampaign();
    campaign.commonCredits = 5'000;
    campaign.maintenanceAccruedMonth = 14'368;
    campaign.lifeSupportAccruedMonth = 14'367;
    const ShipCapacity ship = shipWith(0, 0);
    for (const TradePlan& plan : {payMaintenance(campaign, ship), payLifeSupport(campaign, ship)}) {
        ASSERT_TRUE(plan);
        applyTradeAction(*plan.action, campaign);
    }
    // 5,000 - 3,500 - 6,000.
    EXPECT_EQ(campaign.commonCredits, -4'500);
    EXPECT_EQ(campaign.maintenanceAccruedMonth, 14'369);
    EXPECT_EQ(campaign.lifeSupportAccruedMonth, 14'368);
    EXPECT_EQ(campaign.notes[0].content, "Paid Cr3500 in ship maintenance.");
    EXPECT_EQ(campaign.notes[1].content, "Paid Cr6000 in life support.");
}

TEST(ManifestGroups, TheGroupWhereThePartyIsReadsHere) {
    MarketFixture f;
    f.apply(acceptFreight(f.side(), f.market.freightLots[0].id));
    f.apply(bookPassengers(f.side(), f.market.passengerOffers[0].id));
    f.apply(acceptMail(f.side(), regina));
    core::HexData hex;
    hex.coordinates = efate;
    f.campaign.hex = hex;
    const auto groups = groupByDestination(f.campaign);
    ASSERT_EQ(groups.size(), 2u);
    EXPECT_EQ(groups[0].name, "Efate");
    EXPECT_TRUE(groups[0].here);
    EXPECT_EQ(groups[0].entries.size(), 2u);
    EXPECT_EQ(groups[1].name, "Regina");
    EXPECT_FALSE(groups[1].here);
}

TEST(ManifestNotes, NumberedAboveTheHighestAndDatedByTheCampaign) {
    Campaign campaign = sampleCampaign();
    CampaignNote old;
    old.number = 7;
    campaign.notes.push_back(old);
    recordTradeAction("Title", "Message", 250, campaign.manifest, campaign);
    EXPECT_EQ(campaign.notes.back().number, 8);
    EXPECT_EQ(campaign.notes.back().date, campaign.date);
    EXPECT_EQ(campaign.notes.back().title, "Title");
    EXPECT_EQ(campaign.commonCredits, 250);
}

} // namespace
