#include "campaign/ui/location_panel.h"

#include "campaign/campaign_texts.h"
#include "campaign/gamemastering.h"
#include "campaign/note_search.h"
#include "campaign/party_location.h"
#include "ui/view_helpers.h"
#include "ui/wiki_lookup.h"
#include "universe/universe_manager.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::campaign {

namespace {

constexpr int coordinatesRole = Qt::UserRole;

QVariant coordinatesData(const core::GalacticCoordinates& c) {
    return QVariantList{c.sectorX, c.sectorY, c.column, c.row};
}

core::GalacticCoordinates coordinatesFrom(const QVariant& data) {
    const QVariantList parts = data.toList();
    if (parts.size() != 4)
        return {};
    return {parts[0].toInt(), parts[1].toInt(), parts[2].toInt(), parts[3].toInt()};
}

} // namespace

LocationPanel::LocationPanel(Gamemastering& store, universe::UniverseManager& manager,
                             QWidget* parent)
    : QWidget(parent), m_store(store), m_manager(manager), m_location(new QLabel(this)),
      m_universeNote(ui::quietNote(QString(), this)), m_search(new QLineEdit(this)),
      m_list(new QListWidget(this)), m_listNote(ui::quietNote(QString(), this)),
      m_set(new QPushButton(tr("Set Location"), this)),
      m_clear(new QPushButton(tr("Clear Location"), this)), m_star(new QComboBox(this)),
      m_orbit(new QComboBox(this)), m_travelState(new QComboBox(this)),
      m_hours(new QDoubleSpinBox(this)) {
    setObjectName(QStringLiteral("locationPanel"));
    m_location->setObjectName(QStringLiteral("partyLocation"));
    m_location->setTextInteractionFlags(Qt::TextSelectableByMouse);
    QFont bold = m_location->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.2);
    m_location->setFont(bold);
    m_universeNote->setObjectName(QStringLiteral("locationUniverseNote"));
    m_search->setObjectName(QStringLiteral("systemSearch"));
    m_search->setPlaceholderText(tr("Search systems by name or hex..."));
    m_search->setClearButtonEnabled(true);
    m_list->setObjectName(QStringLiteral("systemList"));
    m_list->setMinimumHeight(140);
    m_listNote->setObjectName(QStringLiteral("systemListNote"));
    m_set->setObjectName(QStringLiteral("setLocation"));
    m_clear->setObjectName(QStringLiteral("clearLocation"));
    m_star->setObjectName(QStringLiteral("partyStar"));
    m_orbit->setObjectName(QStringLiteral("partyOrbit"));
    m_travelState->setObjectName(QStringLiteral("travelState"));
    m_hours->setObjectName(QStringLiteral("hoursToLocation"));
    for (const TravelState state : {TravelState::landed, TravelState::docked, TravelState::orbit,
                                    TravelState::transit, TravelState::hyperspace})
        m_travelState->addItem(qt(displayName(state)), static_cast<int>(state));
    m_hours->setRange(0, 1'000'000);
    m_hours->setDecimals(1);
    m_hours->setSuffix(tr(" hrs"));
    m_hours->setKeyboardTracking(false);

    auto* system = new QGroupBox(tr("Party's System"), this);
    auto* systemColumn = new QVBoxLayout(system);
    systemColumn->addWidget(m_search);
    systemColumn->addWidget(m_list, 1);
    systemColumn->addWidget(m_listNote);
    auto* systemButtons = new QHBoxLayout;
    systemButtons->addWidget(m_set);
    systemButtons->addWidget(m_clear);
    systemButtons->addStretch();
    systemColumn->addLayout(systemButtons);

    auto* where = new QGroupBox(tr("Where and How"), this);
    auto* form = new QFormLayout(where);
    form->addRow(tr("Star"), m_star);
    form->addRow(tr("Orbit"), m_orbit);
    form->addRow(tr("Travel"), m_travelState);
    form->addRow(tr("Hours to location"), m_hours);

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(m_location);
    // The party's system looked up by name; showLocation keeps it current.
    auto* wiki = new QPushButton(this);
    wiki->setObjectName(QStringLiteral("wikiLookup"));
    connect(wiki, &QPushButton::clicked, this,
            [wiki] { ui::lookUpInWiki(wiki->property("wikiName").toString()); });
    layout->addWidget(wiki, 0, Qt::AlignLeft);
    layout->addWidget(m_universeNote);
    layout->addWidget(where);
    layout->addWidget(system, 1);

    connect(m_search, &QLineEdit::textChanged, this, &LocationPanel::filterSystems);
    connect(m_set, &QPushButton::clicked, this, &LocationPanel::setChosenLocation);
    connect(m_list, &QListWidget::itemDoubleClicked, this, &LocationPanel::setChosenLocation);
    connect(m_list, &QListWidget::currentRowChanged, this,
            [this](int row) { m_set->setEnabled(row >= 0); });
    connect(m_clear, &QPushButton::clicked, this,
            [this] { m_store.edit(m_code, [](Campaign& c) { clearPartyHex(c); }); });
    connect(m_star, &QComboBox::activated, this, [this](int index) {
        m_store.edit(m_code, [&](Campaign& c) { setPartyStar(c, index); });
    });
    connect(m_orbit, &QComboBox::activated, this, [this](int index) {
        m_store.edit(m_code, [&](Campaign& c) {
            const auto choices =
                c.hex ? orbitChoices(*c.hex, c.starIndex) : std::vector<OrbitChoice>();
            // Entry 0 is "no orbit".
            if (index <= 0 || index > static_cast<int>(choices.size()))
                setPartyOrbit(c, std::nullopt);
            else
                setPartyOrbit(c, choices[static_cast<std::size_t>(index - 1)]);
        });
    });
    connect(m_travelState, &QComboBox::activated, this, [this] {
        const auto state = static_cast<TravelState>(m_travelState->currentData().toInt());
        m_store.edit(m_code, [&](Campaign& c) { setTravelState(c, state); });
    });
    connect(m_hours, &QDoubleSpinBox::valueChanged, this, [this](double hours) {
        m_store.edit(m_code, [&](Campaign& c) { setHoursToLocation(c, hours); });
    });

    readSystems();
    m_universeChanged = m_manager.current().changed().subscribe([this] { readSystems(); });
    m_universeReplaced = m_manager.currentReplaced().subscribe([this] {
        m_universeChanged = m_manager.current().changed().subscribe([this] { readSystems(); });
        readSystems();
    });
}

void LocationPanel::readSystems() {
    const universe::RidivivevIzeviduv& universe = m_manager.current();
    m_systems.clear();
    m_systems.reserve(universe.data().size());
    for (const core::HexData& hex : universe.data()) {
        const std::string location = universe.locationText(hex.coordinates);
        const std::string& name = hex.starSystem.name;
        System system;
        system.coordinates = hex.coordinates;
        system.text = name.empty() ? qt(location) : qt(name) + QStringLiteral(" — ") + qt(location);
        system.key = foldedForSearch(name + "\n" + location + "\n" + hex.coordinates.description());
        m_systems.push_back(std::move(system));
    }
    // By name, the unnamed after them by their place.
    std::stable_sort(m_systems.begin(), m_systems.end(), [](const System& a, const System& b) {
        return a.text.compare(b.text, Qt::CaseInsensitive) < 0;
    });
    filterSystems();
}

void LocationPanel::filterSystems() {
    const std::vector<std::string> words = searchWords(m_search->text().toStdString());
    m_list->clear();
    int matches = 0;
    for (const System& system : m_systems) {
        const bool match = std::all_of(words.begin(), words.end(), [&](const std::string& word) {
            return system.key.find(word) != std::string::npos;
        });
        if (!match)
            continue;
        if (++matches > listLimit)
            continue;
        auto* item = new QListWidgetItem(system.text, m_list);
        item->setData(coordinatesRole, coordinatesData(system.coordinates));
    }
    if (m_systems.empty())
        ui::showMessage(m_listNote, tr("The open universe has no systems yet."));
    else if (matches == 0)
        ui::showMessage(m_listNote, tr("No system matches your search."));
    else if (matches > listLimit)
        ui::showMessage(
            m_listNote,
            tr("Showing %1 of %2 systems — type to narrow the list.").arg(listLimit).arg(matches));
    else
        ui::showMessage(m_listNote, QString());
    m_set->setEnabled(m_list->currentRow() >= 0);
}

void LocationPanel::setChosenLocation() {
    const QListWidgetItem* item = m_list->currentItem();
    if (!item)
        return;
    const core::HexData* hex =
        m_manager.current().hexAt(coordinatesFrom(item->data(coordinatesRole)));
    if (!hex)
        return;
    const core::HexData chosen = *hex;
    m_store.edit(m_code, [&](Campaign& c) { setPartyHex(c, chosen); });
}

void LocationPanel::showCampaign(const Campaign& campaign) {
    m_code = campaign.code;
    showLocation(campaign);
    const QSignalBlocker blockStar(m_star), blockOrbit(m_orbit), blockTravel(m_travelState),
        blockHours(m_hours);
    m_star->clear();
    m_orbit->clear();
    m_orbit->addItem(tr("No orbit set"));
    if (campaign.hex) {
        const auto& stars = campaign.hex->starSystem.stars;
        for (std::size_t i = 0; i < stars.size(); ++i)
            m_star->addItem(qt(starLabel(stars[i], static_cast<int>(i))));
        m_star->setCurrentIndex(campaign.starIndex);
        const auto choices = orbitChoices(*campaign.hex, campaign.starIndex);
        int chosen = 0;
        for (std::size_t i = 0; i < choices.size(); ++i) {
            m_orbit->addItem(qt(choices[i].label));
            if (campaign.orbit == choices[i].orbit &&
                campaign.planetOrbit.value_or(core::PlanetOrbits::planetOrbit0) ==
                    choices[i].planetOrbit)
                chosen = static_cast<int>(i) + 1;
        }
        m_orbit->setCurrentIndex(chosen);
    }
    m_star->setEnabled(m_star->count() > 1);
    m_orbit->setEnabled(m_orbit->count() > 1);
    m_clear->setEnabled(campaign.hex.has_value());
    m_travelState->setCurrentIndex(m_travelState->findData(static_cast<int>(campaign.travelState)));
    m_hours->setValue(campaign.hoursToLocation);
}

void LocationPanel::showLocation(const Campaign& campaign) {
    const universe::RidivivevIzeviduv& universe = m_manager.current();
    const bool sameUniverse = !campaign.universeID || *campaign.universeID == universe.id();
    QString location = qt(partyLocationText(campaign));
    // In its own universe the party's hex reads as the map writes it.
    if (campaign.hex && sameUniverse) {
        const std::string& name = campaign.hex->starSystem.name;
        const QString hex = qt(universe.locationText(campaign.hex->coordinates));
        location = name.empty() ? hex : qt(name) + QStringLiteral(" (") + hex + QLatin1Char(')');
    }
    m_location->setText(tr("Location: %1").arg(location));
    if (auto* wiki = findChild<QPushButton*>(QStringLiteral("wikiLookup"))) {
        const QString name = campaign.hex ? qt(campaign.hex->starSystem.name) : QString();
        wiki->setText(tr("Look up “%1” in the Traveller Wiki").arg(name));
        wiki->setProperty("wikiName", name);
        wiki->setVisible(!name.isEmpty());
        wiki->setEnabled(ui::canLookUpInWiki() && !name.isEmpty());
    }
    if (sameUniverse) {
        ui::showMessage(m_universeNote, QString());
        return;
    }
    QString setIn = tr("a universe no longer stored");
    for (const universe::UniverseHeader& header : m_manager.headers()) {
        if (header.id == *campaign.universeID)
            setIn = QStringLiteral("“%1”").arg(qt(header.name));
    }
    ui::showMessage(m_universeNote,
                    tr("This campaign is set in %1; the systems below are those of the open "
                       "universe, “%2”.")
                        .arg(setIn, qt(universe.name())));
}

} // namespace velmora::campaign
