#include "campaign/gamemastering.h"
#include "campaign/manifest_operations.h"
#include "campaign/trade_skills.h"
#include "trade/trade_good.h"
#include "trade/trade_pricing.h"
#include "trade/ui/trade_checks_table.h"
#include "trade/ui/trade_good_wiki.h"
#include "trade/ui/trade_table_cells.h"
#include "trade/ui/trade_texts.h"
#include "trade/ui/trade_view.h"
#include "ui/empty_state_view.h"
#include "ui/view_helpers.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <limits>

// The view's right side: the generated market's offers by kind, the prospects
// and every check made.
namespace velmora::trade {

QWidget* TradeView::buildMarket() {
    auto* holder = new QWidget;
    m_pages = new QStackedWidget(holder);
    m_empty = new ui::EmptyStateView(QString(), QString(), m_pages);
    m_empty->setObjectName(QStringLiteral("tradeEmpty"));
    m_marketPage = new QWidget(m_pages);
    m_marketPage->setObjectName(QStringLiteral("tradeMarket"));
    m_pages->addWidget(m_empty);
    m_pages->addWidget(m_marketPage);

    m_marketTitle = new QLabel(m_marketPage);
    m_marketTitle->setObjectName(QStringLiteral("marketTitle"));
    ui::makeTitle(m_marketTitle);
    m_notices = new QLabel(m_marketPage);
    m_notices->setObjectName(QStringLiteral("marketNotices"));
    m_notices->setWordWrap(true);
    m_notices->setStyleSheet(QStringLiteral("color: #a05a00;"));
    m_capacity = ui::quietNote(QString(), m_marketPage);
    m_capacity->setObjectName(QStringLiteral("marketCapacity"));

    m_passengers = offerTable(QStringLiteral("passengerOffers"),
                              {tr("Destination"), tr("Class"), tr("Passengers"), tr("Fare"), {}},
                              m_marketPage);
    m_noPassengers = ui::quietNote(tr("No passengers seeking transport right now."), m_marketPage);
    m_freight =
        offerTable(QStringLiteral("freightLots"),
                   {tr("Destination"), tr("Lot"), tr("Tons"), tr("Rate"), {}}, m_marketPage);
    m_noFreight = ui::quietNote(tr("No freight lots on offer right now."), m_marketPage);
    m_mailText = new QLabel(m_marketPage);
    m_mailText->setObjectName(QStringLiteral("mailOffer"));
    m_mailDestination = new QComboBox(m_marketPage);
    m_mailDestination->setObjectName(QStringLiteral("mailDestination"));
    m_acceptMail = new QPushButton(tr("Accept"), m_marketPage);
    m_acceptMail->setObjectName(QStringLiteral("acceptMail"));
    connect(m_acceptMail, &QPushButton::clicked, this, &TradeView::acceptMail);
    auto* mailRow = new QHBoxLayout;
    mailRow->addWidget(m_mailText);
    mailRow->addWidget(m_mailDestination);
    mailRow->addWidget(m_acceptMail);
    mailRow->addStretch(1);

    m_cargo =
        offerTable(QStringLiteral("cargoOffers"),
                   {tr("Good"), tr("Tons"), tr("Price/ton"), tr("Base"), {}, {}}, m_marketPage);
    m_noCargo = ui::quietNote(tr("No goods available from this supplier."), m_marketPage);

    m_prospectFocus = new QComboBox(m_marketPage);
    m_prospectFocus->setObjectName(QStringLiteral("prospectFocus"));
    connect(m_prospectFocus, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            refresh();
    });
    m_prospects = offerTable(QStringLiteral("prospects"),
                             {tr("Good"), tr("Destination"), tr("Parsecs"), tr("Cost"),
                              tr("Expected"), tr("Best"), tr("Worst")},
                             m_marketPage);
    m_noProspects =
        ui::quietNote(tr("No destinations to evaluate — generate a market first."), m_marketPage);
    auto* focusRow = new QHBoxLayout;
    focusRow->addWidget(new QLabel(tr("Prospect Focus"), m_marketPage));
    focusRow->addWidget(m_prospectFocus);
    focusRow->addStretch(1);
    auto* prospectHelp = new QLabel(boldMarkup(prospectFocusHelp), m_marketPage);
    prospectHelp->setWordWrap(true);

    m_checks = new MarketChecksTable(m_marketPage);
    m_discard = new QPushButton(tr("Discard this world's generated market."), m_marketPage);
    m_discard->setObjectName(QStringLiteral("discardMarket"));
    connect(m_discard, &QPushButton::clicked, this, &TradeView::discard);

    // One tab for each kind of offer, the prospects and the checks: a busy world
    // offers hundreds of freight lots.
    m_sections = new QTabWidget(m_marketPage);
    m_sections->setObjectName(QStringLiteral("marketTabs"));
    const auto page = [this](std::initializer_list<QWidget*> widgets, QLayout* extra = nullptr) {
        auto* made = new QWidget(m_sections);
        auto* pageLayout = new QVBoxLayout(made);
        if (extra)
            pageLayout->addLayout(extra);
        for (QWidget* widget : widgets)
            pageLayout->addWidget(widget);
        return made;
    };
    m_sections->addTab(page({m_passengers, m_noPassengers}), tr("Passengers"));
    m_sections->addTab(page({m_freight, m_noFreight}), tr("Freight"));
    auto* mailPage = new QWidget(m_sections);
    auto* mailLayout = new QVBoxLayout(mailPage);
    mailLayout->addLayout(mailRow);
    mailLayout->addStretch(1);
    m_sections->addTab(mailPage, tr("Mail"));
    m_sections->addTab(page({m_cargo, m_noCargo}), tr("Cargo"));
    auto* prospectsPage = new QWidget(m_sections);
    auto* prospectsLayout = new QVBoxLayout(prospectsPage);
    prospectsLayout->addWidget(prospectHelp);
    prospectsLayout->addLayout(focusRow);
    prospectsLayout->addWidget(m_prospects);
    prospectsLayout->addWidget(m_noProspects);
    m_sections->addTab(prospectsPage, tr("Prospects"));
    m_sections->addTab(page({m_checks}), tr("Checks"));

    auto* layout = new QVBoxLayout(m_marketPage);
    layout->addWidget(m_marketTitle);
    layout->addWidget(m_notices);
    layout->addWidget(m_capacity);
    layout->addWidget(m_sections, 1);
    layout->addWidget(m_discard, 0, Qt::AlignLeft);

    auto* outer = new QVBoxLayout(holder);
    outer->addWidget(m_pages);
    return holder;
}

void TradeView::showMarket(const TradeMarket& market, const TradeWorldProfile& origin) {
    m_marketTitle->setText(
        tr("Market at %1 — generated %2")
            .arg(ui::qt(marketWorldName(origin)), ui::qt(market.generatedOn.timeText())));
    QStringList notices;
    if (const campaign::Campaign* current = campaign();
        current && generatedThisMonth(market, current->date))
        notices << ui::qt(std::string(sameMonthNotice));
    if (const std::string text = supplierNotice(market); !text.empty())
        notices << ui::qt(text);
    if (const std::string text = blackMarketNotice(market); !text.empty())
        notices << ui::qt(text);
    m_notices->setText(notices.join(QStringLiteral("\n")));
    m_notices->setVisible(!notices.isEmpty());

    const campaign::Campaign* current = campaign();
    const auto ship = capacity();
    const trade::ShipManifest empty;
    const trade::ShipManifest& manifest = current ? current->manifest : empty;
    if (ship) {
        m_capacity->setText(
            tr("Cargo %1 · free berths: High %2, Middle/Basic %3, Low %4")
                .arg(ui::qt(campaign::cargoCapacityText(*ship, manifest)))
                .arg(campaign::freeBerths(*ship, manifest, campaign::BerthCategory::high))
                .arg(campaign::freeBerths(*ship, manifest, campaign::BerthCategory::middleBasic))
                .arg(campaign::freeBerths(*ship, manifest, campaign::BerthCategory::low)));
    } else {
        m_capacity->setText(tr("No ship selected"));
    }
    // Without a ship nothing is bounded by the hold.
    const int freeTons =
        ship ? campaign::freeCargoTons(*ship, manifest) : std::numeric_limits<int>::max();

    const auto distanceTo = [&](const core::GalacticCoordinates& at) {
        return core::distance(origin.coordinates, at);
    };

    // Offers by destination, in the order destinations first appear, so a
    // world's passengers and freight read together.
    const auto byDestination = [](auto offers) {
        std::vector<core::GalacticCoordinates> order;
        for (const auto& offer : offers)
            if (std::find(order.begin(), order.end(), offer.destination) == order.end())
                order.push_back(offer.destination);
        const auto rank = [&](const core::GalacticCoordinates& at) {
            return std::find(order.begin(), order.end(), at) - order.begin();
        };
        std::stable_sort(offers.begin(), offers.end(), [&](const auto& a, const auto& b) {
            return rank(a.destination) < rank(b.destination);
        });
        return offers;
    };
    const std::vector<PassengerOffer> passengers = byDestination(market.passengerOffers);
    m_passengers->setRowCount(static_cast<int>(passengers.size()));
    for (int row = 0; row < m_passengers->rowCount(); ++row) {
        const PassengerOffer& offer = passengers[static_cast<std::size_t>(row)];
        setCell(
            m_passengers, row, 0,
            tr("%1 (%2 pc)").arg(worldLabel(offer.destination)).arg(distanceTo(offer.destination)));
        setCell(m_passengers, row, 1, ui::qt(std::string(displayName(offer.passageClass))));
        setCell(m_passengers, row, 2, QString::number(offer.count), rightAligned);
        setCell(m_passengers, row, 3, creditsCell(offer.creditsEach), rightAligned);
        auto* bookButton = new QPushButton(tr("Book"), m_passengers);
        bookButton->setObjectName(QStringLiteral("book_%1").arg(row));
        const core::Uuid id = offer.id;
        connect(bookButton, &QPushButton::clicked, this, [this, id] { book(id); });
        m_passengers->setCellWidget(row, 4, bookButton);
    }

    m_passengers->setVisible(!market.passengerOffers.empty());
    m_noPassengers->setVisible(market.passengerOffers.empty());

    const std::vector<FreightLot> lots = byDestination(market.freightLots);
    m_freight->setRowCount(static_cast<int>(lots.size()));
    for (int row = 0; row < m_freight->rowCount(); ++row) {
        const FreightLot& lot = lots[static_cast<std::size_t>(row)];
        setCell(m_freight, row, 0,
                tr("%1 (%2 pc)").arg(worldLabel(lot.destination)).arg(distanceTo(lot.destination)));
        setCell(m_freight, row, 1, ui::qt(std::string(rawValue(lot.size))));
        setCell(m_freight, row, 2, QString::number(lot.tons), rightAligned);
        setCell(m_freight, row, 3, creditsCell(lot.creditsPerTon) + tr("/ton"), rightAligned);
        const bool fits = lot.tons <= freeTons;
        auto* accept =
            new QPushButton(fits ? tr("Accept") : tr(campaign::exceedsCargoSpaceText), m_freight);
        accept->setObjectName(QStringLiteral("acceptFreight_%1").arg(row));
        accept->setEnabled(fits);
        const core::Uuid id = lot.id;
        connect(accept, &QPushButton::clicked, this, [this, id] { acceptLot(id); });
        m_freight->setCellWidget(row, 4, accept);
    }
    m_freight->setVisible(!market.freightLots.empty());
    m_noFreight->setVisible(market.freightLots.empty());

    m_mailText->setText(market.mailContainers > 0
                            ? ui::qt(campaign::mailOfferText(market.mailContainers))
                            : tr("No mail on offer."));
    m_mailDestination->clear();
    m_mailDestination->addItem(ui::qt(std::string(campaign::unspecifiedDestinationText)));
    const std::vector<MarketDestination> reachable = destinations(origin.coordinates);
    for (const MarketDestination& destination : reachable)
        m_mailDestination->addItem(ui::qt(marketWorldName(destination.world)),
                                   ui::qt(destination.world.coordinates.description()));
    const bool mailFits = market.mailContainers * campaign::mailTonsPerContainer <= freeTons;
    m_mailDestination->setVisible(market.mailContainers > 0);
    m_acceptMail->setVisible(market.mailContainers > 0);
    m_acceptMail->setEnabled(mailFits);
    m_acceptMail->setText(mailFits ? tr("Accept") : tr(campaign::exceedsCargoSpaceText));

    m_cargo->setRowCount(static_cast<int>(market.cargoOffers.size()));
    for (int row = 0; row < m_cargo->rowCount(); ++row) {
        const CargoOffer& offer = market.cargoOffers[static_cast<std::size_t>(row)];
        const TradeGood* good = tradeGood(offer.goodD66);
        QString name = ui::qt(campaign::goodName(offer.goodD66));
        if (offer.illegal)
            name += tr(" (illegal)");
        setCell(m_cargo, row, 0, QStringLiteral("%1 %2").arg(offer.goodD66).arg(name));
        setCell(m_cargo, row, 1, QString::number(offer.tons), rightAligned);
        setCell(m_cargo, row, 2, creditsCell(offer.purchasePricePerTon), rightAligned);
        setCell(m_cargo, row, 3, good ? creditsCell(good->basePrice) : QString(), rightAligned);
        auto* buyButton = new QPushButton(tr("Buy…"), m_cargo);
        buyButton->setObjectName(QStringLiteral("buy_%1").arg(row));
        const CargoOffer copy = offer;
        connect(buyButton, &QPushButton::clicked, this, [this, copy] { buy(copy); });
        m_cargo->setCellWidget(row, 4, buyButton);
        m_cargo->setCellWidget(
            row, 5, goodWikiButton(good, QStringLiteral("wikiGood_%1").arg(row), m_cargo));
    }
    m_cargo->setVisible(!market.cargoOffers.empty());
    m_noCargo->setVisible(market.cargoOffers.empty());

    showProspects(market);
    m_sections->setTabText(0, tr("Passengers (%1)").arg(market.passengerOffers.size()));
    m_sections->setTabText(1, tr("Freight (%1)").arg(market.freightLots.size()));
    m_sections->setTabText(2, tr("Mail (%1)").arg(market.mailContainers));
    m_sections->setTabText(3, tr("Cargo (%1)").arg(market.cargoOffers.size()));
    m_sections->setTabText(5, tr("Checks (%1)").arg(market.checks.size()));

    m_checks->showChecks(market.checks);
}

void TradeView::showProspects(const TradeMarket& market) {
    const auto origin = chosenProfile();
    std::vector<ProspectDestination> reachable;
    for (const MarketDestination& destination : destinations(origin->coordinates))
        reachable.push_back({destination.world, destination.parsecs});

    m_filling = true;
    const QString focused = m_prospectFocus->currentData().toString();
    m_prospectFocus->clear();
    m_prospectFocus->addItem(tr("All destinations"));
    for (const ProspectDestination& destination : reachable) {
        m_prospectFocus->addItem(ui::qt(marketWorldName(destination.world)),
                                 ui::qt(destination.world.coordinates.description()));
        if (ui::qt(destination.world.coordinates.description()) == focused)
            m_prospectFocus->setCurrentIndex(m_prospectFocus->count() - 1);
    }
    m_filling = false;
    const QString focus = m_prospectFocus->currentData().toString();

    struct Row {
        QString good;
        CargoProspect prospect;
    };
    std::vector<Row> rows;
    const TradeSkillSet negotiator =
        campaign::resolveTradeSkills(campaign(), market.inputs.negotiator);
    for (const CargoOffer& offer : market.cargoOffers)
        for (const CargoProspect& prospect :
             cargoProspects(offer, negotiator.broker, market.inputs.supplierBrokerSkill, reachable))
            if (focus.isEmpty() || ui::qt(prospect.destination.coordinates.description()) == focus)
                rows.push_back({ui::qt(campaign::goodName(offer.goodD66)), prospect});
    if (!focus.isEmpty())
        std::stable_sort(rows.begin(), rows.end(), [](const Row& a, const Row& b) {
            return a.prospect.expectedProfit() > b.prospect.expectedProfit();
        });
    m_prospects->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < m_prospects->rowCount(); ++row) {
        const Row& r = rows[static_cast<std::size_t>(row)];
        setCell(m_prospects, row, 0, r.good);
        setCell(m_prospects, row, 1, ui::qt(marketWorldName(r.prospect.destination)));
        setCell(m_prospects, row, 2, QString::number(r.prospect.parsecs), rightAligned);
        setCell(m_prospects, row, 3, creditsCell(r.prospect.purchaseCost), rightAligned);
        setCell(m_prospects, row, 4, creditsCell(r.prospect.expectedRevenue), rightAligned);
        setCell(m_prospects, row, 5, creditsCell(r.prospect.bestRevenue), rightAligned);
        setCell(m_prospects, row, 6, creditsCell(r.prospect.worstRevenue), rightAligned);
        // With a destination in focus, the best choices for it stand out.
        if (!focus.isEmpty() && row < 3 && r.prospect.expectedProfit() > 0)
            for (int column = 0; column < m_prospects->columnCount(); ++column) {
                QFont font = m_prospects->item(row, column)->font();
                font.setBold(true);
                m_prospects->item(row, column)->setFont(font);
                m_prospects->item(row, column)->setBackground(QColor(210, 240, 210));
            }
    }
    m_prospects->setVisible(!rows.empty());
    m_noProspects->setVisible(rows.empty());
}

} // namespace velmora::trade
