#include "travel/ui/route_planner_view.h"

#include "campaign/gamemastering.h"
#include "core/random_source.h"
#include "ships/saved_ship_designs_store.h"
#include "travel/fuel_source.h"
#include "travel/route_actions.h"
#include "travel/route_plan_json.h"
#include "travel/route_planner.h"
#include "travel/route_texts.h"
#include "travel/ship_profile.h"
#include "travel/travel_texts.h"
#include "travel/ui/route_plan_panel.h"
#include "travel/ui/route_plan_window.h"
#include "travel/ui/travel_ui_support.h"
#include "ui/empty_state_view.h"
#include "ui/pinned_route.h"
#include "ui/view_context.h"
#include "ui/view_helpers.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedLayout>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <functional>
#include <map>

namespace velmora::travel {

namespace {

enum CampaignAction { setLocationAction, addTimeAction, payFuelAction, payUpkeepAction };

constexpr universe::RutterAge rutterAges[] = {
    universe::RutterAge::uncharted, universe::RutterAge::recent, universe::RutterAge::lessThanOne,
    universe::RutterAge::oneToFive, universe::RutterAge::fivePlus};

// The ends chosen in each universe, kept while the program runs: coming back to
// the planner, or choosing its other end from the map, finds the first one there.
struct ChosenEnds {
    QString from;
    QString to;
};

std::map<core::Uuid, ChosenEnds>& chosenEnds() {
    static std::map<core::Uuid, ChosenEnds> ends;
    return ends;
}

QString chosenData(const QComboBox* picker) {
    return picker->currentIndex() >= 0 ? picker->currentData().toString() : QString();
}

void mix(std::size_t& seed, std::size_t value) {
    seed ^= value + 0x9e3779b97f4a7c15ULL + (seed << 6) + (seed >> 2);
}

// Typed text chooses the system whose entry it spells out, in any case; text that
// spells out none leaves no system chosen rather than the one chosen before, and
// stays in the field to be typed on.
void followTypedText(QComboBox* picker, const QString& typed) {
    const int match = picker->findText(typed.trimmed(), Qt::MatchFixedString);
    if (match == picker->currentIndex())
        return;
    const int cursor = picker->lineEdit()->cursorPosition();
    picker->setCurrentIndex(match);
    if (match < 0) {
        picker->setEditText(typed);
        picker->lineEdit()->setCursorPosition(cursor);
    }
}

QString shipLabel(const ships::SavedShipDesign::Header& header) {
    QString label = qt(header.shipName.empty() ? header.configurationName : header.shipName);
    if (label.isEmpty())
        label = QObject::tr("Unnamed ship");
    if (!header.typeLabel.empty())
        label += QStringLiteral(" — ") + qt(header.typeLabel);
    return label;
}

QPushButton* actionButton(const QString& name, const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(name);
    return button;
}

} // namespace

RoutePlannerView::RoutePlannerView(ui::ViewContext& context, QWidget* parent)
    : QWidget(parent), m_context(context), m_dice(&core::systemRandomSource()),
      m_stack(new QStackedLayout(this)),
      m_noSystems(new ui::EmptyStateView(
          tr("No Systems"), tr("Generate or import systems before planning a route."), this)) {
    setObjectName(QStringLiteral("routePlanner"));
    m_noSystems->setObjectName(QStringLiteral("noSystems"));

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(18, 14, 18, 14);
    auto* title = new QLabel(tr("Route Planner"), content);
    ui::makeTitle(title);
    layout->addWidget(title);

    auto* top = new QHBoxLayout;
    auto* inputs = new QWidget(content);
    buildInputs(inputs);
    top->addWidget(inputs, 3);
    auto* help = ui::quietNote(qt(routePlannerHelp), content);
    help->setObjectName(QStringLiteral("routePlannerHelp"));
    help->setMinimumWidth(240);
    help->setMaximumWidth(380);
    help->setAlignment(Qt::AlignTop | Qt::AlignLeft);
    QFont small = help->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    help->setFont(small);
    top->addSpacing(16);
    top->addWidget(help, 2, Qt::AlignTop);
    layout->addLayout(top);

    auto* results = new QWidget(content);
    buildResults(results);
    layout->addWidget(results);
    layout->addStretch();

    m_stack->addWidget(ui::scrollingPage(content, this));
    m_stack->addWidget(m_noSystems);

    // Creating rutters or pinning changes the universe but not the route: only a
    // change to the systems themselves plans again, so rolled times stay put.
    m_universeChanged = m_context.manager.current().changed().subscribe([this] {
        refreshFactions();
        if (hexFingerprint() != m_hexes) {
            refreshSystems();
            replan();
        } else {
            showResult();
        }
    });
    if (m_context.campaigns)
        m_campaignsChanged = m_context.campaigns->changed().subscribe([this] {
            // Hired hands are paid from the plan's upkeep: a ship's plan follows them.
            const campaign::Campaign* campaign = m_context.campaigns->selectedCampaign();
            const long long salaries = campaign ? npcSalariesPerPeriod(*campaign) : 0;
            if (m_ship && m_specific->isChecked() && m_salaries && *m_salaries != salaries)
                replan();
            else
                refreshCampaign();
        });
    if (m_context.shipDesigns)
        m_shipsChanged = m_context.shipDesigns->changed().subscribe([this] {
            const QString chosen = m_shipPicker->currentData().toString();
            refreshShips();
            if (m_shipPicker->currentData().toString() != chosen) {
                loadShip();
                replan();
            }
        });

    refreshSystems();
    if (const auto it = chosenEnds().find(m_context.manager.current().id());
        it != chosenEnds().end()) {
        const QSignalBlocker fromBlocker(m_from);
        const QSignalBlocker toBlocker(m_to);
        m_from->setCurrentIndex(m_from->findData(it->second.from));
        m_to->setCurrentIndex(m_to->findData(it->second.to));
    }
    refreshShips();
    refreshFactions();
    replan();
}

RoutePlannerView::~RoutePlannerView() = default;

void RoutePlannerView::setRandomSource(core::RandomSource& dice) {
    m_dice = &dice;
}

void RoutePlannerView::buildInputs(QWidget* panel) {
    auto* form = new QFormLayout(panel);
    form->setContentsMargins(0, 0, 0, 0);
    form->setFieldGrowthPolicy(QFormLayout::ExpandingFieldsGrow);

    const auto systemPicker = [panel](const QString& name) {
        auto* picker = new QComboBox(panel);
        picker->setObjectName(name);
        picker->setEditable(true);
        picker->setInsertPolicy(QComboBox::NoInsert);
        picker->setMinimumContentsLength(28);
        picker->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
        picker->lineEdit()->setPlaceholderText(tr("Choose a system"));
        picker->setModel(new QStandardItemModel(picker));
        auto* completer = new QCompleter(picker->model(), picker);
        completer->setCaseSensitivity(Qt::CaseInsensitive);
        completer->setFilterMode(Qt::MatchContains);
        completer->setCompletionMode(QCompleter::PopupCompletion);
        picker->setCompleter(completer);
        connect(picker->lineEdit(), &QLineEdit::textEdited, picker,
                [picker](const QString& typed) { followTypedText(picker, typed); });
        return picker;
    };
    m_from = systemPicker(QStringLiteral("routeFrom"));
    m_to = systemPicker(QStringLiteral("routeTo"));
    form->addRow(tr("From"), m_from);
    form->addRow(tr("To"), m_to);

    auto* modes = new QHBoxLayout;
    m_generic = new QRadioButton(tr("Generic ship"), panel);
    m_generic->setObjectName(QStringLiteral("genericMode"));
    m_specific = new QRadioButton(tr("Specific ship"), panel);
    m_specific->setObjectName(QStringLiteral("specificMode"));
    m_generic->setChecked(true);
    modes->addWidget(m_generic);
    modes->addWidget(m_specific);
    modes->addStretch();
    form->addRow(tr("Plan for"), modes);

    m_genericSection = new QWidget(panel);
    auto* generic = new QFormLayout(m_genericSection);
    generic->setContentsMargins(0, 0, 0, 0);
    generic->addRow(ui::sectionHeading(tr("Generic Parameters"), m_genericSection));
    m_jumpRating = new QSpinBox(m_genericSection);
    m_jumpRating->setObjectName(QStringLiteral("jumpRating"));
    m_jumpRating->setRange(1, 6);
    m_jumpRating->setValue(2);
    m_jumpRating->setPrefix(tr("Jump drive: jump-"));
    m_jumpRating->setKeyboardTracking(false);
    m_jumpRating->setMaximumWidth(220);
    generic->addRow(m_jumpRating);
    m_canScoop = new QCheckBox(tr("Ship can scoop fuel"), m_genericSection);
    m_canScoop->setObjectName(QStringLiteral("canScoop"));
    generic->addRow(m_canScoop);
    m_thrust = new ThrustSpinBox(0.1, 12.0, 0.5, m_genericSection);
    m_thrust->setObjectName(QStringLiteral("thrust"));
    m_thrust->setValue(1.0);
    m_thrust->setMaximumWidth(120);
    generic->addRow(tr("Thrust"), m_thrust);
    form->addRow(m_genericSection);

    m_shipSection = new QWidget(panel);
    auto* ship = new QFormLayout(m_shipSection);
    ship->setContentsMargins(0, 0, 0, 0);
    ship->addRow(ui::sectionHeading(tr("Specific Ship"), m_shipSection));
    m_shipPicker = new QComboBox(m_shipSection);
    m_shipPicker->setObjectName(QStringLiteral("shipPicker"));
    ship->addRow(tr("Ship"), m_shipPicker);
    m_shipSummary = ui::quietNote(QString(), m_shipSection);
    m_shipSummary->setObjectName(QStringLiteral("shipSummary"));
    ship->addRow(m_shipSummary);
    form->addRow(m_shipSection);
    m_shipSection->hide();

    connect(m_from, &QComboBox::currentIndexChanged, this, &RoutePlannerView::replan);
    connect(m_to, &QComboBox::currentIndexChanged, this, &RoutePlannerView::replan);
    connect(m_jumpRating, &QSpinBox::valueChanged, this, &RoutePlannerView::replan);
    connect(m_canScoop, &QCheckBox::toggled, this, &RoutePlannerView::replan);
    connect(m_thrust, &QDoubleSpinBox::valueChanged, this, &RoutePlannerView::replan);
    connect(m_specific, &QRadioButton::toggled, this, [this](bool specific) {
        m_genericSection->setVisible(!specific);
        m_shipSection->setVisible(specific);
        loadShip();
        replan();
    });
    connect(m_shipPicker, &QComboBox::currentIndexChanged, this, [this] {
        loadShip();
        replan();
    });
}

void RoutePlannerView::buildResults(QWidget* panel) {
    auto* layout = new QVBoxLayout(panel);
    layout->setContentsMargins(0, 12, 0, 0);
    m_chooseTwo =
        new ui::EmptyStateView(tr("Choose Two Systems"),
                               tr("Pick a start and destination system to plan a route."), panel);
    m_chooseTwo->setObjectName(QStringLiteral("chooseTwoSystems"));
    m_chooseTwo->setMinimumHeight(160);
    layout->addWidget(m_chooseTwo);
    m_errorLine = ui::messageLine(QStringLiteral("routeError"), true);
    layout->addWidget(m_errorLine);

    m_planSection = new QWidget(panel);
    auto* plan = new QVBoxLayout(m_planSection);
    plan->setContentsMargins(0, 0, 0, 0);
    plan->addWidget(ui::sectionHeading(tr("Route"), m_planSection));
    m_panel = new RoutePlanPanel(m_planSection);
    plan->addWidget(m_panel);
    auto* open =
        actionButton(QStringLiteral("openRouteWindow"), tr("Open in Window"), m_planSection);
    open->setToolTip(tr("Pin this route to the star map and show it in a window of its own"));
    plan->addWidget(open, 0, Qt::AlignLeft);
    connect(open, &QPushButton::clicked, this, &RoutePlannerView::openInWindow);

    // Saving the route as a faction's rutters.
    m_ruttersSection = new QWidget(m_planSection);
    auto* rutters = new QVBoxLayout(m_ruttersSection);
    rutters->setContentsMargins(0, 0, 0, 0);
    m_ruttersHeading = ui::sectionHeading(QString(), m_ruttersSection);
    rutters->addWidget(m_ruttersHeading);
    m_noFactions = new QLabel(m_ruttersSection);
    m_noFactions->setObjectName(QStringLiteral("noFactions"));
    m_noFactions->setWordWrap(true);
    rutters->addWidget(m_noFactions);
    auto* row = new QHBoxLayout;
    m_faction = new QComboBox(m_ruttersSection);
    m_faction->setObjectName(QStringLiteral("rutterFaction"));
    m_age = new QComboBox(m_ruttersSection);
    m_age->setObjectName(QStringLiteral("rutterAge"));
    for (universe::RutterAge age : rutterAges)
        m_age->addItem(qt(universe::displayName(age)), static_cast<int>(age));
    m_createRutters = actionButton(QStringLiteral("createRutters"), QString(), m_ruttersSection);
    row->addWidget(new QLabel(tr("Faction"), m_ruttersSection));
    row->addWidget(m_faction, 1);
    row->addWidget(new QLabel(tr("Age"), m_ruttersSection));
    row->addWidget(m_age);
    row->addWidget(m_createRutters);
    rutters->addLayout(row);
    m_created = ui::messageLine(QStringLiteral("ruttersCreated"), false);
    rutters->addWidget(m_created);
    plan->addWidget(m_ruttersSection);
    connect(m_faction, &QComboBox::currentIndexChanged, this, [this] {
        m_createRutters->setEnabled(!m_faction->currentData().toString().isEmpty());
    });
    connect(m_createRutters, &QPushButton::clicked, this, &RoutePlannerView::createRutters);

    // Applying the voyage to the selected campaign.
    plan->addWidget(ui::sectionHeading(tr("Campaign"), m_planSection));
    m_noCampaign = ui::quietNote(tr("Select a campaign to apply this route to it."), m_planSection);
    m_noCampaign->setObjectName(QStringLiteral("noCampaign"));
    plan->addWidget(m_noCampaign);
    m_campaignButtons = new QWidget(m_planSection);
    auto* buttons = new QHBoxLayout(m_campaignButtons);
    buttons->setContentsMargins(0, 0, 0, 0);
    m_setLocation = actionButton(QStringLiteral("setLocation"), tr("Set Location to Destination"),
                                 m_campaignButtons);
    m_addTime =
        actionButton(QStringLiteral("addTime"), tr("Add Time to Campaign"), m_campaignButtons);
    m_payFuel = actionButton(QStringLiteral("payFuel"), QString(), m_campaignButtons);
    m_payUpkeep = actionButton(QStringLiteral("payUpkeep"), QString(), m_campaignButtons);
    const std::pair<QPushButton*, int> actions[] = {{m_setLocation, setLocationAction},
                                                    {m_addTime, addTimeAction},
                                                    {m_payFuel, payFuelAction},
                                                    {m_payUpkeep, payUpkeepAction}};
    for (const auto& [button, action] : actions) {
        buttons->addWidget(button);
        connect(button, &QPushButton::clicked, this,
                [this, action = action] { applyToCampaign(action); });
    }
    buttons->addStretch();
    plan->addWidget(m_campaignButtons);
    m_feedback = ui::messageLine(QStringLiteral("routeFeedback"), false);
    plan->addWidget(m_feedback);
    layout->addWidget(m_planSection);
}

std::size_t RoutePlannerView::hexFingerprint() const {
    // What the pickers list and the planner reads of each system: where it is, its
    // name and the fuel it offers with and without scoops.
    std::size_t seed = 0;
    for (const core::HexData& hex : m_context.manager.current().data()) {
        const auto& c = hex.coordinates;
        mix(seed, std::hash<int>{}(c.sectorX * 32 + c.column));
        mix(seed, std::hash<int>{}(c.sectorY * 40 + c.row));
        mix(seed, std::hash<std::string>{}(hex.starSystem.name));
        mix(seed, static_cast<std::size_t>(fuelSource(hex.starSystem, false)));
        mix(seed, static_cast<std::size_t>(fuelSource(hex.starSystem, true)));
    }
    mix(seed, m_context.manager.current().data().size());
    return seed;
}

void RoutePlannerView::setEnds(const std::optional<core::GalacticCoordinates>& from,
                               const std::optional<core::GalacticCoordinates>& to) {
    if (from)
        m_from->setCurrentIndex(m_from->findData(qt(hexArgumentText(*from))));
    if (to)
        m_to->setCurrentIndex(m_to->findData(qt(hexArgumentText(*to))));
}

std::optional<core::GalacticCoordinates> RoutePlannerView::chosen(const QComboBox* picker) const {
    if (picker->currentIndex() < 0)
        return std::nullopt;
    return parseHexArgument(picker->currentData().toString().toStdString());
}

void RoutePlannerView::refreshSystems() {
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    m_hexes = hexFingerprint();
    for (QComboBox* picker : {m_from, m_to}) {
        const QString before =
            picker->currentIndex() >= 0 ? picker->currentData().toString() : QString();
        const QSignalBlocker blocker(picker);
        auto* model = static_cast<QStandardItemModel*>(picker->model());
        model->clear();
        for (const core::HexData& hex : universe.data()) {
            const QString name =
                hex.starSystem.name.empty() ? tr("Unnamed System") : qt(hex.starSystem.name);
            auto* item = new QStandardItem(
                tr("%1 — %2").arg(name, qt(universe.locationText(hex.coordinates))));
            item->setData(qt(hexArgumentText(hex.coordinates)), Qt::UserRole);
            model->appendRow(item);
        }
        picker->setCurrentIndex(before.isEmpty() ? -1 : picker->findData(before));
    }
}

void RoutePlannerView::refreshShips() {
    const QString before = m_shipPicker->currentData().toString();
    const QSignalBlocker blocker(m_shipPicker);
    m_shipPicker->clear();
    m_shipPicker->addItem(tr("None"), QString());
    if (m_context.shipDesigns)
        for (const auto& header : m_context.shipDesigns->headers())
            m_shipPicker->addItem(shipLabel(header), qt(header.id.toString()));
    m_shipPicker->setCurrentIndex(std::max(0, m_shipPicker->findData(before)));
}

void RoutePlannerView::refreshFactions() {
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    const bool traveller = universe.usesTravellerTechLevels();
    m_ruttersHeading->setText(qt(universe::rutterListTitle(traveller)));
    m_createRutters->setText(qt(createRuttersTitle(traveller)));
    const QString noun = qt(universe::rutterNoun(traveller)).toLower();
    m_noFactions->setText(
        tr("<b>No Factions</b><br>Create a faction before saving routes — a %1 belongs to a "
           "faction.")
            .arg(noun));

    const QString before = m_faction->currentData().toString();
    {
        const QSignalBlocker blocker(m_faction);
        m_faction->clear();
        m_faction->addItem(tr("Select a faction"), QString());
        for (const universe::Faction& faction : universe.factions())
            m_faction->addItem(ui::swatchIcon(faction.color), qt(faction.name),
                               qt(faction.id.toString()));
        m_faction->setCurrentIndex(std::max(0, m_faction->findData(before)));
    }
    const bool none = universe.factions().empty();
    m_noFactions->setVisible(none);
    for (QWidget* part : {static_cast<QWidget*>(m_faction), static_cast<QWidget*>(m_age),
                          static_cast<QWidget*>(m_createRutters)})
        part->setEnabled(!none);
    m_createRutters->setEnabled(!none && !m_faction->currentData().toString().isEmpty());
}

void RoutePlannerView::refreshCampaign() {
    const bool selected = m_context.campaigns && m_context.campaigns->selectedCampaign();
    m_noCampaign->setVisible(!selected);
    m_campaignButtons->setVisible(selected);
    const auto fuel = m_plan ? payFuelTitle(*m_plan) : std::nullopt;
    const auto upkeep = m_plan ? payUpkeepTitle(*m_plan) : std::nullopt;
    m_payFuel->setText(fuel ? qt(*fuel) : QString());
    m_payFuel->setVisible(fuel.has_value());
    m_payUpkeep->setText(upkeep ? qt(*upkeep) : QString());
    m_payUpkeep->setVisible(upkeep.has_value());
}

void RoutePlannerView::loadShip() {
    m_ship.reset();
    m_shipSummary->clear();
    const auto id = core::Uuid::fromString(m_shipPicker->currentData().toString().toStdString());
    if (!m_specific->isChecked() || !id || !m_context.shipDesigns)
        return;
    const auto saved = m_context.shipDesigns->load(*id);
    if (!saved) {
        m_shipSummary->setText(
            qt(m_context.shipDesigns->lastError().value_or("This ship could not be read.")));
        return;
    }
    m_ship = shipProfile(*saved);
    m_shipSummary->setText(qt(shipSummaryText(*m_ship)));
}

void RoutePlannerView::replan() {
    m_plan.reset();
    m_error.clear();
    m_createdRutters.reset();
    m_salaries.reset();
    ui::showMessage(m_feedback, QString());
    chosenEnds()[m_context.manager.current().id()] = {chosenData(m_from), chosenData(m_to)};
    const auto start = chosen(m_from);
    const auto end = chosen(m_to);
    const bool specific = m_specific->isChecked();
    if (start && end && *start != *end) {
        if (specific && !m_ship) {
            m_error = qt(selectShipMessage);
        } else {
            RouteRequest request;
            request.start = *start;
            request.destination = *end;
            request.jumpRating = m_jumpRating->value();
            request.thrustG = m_thrust->value();
            request.canScoop = m_canScoop->isChecked();
            if (specific) {
                request.ship = m_ship;
                request.campaign =
                    m_context.campaigns ? m_context.campaigns->selectedCampaign() : nullptr;
                m_salaries = request.campaign ? npcSalariesPerPeriod(*request.campaign) : 0;
            }
            m_plan = planRoute(m_context.manager.current().data(), request, *m_dice);
            if (!m_plan)
                m_error = specific
                              ? qt(noRouteMessage(m_ship->jumpRating, m_ship->canScoop, true))
                              : qt(noRouteMessage(request.jumpRating, request.canScoop, false));
        }
    }
    showResult();
}

void RoutePlannerView::showResult() {
    if (m_context.manager.current().data().empty()) {
        m_stack->setCurrentWidget(m_noSystems);
        return;
    }
    m_stack->setCurrentIndex(0);
    m_chooseTwo->setVisible(!m_plan && m_error.isEmpty());
    ui::showMessage(m_errorLine, m_error);
    m_planSection->setVisible(m_plan.has_value());
    if (!m_plan) {
        m_panel->clear();
        return;
    }
    m_panel->setPlan(*m_plan);
    ui::showMessage(m_created, m_createdRutters
                                   ? qt(createdRuttersText(
                                         *m_createdRutters,
                                         m_context.manager.current().usesTravellerTechLevels()))
                                   : QString());
    refreshCampaign();
}

void RoutePlannerView::openInWindow() {
    if (!m_plan)
        return;
    ui::pinnedRoutes().pin(m_context.manager.current().id(), *m_plan);
    openRoutePlan(m_context);
}

void RoutePlannerView::createRutters() {
    const auto factionID =
        core::Uuid::fromString(m_faction->currentData().toString().toStdString());
    universe::RidivivevIzeviduv& universe = m_context.manager.current();
    if (!m_plan || !factionID || !universe.faction(*factionID)) {
        refreshFactions();
        return;
    }
    const auto age = static_cast<universe::RutterAge>(m_age->currentData().toInt());
    const RoutePlan plan = *m_plan;
    const universe::EditResult result = createRuttersFromRoute(universe, plan, *factionID, age);
    if (!result) {
        ui::showEditFailure(this, m_createRutters->text(), result.error);
        return;
    }
    m_createdRutters = static_cast<int>(plan.legs.size());
    showResult();
}

void RoutePlannerView::applyToCampaign(int action) {
    if (!m_plan || !m_context.campaigns || !m_context.campaigns->selectedCampaignCode())
        return;
    const RoutePlan plan = *m_plan;
    const core::HexData* destination =
        m_context.manager.current().hexAt(plan.stops.back().coordinates);
    if (action == setLocationAction && !destination)
        return;
    const auto report = m_context.campaigns->edit(
        *m_context.campaigns->selectedCampaignCode(), [&](campaign::Campaign& campaign) {
            switch (action) {
            case setLocationAction:
                return setLocationToDestination(campaign, *destination,
                                                plan.stops.back().systemName);
            case addTimeAction:
                return addRouteTime(campaign, plan);
            case payFuelAction:
                return payFuel(campaign, plan);
            default:
                return payUpkeep(campaign, plan);
            }
        });
    if (report)
        ui::showMessage(m_feedback, qt(*report));
}

} // namespace velmora::travel
