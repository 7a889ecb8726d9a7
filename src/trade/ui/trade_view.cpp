#include "trade/ui/trade_view.h"

#include "campaign/gamemastering.h"
#include "campaign/manifest_operations.h"
#include "campaign/trade_skills.h"
#include "core/hex_block_index.h"
#include "ships/saved_ship_designs_store.h"
#include "trade/ui/cargo_trade_sheet.h"
#include "trade/ui/trade_deals.h"
#include "trade/ui/trade_texts.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"
#include "ui/view_helpers.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QSpinBox>
#include <QSplitter>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::trade {

namespace {

core::UniverseDate undatedMarketDate() {
    core::UniverseDate date;
    date.day = 1;
    date.year = 1105;
    date.hour = 12;
    date.minute = 0;
    return date;
}

// What a deal at a world's market came to: the error, or the message to show.
struct DealOutcome {
    std::string error;
    QString done;
};

// Draws up the deal `plan` makes for the selected campaign at the market of
// `origin` and carries it out into the campaign; nothing when there is no market
// or no campaign to trade.
template <typename Plan>
std::optional<DealOutcome>
makeDeal(const std::optional<TradeWorldProfile>& origin, universe::RidivivevIzeviduv& open,
         const campaign::Campaign* current, campaign::Gamemastering* campaigns,
         const std::optional<campaign::ShipCapacity>& ship, const Plan& plan) {
    const UniverseMarkets markets = readUniverseMarkets(open.record());
    const TradeMarket* market = origin ? markets.at(origin->coordinates) : nullptr;
    if (!market || !current || !campaigns)
        return std::nullopt;
    const campaign::MarketSide side{*current, *market, marketWorldName(*origin), ship,
                                    campaign::worldNames(open)};
    const campaign::TradePlan made = plan(side);
    std::string error = carryOut(made, *campaigns, open);
    return DealOutcome{std::move(error), made ? boldMarkup(made.action->message) : QString()};
}

} // namespace

TradeView::TradeView(ui::ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_roller(TradeRoller::fair()) {
    setObjectName(QStringLiteral("tradeView"));
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    auto* parametersScroll = new QScrollArea(splitter);
    parametersScroll->setWidgetResizable(true);
    parametersScroll->setWidget(buildParameters());
    parametersScroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    parametersScroll->setMinimumWidth(480);
    QWidget* market = buildMarket();
    market->setParent(splitter);
    splitter->addWidget(parametersScroll);
    splitter->addWidget(market);
    splitter->setStretchFactor(0, 2);
    splitter->setStretchFactor(1, 5);
    splitter->setSizes({460, 940});
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(splitter);

    fillShips();
    fillSources();
    fillWorlds();

    const auto watchUniverse = [this] {
        m_universeChanged = universe().changed().subscribe([this] {
            fillWorlds();
            refresh();
        });
    };
    watchUniverse();
    m_universeReplaced = m_context.manager.currentReplaced().subscribe([this, watchUniverse] {
        watchUniverse();
        fillWorlds();
        refresh();
    });
    if (m_context.campaigns)
        m_campaignsChanged = m_context.campaigns->changed().subscribe([this] { refresh(); });
    refresh();
}

TradeView::~TradeView() = default;

universe::RidivivevIzeviduv& TradeView::universe() const {
    return m_context.manager.current();
}

const campaign::Campaign* TradeView::campaign() const {
    return m_context.campaigns ? m_context.campaigns->selectedCampaign() : nullptr;
}

std::vector<MarketDestination>
TradeView::destinations(const core::GalacticCoordinates& origin) const {
    const auto& hexes = universe().data();
    const core::HexBlockIndex index(hexes);
    return marketDestinations(hexes, index, origin, m_range->value());
}

QString TradeView::worldLabel(const core::GalacticCoordinates& at) const {
    const core::HexData* hex = universe().hexAt(at);
    const auto world = hex ? tradeWorldProfile(*hex) : std::nullopt;
    if (!world)
        return tr("%1 (gone)").arg(ui::qt(at.description()));
    return ui::qt(marketWorldName(*world));
}

void TradeView::refresh() {
    m_filling = true;
    for (SkillFields* fields : {&m_negotiator, &m_steward}) {
        const TradeSkillSource chosen = source(*fields);
        const bool outside = !chosen.isPlayer();
        for (QSpinBox* box : {fields->broker, fields->streetwise, fields->carouse, fields->steward,
                              fields->admin, fields->socialStanding, fields->rank})
            box->setEnabled(outside);
        if (!outside) {
            const TradeSkillSet skills = campaign::resolveTradeSkills(campaign(), chosen);
            fields->broker->setValue(skills.broker);
            fields->streetwise->setValue(skills.streetwise);
            fields->carouse->setValue(skills.carouse);
            fields->steward->setValue(skills.steward);
            fields->admin->setValue(skills.admin);
            fields->socialStanding->setValue(skills.socialStanding);
            fields->rank->setValue(std::max(skills.navalRank, skills.scoutRank));
        }
    }
    m_filling = false;
    refreshRollFields();

    const auto ship = capacity();
    m_shipNote->setText(
        ship ? tr("Jump-%1, %2 tons of cargo space").arg(ship->jumpRating).arg(ship->cargoTons)
             : tr("No ship selected"));

    if (m_world->count() == 0) {
        m_empty->setTitle(tr("No Systems"));
        m_empty->setMessage(tr("Generate or import systems before trading."));
        m_pages->setCurrentWidget(m_empty);
        m_generate->setEnabled(false);
        return;
    }
    m_generate->setEnabled(true);
    const auto origin = chosenProfile();
    const UniverseMarkets markets = readUniverseMarkets(universe().record());
    const TradeMarket* market = origin ? markets.at(origin->coordinates) : nullptr;
    m_generate->setText(market ? tr("Regenerate Market") : tr("Generate Market"));
    if (!market || !origin) {
        m_empty->setTitle(tr("No Market Yet"));
        m_empty->setMessage(markets.unreadable()
                                ? ui::qt(std::string(unreadableMarketsText)) +
                                      QStringLiteral("\n") +
                                      tr("Set parameters, then press Generate Market.")
                                : tr("Set parameters, then press Generate Market."));
        m_pages->setCurrentWidget(m_empty);
        return;
    }
    showMarket(*market, *origin);
    m_pages->setCurrentWidget(m_marketPage);
}

void TradeView::generate() {
    const auto origin = chosenProfile();
    if (!origin)
        return;
    m_generate->setText(tr("Generating market…"));
    const UniverseMarkets markets = readUniverseMarkets(universe().record());
    const campaign::Campaign* current = campaign();
    MarketRequest request;
    request.hexes = universe().data();
    request.coordinates = origin->coordinates;
    request.date = current ? current->date : undatedMarketDate();
    request.inputs = inputs();
    request.previous = markets.at(origin->coordinates);
    request.negotiator = campaign::resolveTradeSkills(current, request.inputs.negotiator);
    request.steward = campaign::resolveTradeSkills(current, request.inputs.steward);
    request.categories.clear();
    const std::array<TradeCategory, 4> categories = {TradeCategory::passengers,
                                                     TradeCategory::freight, TradeCategory::mail,
                                                     TradeCategory::cargo};
    for (std::size_t i = 0; i < categories.size(); ++i)
        if (m_categories[i]->isChecked())
            request.categories.insert(categories[i]);
    request.blackMarket = m_blackMarket->isChecked();
    const auto ship = capacity();
    request.shipArmed = ship && ship->armed;
    request.range = m_range->value();
    request.label = marketWorldName(*origin) + ", " + request.date.dayYearText();
    const auto market = generateMarket(request, m_roller);
    if (!market) {
        report("There is no main world at " + origin->coordinates.description() +
               " to generate a market for.");
        refresh();
        return;
    }
    const universe::EditResult stored = setTradeMarket(universe(), *market);
    report(stored.error, stored
                             ? tr("Market generated for %1.").arg(ui::qt(marketWorldName(*origin)))
                             : QString());
    refresh();
}

void TradeView::report(const std::string& error, const QString& done) {
    ui::showMessage(m_error, ui::qt(error));
    ui::showMessage(m_done, error.empty() ? done : QString());
}

void TradeView::book(const core::Uuid& offerID) {
    const auto outcome = makeDeal(
        chosenProfile(), universe(), campaign(), m_context.campaigns, capacity(),
        [&](const campaign::MarketSide& side) { return campaign::bookPassengers(side, offerID); });
    if (!outcome)
        return report(noCampaignText);
    report(outcome->error, outcome->done);
    refresh();
}

void TradeView::acceptLot(const core::Uuid& lotID) {
    const auto outcome = makeDeal(
        chosenProfile(), universe(), campaign(), m_context.campaigns, capacity(),
        [&](const campaign::MarketSide& side) { return campaign::acceptFreight(side, lotID); });
    if (!outcome)
        return report(noCampaignText);
    report(outcome->error, outcome->done);
    refresh();
}

void TradeView::acceptMail() {
    const auto origin = chosenProfile();
    const auto outcome =
        makeDeal(origin, universe(), campaign(), m_context.campaigns, capacity(),
                 [&](const campaign::MarketSide& side) {
                     std::optional<core::GalacticCoordinates> destination;
                     const QString chosen = m_mailDestination->currentData().toString();
                     for (const MarketDestination& reachable : destinations(origin->coordinates))
                         if (ui::qt(reachable.world.coordinates.description()) == chosen)
                             destination = reachable.world.coordinates;
                     return campaign::acceptMail(side, destination);
                 });
    if (!outcome)
        return report(noCampaignText);
    report(outcome->error, outcome->done);
    refresh();
}

void TradeView::buy(const CargoOffer& offer) {
    const auto origin = chosenProfile();
    const UniverseMarkets markets = readUniverseMarkets(universe().record());
    const TradeMarket* market = origin ? markets.at(origin->coordinates) : nullptr;
    const campaign::Campaign* current = campaign();
    if (!market || !current || !m_context.campaigns)
        return report(noCampaignText);
    const auto ship = capacity();
    CargoTradeSheet::Setup setup{CargoTradeSheet::Purchase{offer}, *origin, {}, {}, 2, {}, 0, {}};
    setup.negotiator = campaign::resolveTradeSkills(current, market->inputs.negotiator);
    setup.negotiatorLabel =
        ui::qt(campaign::tradeSkillSourceName(current, market->inputs.negotiator));
    setup.counterpartyBrokerSkill = market->inputs.supplierBrokerSkill;
    if (ship)
        setup.freeCargoTons = campaign::freeCargoTons(*ship, current->manifest);
    setup.currentMonth = tradeMonth(current->date);
    for (const MarketDestination& destination : destinations(origin->coordinates))
        setup.destinations.push_back({destination.world, destination.parsecs});
    auto* sheet = new CargoTradeSheet(std::move(setup), this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    sheet->setRoller(m_roller);
    sheet->onPurchase([this](const CargoOffer& bought, int tons, const TradeQuote& quote,
                             const TradeCheck& check) {
        const auto outcome =
            makeDeal(chosenProfile(), universe(), campaign(), m_context.campaigns, capacity(),
                     [&](const campaign::MarketSide& side) {
                         return campaign::buyCargo(side, bought.id, tons, quote, check);
                     });
        if (!outcome)
            return std::string(noCampaignText);
        report(outcome->error, outcome->done);
        refresh();
        return outcome->error;
    });
    sheet->setWindowModality(Qt::WindowModal);
    sheet->show();
    if (m_sheetOpened)
        m_sheetOpened(sheet);
}

void TradeView::discard() {
    const auto origin = chosenWorld();
    if (!origin)
        return;
    const universe::EditResult removed = discardTradeMarket(universe(), *origin);
    report(removed.error, removed ? tr("Market discarded.") : QString());
    refresh();
}

} // namespace velmora::trade
