#include "campaign/gamemastering.h"
#include "campaign/trade_skills.h"
#include "ships/saved_ship_designs_store.h"
#include "trade/ui/trade_deals.h"
#include "trade/ui/trade_texts.h"
#include "trade/ui/trade_view.h"
#include "ui/view_context.h"
#include "ui/view_helpers.h"
#include "universe/ridivivev_izeviduv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

// The view's left side: the market's parameters, whose skills count, and the
// rolls the players made.
namespace velmora::trade {

namespace {

QSpinBox* statBox(const QString& name, int minimum, int maximum, int value, QWidget* parent) {
    auto* box = new QSpinBox(parent);
    box->setObjectName(name);
    box->setRange(minimum, maximum);
    box->setValue(value);
    return box;
}

} // namespace

TradeView::SkillFields TradeView::buildSkillFields(const QString& prefix, bool negotiator,
                                                   QWidget* parent) {
    SkillFields fields{};
    fields.source = new QComboBox(parent);
    fields.source->setObjectName(prefix + QStringLiteral("Source"));
    fields.stats = new QWidget(parent);
    auto* grid = new QGridLayout(fields.stats);
    grid->setContentsMargins(12, 0, 0, 0);
    fields.broker = statBox(prefix + QStringLiteral("Broker"), 0, 6, 0, fields.stats);
    fields.streetwise = statBox(prefix + QStringLiteral("Streetwise"), 0, 6, 0, fields.stats);
    fields.carouse = statBox(prefix + QStringLiteral("Carouse"), 0, 6, 0, fields.stats);
    fields.steward = statBox(prefix + QStringLiteral("Steward"), 0, 6, 0, fields.stats);
    fields.admin = statBox(prefix + QStringLiteral("Admin"), 0, 6, 0, fields.stats);
    fields.socialStanding =
        statBox(prefix + QStringLiteral("SocialStanding"), 0, 18, 7, fields.stats);
    fields.rank = statBox(prefix + QStringLiteral("Rank"), 0, 10, 0, fields.stats);
    // Two label-and-box pairs a row keep the form narrow.
    const auto place = [&](int at, const QString& label, QSpinBox* box) {
        grid->addWidget(new QLabel(label, fields.stats), at / 2, (at % 2) * 2);
        grid->addWidget(box, at / 2, (at % 2) * 2 + 1);
    };
    if (negotiator) {
        place(0, tr("Broker (Cargo Pricing)"), fields.broker);
        place(1, tr("Streetwise"), fields.streetwise);
        place(2, tr("Carouse"), fields.carouse);
        place(3, tr("Steward"), fields.steward);
        place(4, tr("Admin"), fields.admin);
        place(5, tr("Rank (Mail)"), fields.rank);
        place(6, tr("Social Standing (Mail)"), fields.socialStanding);
    } else {
        place(0, tr("Steward"), fields.steward);
        for (QSpinBox* unused : {fields.broker, fields.streetwise, fields.carouse, fields.admin,
                                 fields.socialStanding, fields.rank})
            unused->hide();
    }
    grid->setColumnStretch(4, 1);
    connect(fields.source, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            refresh();
    });
    return fields;
}

QWidget* TradeView::buildParameters() {
    auto* page = new QWidget;
    page->setObjectName(QStringLiteral("tradeParameters"));
    auto* form = new QFormLayout;
    form->setRowWrapPolicy(QFormLayout::WrapLongRows);

    m_world = new QComboBox(page);
    m_world->setObjectName(QStringLiteral("tradeWorld"));
    m_world->setMinimumContentsLength(18);
    form->addRow(tr("World"), m_world);
    m_ship = new QComboBox(page);
    m_ship->setObjectName(QStringLiteral("tradeShip"));
    form->addRow(tr("Ship"), m_ship);
    m_shipNote = ui::quietNote(QString(), page);
    m_shipNote->setObjectName(QStringLiteral("tradeShipNote"));
    form->addRow(QString(), m_shipNote);
    m_range =
        statBox(QStringLiteral("tradeRange"), shortestMarketRange, longestMarketRange, 2, page);
    m_range->setSuffix(tr(" parsecs"));
    form->addRow(tr("Max Range"), m_range);
    m_supplierBroker = statBox(QStringLiteral("supplierBroker"), 0, 6, 2, page);
    form->addRow(tr("Supplier/Buyer Broker Skill"), m_supplierBroker);

    m_negotiator = buildSkillFields(QStringLiteral("negotiator"), true, page);
    form->addRow(tr("Negotiator (Broker / Streetwise / Carouse)"), m_negotiator.source);
    form->addRow(m_negotiator.stats);
    m_steward = buildSkillFields(QStringLiteral("steward"), false, page);
    form->addRow(tr("Steward"), m_steward.source);
    form->addRow(m_steward.stats);

    auto* categories = new QGridLayout;
    const std::array<QString, 4> categoryNames = {tr("Passengers"), tr("Freight"), tr("Mail"),
                                                  tr("Cargo")};
    const std::array<QString, 4> categoryObjects = {
        QStringLiteral("categoryPassengers"), QStringLiteral("categoryFreight"),
        QStringLiteral("categoryMail"), QStringLiteral("categoryCargo")};
    for (std::size_t i = 0; i < m_categories.size(); ++i) {
        m_categories[i] = new QCheckBox(categoryNames[i], page);
        m_categories[i]->setObjectName(categoryObjects[i]);
        m_categories[i]->setChecked(true);
        categories->addWidget(m_categories[i], static_cast<int>(i / 2), static_cast<int>(i % 2));
        connect(m_categories[i], &QCheckBox::toggled, this, &TradeView::refreshRollFields);
    }
    form->addRow(tr("Generate"), categories);
    m_blackMarket = new QCheckBox(tr("Black Market Supplier"), page);
    m_blackMarket->setObjectName(QStringLiteral("blackMarket"));
    form->addRow(QString(), m_blackMarket);
    connect(m_blackMarket, &QCheckBox::toggled, this, &TradeView::refreshRollFields);

    auto* rollsForm = new QFormLayout;
    for (const ManualRollField& field : manualRollFields) {
        auto* edit = new QLineEdit(page);
        edit->setObjectName(QStringLiteral("roll_") + ui::qt(std::string(field.key)));
        edit->setValidator(new QIntValidator(2, 12, edit));
        m_rolls.push_back(edit);
        rollsForm->addRow(ui::qt(std::string(displayName(field.step))), edit);
    }

    m_generate = new QPushButton(tr("Generate Market"), page);
    m_generate->setObjectName(QStringLiteral("generateMarket"));
    m_generate->setDefault(true);
    connect(m_generate, &QPushButton::clicked, this, &TradeView::generate);
    m_error = ui::messageLine(QStringLiteral("tradeError"), true);
    m_done = ui::messageLine(QStringLiteral("tradeDone"), false);
    m_done->setTextFormat(Qt::RichText);

    auto* guidance = new QLabel(page);
    guidance->setObjectName(QStringLiteral("tradeGuidance"));
    guidance->setTextFormat(Qt::RichText);
    guidance->setWordWrap(true);
    QString steps = QStringLiteral("<ol style=\"margin-left:-20px\">");
    for (const char* step : tradeGuidanceSteps)
        steps += QStringLiteral("<li>") + boldMarkup(step) + QStringLiteral("</li>");
    guidance->setText(steps + QStringLiteral("</ol>"));
    auto* help = ui::quietNote(ui::qt(std::string(tradeHelpText)), page);
    help->setObjectName(QStringLiteral("tradeHelp"));

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(ui::sectionHeading(tr("Market Parameters"), page));
    layout->addLayout(form);
    layout->addWidget(ui::sectionHeading(tr("Players' Rolls (2D)"), page));
    layout->addWidget(ui::quietNote(tr("Leave a field blank and the app rolls it for you."), page));
    layout->addLayout(rollsForm);
    layout->addWidget(m_generate);
    layout->addWidget(m_error);
    layout->addWidget(m_done);
    layout->addWidget(ui::sectionHeading(tr("How to Trade"), page));
    layout->addWidget(guidance);
    layout->addWidget(help);
    layout->addStretch(1);

    connect(m_world, &QComboBox::currentIndexChanged, this, [this] {
        if (!m_filling)
            refresh();
    });
    connect(m_ship, &QComboBox::currentIndexChanged, this, [this] {
        if (m_filling)
            return;
        if (const auto ship = capacity())
            m_range->setValue(
                std::clamp(ship->jumpRating, shortestMarketRange, longestMarketRange));
        refresh();
    });
    connect(m_range, &QSpinBox::valueChanged, this, [this] {
        if (!m_filling)
            refresh();
    });
    connect(m_supplierBroker, &QSpinBox::valueChanged, this, [this] {
        if (!m_filling)
            refresh();
    });
    return page;
}

void TradeView::fillWorlds() {
    // Every edit of the universe comes here, a stored market included: the list is
    // only made again when the worlds changed, which in a large universe matters.
    std::vector<core::GalacticCoordinates> worlds;
    QStringList labels;
    for (const core::HexData& hex : universe().data()) {
        const auto world = tradeWorldProfile(hex);
        if (!world)
            continue;
        worlds.push_back(world->coordinates);
        labels << ui::qt(marketWorldName(*world) + " (" + world->coordinates.description() + ")");
    }
    if (worlds == m_worlds && labels == m_worldLabels)
        return;
    m_filling = true;
    const auto previous = chosenWorld();
    const campaign::Campaign* current = campaign();
    // The world chosen before, else the party's: kept as a plain value and a flag,
    // which GCC 12 follows through std::find where it misreads an optional.
    core::GalacticCoordinates wanted{};
    bool hasWanted = true;
    if (previous)
        wanted = *previous;
    else if (current && current->hex)
        wanted = current->hex->coordinates;
    else
        hasWanted = false;
    m_worlds = std::move(worlds);
    m_worldLabels = std::move(labels);
    m_world->clear();
    m_world->addItems(m_worldLabels);
    if (hasWanted) {
        const auto at = std::find(m_worlds.begin(), m_worlds.end(), wanted);
        if (at != m_worlds.end())
            m_world->setCurrentIndex(static_cast<int>(at - m_worlds.begin()));
    }
    m_filling = false;
}

void TradeView::fillShips() {
    m_filling = true;
    m_ship->clear();
    m_ship->addItem(tr("No ship"));
    const campaign::Campaign* current = campaign();
    if (m_context.shipDesigns) {
        for (const auto& header : m_context.shipDesigns->headers()) {
            const std::string name =
                header.shipName.empty() ? header.configurationName : header.shipName;
            m_ship->addItem(ui::qt(name), ui::qt(header.id.toString()));
            if (current && current->shipDesignID == header.id)
                m_ship->setCurrentIndex(m_ship->count() - 1);
        }
    }
    m_filling = false;
    if (const auto ship = capacity())
        m_range->setValue(std::clamp(ship->jumpRating, shortestMarketRange, longestMarketRange));
}

void TradeView::fillSources() {
    m_filling = true;
    const campaign::Campaign* current = campaign();
    for (SkillFields* fields : {&m_negotiator, &m_steward}) {
        fields->source->clear();
        fields->source->addItem(ui::qt(std::string(campaign::outsideSourceText)));
        if (!current)
            continue;
        const TradeSkillSource& chosen =
            fields == &m_negotiator ? current->tradeNegotiator : current->tradeSteward;
        for (const auto& player : current->players) {
            fields->source->addItem(
                ui::qt(player.characterName.empty() ? player.name : player.characterName),
                ui::qt(player.id.toString()));
            if (chosen.playerID() == player.id)
                fields->source->setCurrentIndex(fields->source->count() - 1);
        }
        if (const auto skills = chosen.outsideSkills()) {
            fields->broker->setValue(skills->broker);
            fields->streetwise->setValue(skills->streetwise);
            fields->carouse->setValue(skills->carouse);
            fields->steward->setValue(skills->steward);
            fields->admin->setValue(skills->admin);
            fields->socialStanding->setValue(skills->socialStanding);
            fields->rank->setValue(std::max(skills->navalRank, skills->scoutRank));
        }
    }
    if (current)
        m_supplierBroker->setValue(current->tradeSupplierBrokerSkill);
    m_filling = false;
}

std::optional<core::GalacticCoordinates> TradeView::chosenWorld() const {
    const int index = m_world->currentIndex();
    if (index < 0 || static_cast<std::size_t>(index) >= m_worlds.size())
        return std::nullopt;
    return m_worlds[static_cast<std::size_t>(index)];
}

std::optional<TradeWorldProfile> TradeView::chosenProfile() const {
    const auto at = chosenWorld();
    const core::HexData* hex = at ? universe().hexAt(*at) : nullptr;
    return hex ? tradeWorldProfile(*hex) : std::nullopt;
}

std::optional<core::Uuid> TradeView::chosenShip() const {
    return core::Uuid::fromString(m_ship->currentData().toString().toStdString());
}

std::optional<campaign::ShipCapacity> TradeView::capacity() const {
    return savedShipCapacity(m_context.shipDesigns, chosenShip());
}

TradeSkillSource TradeView::source(const SkillFields& fields) const {
    if (const auto id =
            core::Uuid::fromString(fields.source->currentData().toString().toStdString()))
        return TradeSkillSource::player(*id);
    TradeSkillSet skills;
    skills.broker = fields.broker->value();
    skills.streetwise = fields.streetwise->value();
    skills.carouse = fields.carouse->value();
    skills.steward = fields.steward->value();
    skills.admin = fields.admin->value();
    skills.socialStanding = fields.socialStanding->value();
    skills.navalRank = fields.rank->value();
    return TradeSkillSource::outside(skills);
}

TradeInputs TradeView::inputs() const {
    TradeInputs made;
    made.negotiator = source(m_negotiator);
    made.steward = source(m_steward);
    made.supplierBrokerSkill = m_supplierBroker->value();
    made.shipDesignID = chosenShip();
    for (std::size_t i = 0; i < manualRollFields.size(); ++i) {
        bool ok = false;
        const int value = m_rolls[i]->text().trimmed().toInt(&ok);
        if (ok && m_rolls[i]->isEnabled())
            made.manualRolls.*(manualRollFields[i].roll) = value;
    }
    return made;
}

void TradeView::refreshRollFields() {
    const auto origin = chosenWorld();
    const UniverseMarkets markets = readUniverseMarkets(universe().record());
    const bool hasPrevious = origin && markets.at(*origin);
    const auto categoryOf = [](TradeCheck::Step step) {
        switch (step) {
        case TradeCheck::Step::passengersHigh:
        case TradeCheck::Step::passengersMiddle:
        case TradeCheck::Step::passengersBasic:
        case TradeCheck::Step::passengersLow:
            return 0;
        case TradeCheck::Step::freightMajor:
        case TradeCheck::Step::freightMinor:
        case TradeCheck::Step::freightIncidental:
            return 1;
        case TradeCheck::Step::mail:
            return 2;
        default:
            return 3;
        }
    };
    for (std::size_t i = 0; i < manualRollFields.size(); ++i) {
        const TradeCheck::Step step = manualRollFields[i].step;
        bool rolled = m_categories[static_cast<std::size_t>(categoryOf(step))]->isChecked();
        QString placeholder = tr("blank: rolled for you");
        if (!rolled && hasPrevious)
            placeholder = ui::qt(std::string(keepingPreviousResultText));
        else if (!rolled)
            placeholder = tr("not generated");
        if (step == TradeCheck::Step::blackMarketSupplier && rolled &&
            !m_blackMarket->isChecked()) {
            rolled = false;
            placeholder = tr("no black market sought");
        }
        m_rolls[i]->setEnabled(rolled);
        m_rolls[i]->setPlaceholderText(placeholder);
    }
}

} // namespace velmora::trade
