// The "Trade" view and the cargo sheet as the referee uses them: a market made
// with every die fixed, a lot bought through the sheet, and the same lot sold
// from the campaign's manifest at another world after a failed buyer search.
#include "campaign/trade_skills.h"
#include "campaign/ui/ship_manifest_section.h"
#include "campaign_ui/campaign_desk.h"
#include "trade/trade_test_support.h"
#include "trade/ui/cargo_trade_sheet.h"
#include "trade/ui/trade_view.h"
#include "trade/ui/trade_views.h"
#include "trade/universe_markets.h"
#include "ui/cargo_sale.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"
#include "ui/wiki_lookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QTabWidget>
#include <QTableWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;
using campaign::Campaign;
using trade::CargoTradeSheet;

namespace {

const core::GalacticCoordinates reginaAt{0, 0, 10, 10};
const core::GalacticCoordinates efateAt{0, 0, 11, 10};

// Regina: starport A, population 1, TL12, no trade codes. Efate, a parsec away:
// starport C, population 5, TL8, Ni Po.
core::HexData regina() {
    WorldPlan plan(reginaAt, "Regina", core::Starport::typeA, 1, core::TechnologyLevel::ttl12);
    return worldHex(plan);
}

core::HexData efate() {
    WorldPlan plan(efateAt, "Efate", core::Starport::typeC, 5, core::TechnologyLevel::ttl8);
    plan.tradeClasses = {core::TradeClass::nonIndustrial, core::TradeClass::poor};
    return worldHex(plan);
}

struct TradeDesk : CampaignDesk {
    std::unique_ptr<trade::TradeView> tradeView;
    ScriptedTradeDice dice;
    CargoTradeSheet* lastSheet = nullptr;

    TradeDesk() {
        ui::DetailViewRegistry registry;
        trade::registerTradeViews(registry); // also how the manifest sells
    }
    ~TradeDesk() {
        tradeView.reset();
        ui::cargoSaleOpener() = nullptr;
        settle();
    }

    void addWorlds() {
        ASSERT_TRUE(manager->current().addHex(regina(), "Add Regina"));
        ASSERT_TRUE(manager->current().addHex(efate(), "Add Efate"));
    }

    // A campaign at Regina with Cr200,000 and a negotiator of Broker 1.
    void startCampaign() {
        const auto created =
            store->createCampaign("Spinward Run", "SPIN", manager->current().id(), "");
        ASSERT_TRUE(created.code) << created.problem;
        store->selectCampaign("SPIN");
        store->edit("SPIN", [](Campaign& c) {
            c.commonCredits = 200'000;
            c.hex = regina();
            trade::TradeSkillSet negotiator;
            negotiator.broker = 1;
            c.tradeNegotiator = trade::TradeSkillSource::outside(negotiator);
        });
    }

    void openTradeView() {
        tradeView = std::make_unique<trade::TradeView>(*context);
        tradeView->setRoller(dice.roller());
        tradeView->setSheetOpened([this](CargoTradeSheet* sheet) { lastSheet = sheet; });
        tradeView->resize(1400, 900);
        tradeView->show();
        settle();
    }

    template <typename T>
    T* tradePart(const QString& name) const {
        return child<T>(*tradeView, name);
    }

    const trade::TradeMarket* market() const {
        static trade::UniverseMarkets markets;
        markets = trade::readUniverseMarkets(manager->current().record());
        return markets.at(reginaAt);
    }
};

QString cell(const QTableWidget* table, int row, int column) {
    const QTableWidgetItem* item = table->item(row, column);
    return item ? item->text() : QString();
}

TEST(TradeView, WithoutSystemsSaysWhatToDoFirst) {
    TradeDesk desk;
    desk.openTradeView();
    auto* empty = desk.tradePart<ui::EmptyStateView>("tradeEmpty");
    EXPECT_EQ(empty->title(), "No Systems");
    EXPECT_EQ(empty->message(), "Generate or import systems before trading.");
    EXPECT_FALSE(desk.tradePart<QPushButton>("generateMarket")->isEnabled());
}

TEST(TradeView, GeneratesAMarketWithEnteredAndFixedRollsAndBuysThroughTheSheet) {
    TradeDesk desk;
    desk.addWorlds();
    desk.startCampaign();
    desk.openTradeView();
    // The world defaults to where the campaign is.
    EXPECT_EQ(desk.tradePart<QComboBox>("tradeWorld")->currentText(), "Regina (00-1010)");
    EXPECT_EQ(desk.tradePart<ui::EmptyStateView>("tradeEmpty")->title(), "No Market Yet");
    EXPECT_EQ(desk.tradePart<QSpinBox>("negotiatorBroker")->value(), 1);

    // Cargo only.
    for (const char* name : {"categoryPassengers", "categoryFreight", "categoryMail"})
        desk.tradePart<QCheckBox>(name)->setChecked(false);
    EXPECT_FALSE(desk.tradePart<QLineEdit>("roll_mail")->isEnabled());
    typeInto(desk.tradePart<QLineEdit>("roll_supplier"), "10");

    // Supplier: 10 entered + Broker 1 + starport A 6 = 17 against 8. Population 1
    // takes -3 off each tons roll: rows 11-16 roll 2D, 10 - 3 = 7 x 10 = 70 tons of
    // Common Electronics, the other five 2 - 3 = 0 tons; the one D66 roll is 66,
    // which adds nothing. Common Electronics has no DM at a world without trade
    // codes: Broker 1 - supplier's Broker 2 = -1, 3D 12 - 1 = 11: 85% of Cr20,000
    // = Cr17,000 a ton.
    desk.dice.nD = {10, 2, 2, 2, 2, 2};
    desk.dice.d66 = {66};
    desk.dice.threeD = {12};
    click(desk.tradePart<QPushButton>("generateMarket"));
    EXPECT_TRUE(desk.dice.exhausted());

    auto* cargo = desk.tradePart<QTableWidget>("cargoOffers");
    ASSERT_EQ(cargo->rowCount(), 1);
    EXPECT_EQ(cell(cargo, 0, 0), "11 Common Electronics");
    EXPECT_EQ(cell(cargo, 0, 1), "70");
    EXPECT_EQ(cell(cargo, 0, 2), "Cr17000");
    // Nothing set how to open the wiki: the look-up stays switched off.
    EXPECT_FALSE(desk.tradePart<QPushButton>("wikiGood_0")->isEnabled());
    auto* checks = desk.tradePart<QTableWidget>("marketChecks");
    ASSERT_EQ(checks->rowCount(), 1);
    EXPECT_EQ(cell(checks, 0, 0), "Supplier");
    EXPECT_EQ(cell(checks, 0, 1), "2D: 10");
    EXPECT_EQ(cell(checks, 0, 2), "+7");
    EXPECT_EQ(cell(checks, 0, 3), "8");
    EXPECT_EQ(cell(checks, 0, 5), "entered");
    EXPECT_EQ(shownText(desk.tradePart<QLabel>("marketNotices")),
              QString::fromUtf8("This market was generated this same month \u2014 the rules "
                                "intend roughly a monthly refresh."));
    EXPECT_EQ(desk.tradePart<QPushButton>("generateMarket")->text(), "Regenerate Market");
    // Categories not rolled now keep what the market has.
    EXPECT_EQ(desk.tradePart<QLineEdit>("roll_mail")->placeholderText(),
              QString::fromUtf8("won't reroll \u2014 keeping its previous result"));
    // Efate is the one destination: Common Electronics there sells with Ni +2.
    auto* prospects = desk.tradePart<QTableWidget>("prospects");
    ASSERT_EQ(prospects->rowCount(), 1);
    EXPECT_EQ(cell(prospects, 0, 1), "Efate");
    // Broker 1 + 2 - 0 - 2 = +1: 3D 11 + 1 = 12 sells at 105%, 18 + 1 = 19 at 150%,
    // 3 + 1 = 4 at 60%; of Cr20,000 for 70 tons.
    EXPECT_EQ(cell(prospects, 0, 3), "Cr1190000");
    EXPECT_EQ(cell(prospects, 0, 4), "Cr1470000");
    EXPECT_EQ(cell(prospects, 0, 5), "Cr2100000");
    EXPECT_EQ(cell(prospects, 0, 6), "Cr840000");

    auto* sections = desk.tradePart<QTabWidget>("marketTabs");
    EXPECT_EQ(sections->tabText(3), "Cargo (1)");
    sections->setCurrentIndex(3);
    click(desk.tradePart<QPushButton>("buy_0"));
    CargoTradeSheet* sheet = desk.lastSheet;
    ASSERT_NE(sheet, nullptr);
    // No ship: the offer alone bounds the tons.
    auto* tons = child<QSpinBox>(*sheet, "cargoTons");
    EXPECT_EQ(tons->maximum(), 70);
    EXPECT_FALSE(child<QPushButton>(*sheet, "confirmTrade")->isEnabled());
    typeInto(tons, 10);
    // 3D 10 - 1 = 9: 95% of Cr20,000 = Cr19,000 a ton, Cr190,000 for 10 tons.
    typeInto(child<QLineEdit>(*sheet, "priceRoll"), "10");
    EXPECT_EQ(child<QLabel>(*sheet, "quoteComponents")->text(),
              "Broker +1<br>Purchase DM (Common Electronics) +0<br>Sale DM (here) +0<br>"
              "Supplier's Broker -2<br><b>total -1</b>; 3D 10 - 1 = 9");
    EXPECT_EQ(child<QLabel>(*sheet, "quotePrice")->text(), "95% of Cr20000 = Cr19000/ton");
    EXPECT_EQ(child<QLabel>(*sheet, "quoteTotal")->text(), "Total for 10 tons: Cr190000");
    // What those 10 tons at Cr19,000 could fetch at Efate (+1, as above): 105%, 150%
    // and 60% of Cr20,000 a ton against Cr190,000 paid.
    auto* sheetProspects = child<QTableWidget>(*sheet, "sheetProspects");
    ASSERT_EQ(sheetProspects->rowCount(), 1);
    EXPECT_EQ(cell(sheetProspects, 0, 0), "Efate");
    EXPECT_EQ(cell(sheetProspects, 0, 2), "Cr210000 (+20000)");
    EXPECT_EQ(cell(sheetProspects, 0, 3), "Cr300000 (+110000)");
    EXPECT_EQ(cell(sheetProspects, 0, 4), "Cr120000 (-70000)");
    click(child<QPushButton>(*sheet, "confirmTrade"));

    const Campaign& bought = desk.selected();
    EXPECT_EQ(bought.commonCredits, 10'000);
    ASSERT_EQ(bought.manifest.entries.size(), 1u);
    EXPECT_EQ(bought.manifest.entries[0].tons, 10);
    EXPECT_EQ(bought.manifest.entries[0].creditsPerUnit, 19'000);
    ASSERT_EQ(bought.notes.size(), 1u);
    EXPECT_EQ(bought.notes[0].content,
              QString::fromUtf8("10 tons of Common Electronics purchased at Cr19000/ton (3D 10 - "
                                "1 = 9: 95%) \u2014 **Cr190000 total**.")
                  .toStdString());
    // The market keeps the rest and the purchase check.
    ASSERT_NE(desk.market(), nullptr);
    EXPECT_EQ(desk.market()->cargoOffers[0].tons, 60);
    EXPECT_EQ(desk.market()->checks.back().step, trade::TradeCheck::Step::purchase);
    EXPECT_EQ(cell(cargo, 0, 1), "60");

    // At Efate the lot is sold from the campaign's manifest.
    desk.store->edit("SPIN", [](Campaign& c) { c.hex = efate(); });
    auto* tabs = desk.part<QTabWidget>("campaignTabs");
    tabs->setCurrentIndex(tabs->count() - 1);
    settle();
    EXPECT_EQ(desk.text("manifestGroup_0"), "<b>Unspecified Destination</b>");
    EXPECT_EQ(desk.text("manifestEntry_0"), "10 tons Common Electronics");
    click(desk.button("sell_0"));
    auto* sale = desk.view->findChild<CargoTradeSheet*>();
    ASSERT_NE(sale, nullptr);
    EXPECT_FALSE(child<QPushButton>(*sale, "confirmTrade")->isEnabled());
    // Buyer search: Broker 1 + starport C 2 = +3; 4 + 3 = 7 misses 8.
    typeInto(child<QLineEdit>(*sale, "buyerRoll"), "4");
    EXPECT_TRUE(shownText(child<QLabel>(*sale, "buyerResult"))
                    .contains("No buyer found here yet this month"));
    click(child<QPushButton>(*sale, "recordFailedAttempt"));
    EXPECT_EQ(desk.selected().manifest.entries[0].buyerAttempts, 1);

    click(desk.button("sell_0"));
    sale = desk.view->findChild<CargoTradeSheet*>();
    ASSERT_NE(sale, nullptr);
    // The failure this month takes DM-1: 6 + 2 = 8 finds a buyer.
    typeInto(child<QLineEdit>(*sale, "buyerRoll"), "6");
    EXPECT_TRUE(shownText(child<QLabel>(*sale, "buyerResult")).contains("buyer found"));
    // Sale: Broker 1 + Ni 2 - 0 - buyer's Broker 2 = +1; 3D 11 + 1 = 12: 105% of
    // Cr20,000 = Cr21,000 a ton; Cr210,000 for Cr190,000 paid.
    typeInto(child<QLineEdit>(*sale, "priceRoll"), "11");
    click(child<QPushButton>(*sale, "confirmTrade"));
    const Campaign& sold = desk.selected();
    EXPECT_TRUE(sold.manifest.entries.empty());
    EXPECT_EQ(sold.commonCredits, 220'000);
    EXPECT_EQ(sold.notes.back().content,
              QString::fromUtf8("10 tons of Common Electronics sold at Cr21000/ton (3D 11 + 1 = "
                                "12: 105%) \u2014 **Cr210000 total**, a profit of Cr20000 "
                                "against Cr190000 paid.")
                  .toStdString());
    EXPECT_EQ(desk.text("manifestEmpty"), "Nothing aboard yet.");
}

TEST(TradeView, LooksUpTheGoodsOnOfferInTheWiki) {
    // The application's way to open the wiki, for this test only.
    struct WikiHook {
        QStringList looked;
        WikiHook() {
            ui::wikiLookupHook() = [this](const QString& name) { looked << name; };
        }
        ~WikiHook() { ui::wikiLookupHook() = nullptr; }
    } wiki;
    TradeDesk desk;
    desk.addWorlds();
    desk.startCampaign();
    desk.openTradeView();
    for (const char* name : {"categoryPassengers", "categoryFreight", "categoryMail"})
        desk.tradePart<QCheckBox>(name)->setChecked(false);
    // The market of the purchase above: 70 tons of Common Electronics (row 11).
    typeInto(desk.tradePart<QLineEdit>("roll_supplier"), "10");
    desk.dice.nD = {10, 2, 2, 2, 2, 2};
    desk.dice.d66 = {66};
    desk.dice.threeD = {12};
    click(desk.tradePart<QPushButton>("generateMarket"));
    desk.tradePart<QTabWidget>("marketTabs")->setCurrentIndex(3);

    auto* offerLookUp = desk.tradePart<QPushButton>("wikiGood_0");
    EXPECT_EQ(offerLookUp->text(),
              QString::fromUtf8("Look up \u201cCommon Electronics\u201d in the Traveller Wiki."));
    click(offerLookUp);
    click(desk.tradePart<QPushButton>("buy_0"));
    ASSERT_NE(desk.lastSheet, nullptr);
    click(child<QPushButton>(*desk.lastSheet, "wikiLookup"));
    // The name alone, without its row or any mark of contraband.
    EXPECT_EQ(wiki.looked, QStringList({"Common Electronics", "Common Electronics"}));
    desk.lastSheet->close();
}

TEST(TradeView, DiscardingRemovesTheWorldsMarket) {
    TradeDesk desk;
    desk.addWorlds();
    desk.openTradeView();
    for (const char* name : {"categoryPassengers", "categoryFreight", "categoryCargo"})
        desk.tradePart<QCheckBox>(name)->setChecked(false);
    // Mail: 12 entered; Regina's freight DM (A +2, population 1 -4, TL12 +2) = 0
    // gives mail DM 0 and the outsider's Social Standing 7 none: 12 against 12.
    typeInto(desk.tradePart<QLineEdit>("roll_mail"), "12");
    desk.dice.nD = {3};
    click(desk.tradePart<QPushButton>("generateMarket"));
    desk.tradePart<QTabWidget>("marketTabs")->setCurrentIndex(2);
    EXPECT_EQ(shownText(desk.tradePart<QLabel>("mailOffer")),
              QString::fromUtf8("3 available \u2014 Cr25,000 each, 5 tons each, all-or-none."));
    // No campaign: nothing can be taken on.
    click(desk.tradePart<QPushButton>("acceptMail"));
    EXPECT_TRUE(shownText(desk.tradePart<QLabel>("tradeError")).startsWith("Select a campaign"));

    click(desk.tradePart<QPushButton>("discardMarket"));
    EXPECT_EQ(desk.market(), nullptr);
    EXPECT_EQ(desk.tradePart<ui::EmptyStateView>("tradeEmpty")->title(), "No Market Yet");
}

} // namespace

namespace {

TEST(TradeView, OffersReadByDestination) {
    TradeDesk desk;
    // Two populous worlds beside a third: whatever the dice, each destination's
    // passengers and freight are listed together.
    for (const auto& [at, name] :
         {std::pair{reginaAt, "Regina"}, std::pair{efateAt, "Efate"},
          std::pair{core::GalacticCoordinates{0, 0, 10, 11}, "Rhylanor"}}) {
        WorldPlan plan(at, name, core::Starport::typeA, 9, core::TechnologyLevel::ttl12);
        ASSERT_TRUE(desk.manager->current().addHex(worldHex(plan), std::string("Add ") + name));
    }
    desk.openTradeView();
    desk.tradeView->setRoller(trade::TradeRoller::fair());
    click(desk.tradePart<QPushButton>("generateMarket"));
    for (const char* name : {"passengerOffers", "freightLots"}) {
        auto* table = desk.tradePart<QTableWidget>(name);
        QStringList seen;
        for (int row = 0; row < table->rowCount(); ++row) {
            const QString destination = cell(table, row, 0);
            if (seen.isEmpty() || seen.back() != destination) {
                EXPECT_FALSE(seen.contains(destination))
                    << name << " " << destination.toStdString();
                seen << destination;
            }
        }
    }
}

} // namespace
