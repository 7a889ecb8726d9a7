#include "overlays/ui/rutter_editing_view.h"

#include "factions/faction_texts.h"
#include "overlays/overlay_rows.h"
#include "overlays/ui/hex_picker.h"
#include "overlays/ui/overlay_ui_support.h"
#include "ui/empty_state_view.h"
#include "universe/ridivivev_izeviduv.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedWidget>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::overlays {

namespace {

constexpr universe::RutterAge ages[] = {
    universe::RutterAge::uncharted, universe::RutterAge::recent, universe::RutterAge::lessThanOne,
    universe::RutterAge::oneToFive, universe::RutterAge::fivePlus};

} // namespace

RutterEditingView::RutterEditingView(universe::UniverseManager& manager, QWidget* parent)
    : RutterEditingBase(manager, parent), m_pages(new QStackedWidget(this)),
      m_noFactions(new ui::EmptyStateView(
          tr("No Factions"),
          tr("Create a faction before adding a rutter — a rutter belongs to a faction."), this)),
      m_form(new QWidget(this)), m_faction(new QComboBox(this)), m_from(new HexPicker(this)),
      m_to(new HexPicker(this)), m_length(new QLabel(this)),
      m_mainTradeRoute(new QCheckBox(tr("Main Trade Route"), this)), m_age(new QComboBox(this)) {
    setObjectName(QStringLiteral("rutterEditor"));
    m_noFactions->setObjectName(QStringLiteral("noFactions"));

    auto* layout = new QVBoxLayout(m_form);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    layout->addWidget(sectionHeading(tr("Faction"), m_form));
    m_faction->setPlaceholderText(tr("Select a faction"));
    m_faction->setObjectName(QStringLiteral("rutterFaction"));
    m_faction->setMinimumWidth(260);
    m_faction->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    layout->addWidget(m_faction, 0, Qt::AlignLeft);

    layout->addWidget(sectionHeading(tr("Endpoints"), m_form));
    m_from->setLeadingText(tr("From: "));
    m_to->setLeadingText(tr("To: "));
    // Both leading texts take the wider one's width, so the fields line up.
    const int leadWidth = std::max(m_from->leadingLabel()->sizeHint().width(),
                                   m_to->leadingLabel()->sizeHint().width());
    m_from->leadingLabel()->setMinimumWidth(leadWidth);
    m_to->leadingLabel()->setMinimumWidth(leadWidth);
    layout->addWidget(m_from);
    layout->addSpacing(6);
    layout->addWidget(m_to);
    m_length->setObjectName(QStringLiteral("rutterLength"));
    layout->addWidget(m_length);

    layout->addWidget(sectionHeading(tr("Route"), m_form));
    layout->addWidget(m_mainTradeRoute);
    for (universe::RutterAge age : ages)
        m_age->addItem(qt(universe::displayName(age)), static_cast<int>(age));
    m_age->setObjectName(QStringLiteral("rutterAge"));
    layout->addWidget(m_age, 0, Qt::AlignLeft);
    layout->addStretch();

    m_pages->addWidget(m_noFactions);
    m_pages->addWidget(m_form);
    addToForm(m_pages, 1);

    connect(m_faction, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        if (const auto id =
                core::Uuid::fromString(m_faction->itemData(index).toString().toStdString()))
            m_draft.factionID = *id;
        refreshState();
    });
    connect(m_from, &HexPicker::coordinatesChanged, this,
            [this](const core::GalacticCoordinates& hex) {
                m_draft.start = hex;
                refreshLength();
                refreshState();
            });
    connect(m_to, &HexPicker::coordinatesChanged, this,
            [this](const core::GalacticCoordinates& hex) {
                m_draft.end = hex;
                refreshLength();
                refreshState();
            });
    connect(m_mainTradeRoute, &QCheckBox::toggled, this, [this](bool on) {
        m_draft.mainTradeRoute = on;
        refreshState();
    });
    connect(m_age, &QComboBox::currentIndexChanged, this, [this](int index) {
        if (index < 0)
            return;
        m_draft.age = static_cast<universe::RutterAge>(m_age->itemData(index).toInt());
        refreshState();
    });
    startNew();
}

QString RutterEditingView::noun() const {
    return qt(rutterNoun(universe().usesTravellerTechLevels()));
}

universe::Rutter RutterEditingView::blank() const {
    const auto& universe = this->universe();
    universe::Rutter rutter;
    // Both ends start on the first system, so a route is one change away.
    const core::GalacticCoordinates first = universe.data().empty()
                                                ? core::GalacticCoordinates{0, 0, 1, 1}
                                                : universe.data().front().coordinates;
    rutter.start = first;
    rutter.end = first;
    return rutter;
}

void RutterEditingView::load() {
    const auto& universe = this->universe();
    m_from->setUniverse(&universe);
    m_to->setUniverse(&universe);
    m_from->setCoordinates(m_draft.start);
    m_to->setCoordinates(m_draft.end);
    // The pickers keep hexes inside a sector; the draft follows what they show.
    m_draft.start = m_from->coordinates();
    m_draft.end = m_to->coordinates();
    {
        const QSignalBlocker blocker(m_mainTradeRoute);
        m_mainTradeRoute->setChecked(m_draft.mainTradeRoute);
    }
    {
        const QSignalBlocker blocker(m_age);
        m_age->setCurrentIndex(m_age->findData(static_cast<int>(m_draft.age)));
    }
    refreshFactions();
    refreshLength();
}

void RutterEditingView::refreshFactions() {
    const auto& universe = this->universe();
    {
        const QSignalBlocker blocker(m_faction);
        m_faction->clear();
        for (const universe::Faction& faction : universe.factions())
            m_faction->addItem(swatchIcon(faction.color), qt(factions::factionDisplayName(faction)),
                               qt(faction.id.toString()));
        // A rutter whose faction is gone shows the placeholder until one is picked.
        m_faction->setCurrentIndex(m_faction->findData(qt(m_draft.factionID.toString())));
    }
    const bool none = universe.factions().empty();
    m_pages->setCurrentWidget(none ? static_cast<QWidget*>(m_noFactions) : m_form);
    saveButton()->setVisible(!none);
    refreshState();
}

void RutterEditingView::setFaction(const core::Uuid& id) {
    m_faction->setCurrentIndex(m_faction->findData(qt(id.toString())));
}

bool RutterEditingView::showsNoFactionsNotice() const {
    return m_pages->currentWidget() == m_noFactions;
}

void RutterEditingView::refreshLength() {
    m_length->setText(
        tr("Length: %1").arg(qt(parsecText(core::distance(m_draft.start, m_draft.end)))));
}

std::string RutterEditingView::recordName(const universe::Rutter& record) const {
    const auto& document = universe();
    return rutterNoun(document.usesTravellerTechLevels()) + " " +
           systemNameAt(document, record.start) + " \u2013 " + systemNameAt(document, record.end);
}

QString RutterEditingView::titleText() const {
    return isCreating() ? noun() + tr(" Creation") : tr("Edit ") + noun();
}

QString RutterEditingView::buttonText() const {
    return isCreating() ? tr("Create Rutter") : tr("Save Changes");
}

bool RutterEditingView::canSave() const {
    return universe().faction(m_draft.factionID) != nullptr;
}

} // namespace velmora::overlays
