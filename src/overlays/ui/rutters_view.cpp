#include "overlays/ui/rutters_view.h"

#include "factions/faction_texts.h"
#include "overlays/ui/rutter_editing_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <QComboBox>
#include <algorithm>
#include <unordered_map>

namespace velmora::overlays {

RuttersView::RuttersView(ui::ViewContext& context, QWidget* parent)
    : OverlayRecordBrowser(context, {}, parent), m_factionFilter(new QComboBox(this)) {
    setObjectName(QStringLiteral("ruttersView"));
    setTexts(texts());
    m_factionFilter->setObjectName(QStringLiteral("rutterFactionFilter"));
    addFilter(m_factionFilter);
    refreshFactionFilter();
    connect(m_factionFilter, &QComboBox::currentIndexChanged, this, [this] { rebuildRows(); });
    rebuildRows();
}

OverlayBrowser::Texts RuttersView::texts() const {
    const bool traveller = universe().usesTravellerTechLevels();
    return {qt(rutterListTitle(traveller)),
            tr("New ") + qt(rutterNoun(traveller)),
            tr("Search start or end"),
            tr("No Rutter Selected"),
            tr("Choose a rutter or create a new one."),
            2,
            true};
}

std::optional<core::Uuid> RuttersView::filteredFaction() const {
    const QString id = m_factionFilter->currentData().toString();
    if (id.isEmpty())
        return std::nullopt;
    return core::Uuid::fromString(id.toStdString());
}

void RuttersView::setFactionFilter(const std::optional<core::Uuid>& id) {
    m_factionFilter->setCurrentIndex(
        std::max(0, m_factionFilter->findData(id ? qt(id->toString()) : QString())));
}

void RuttersView::refreshFactionFilter() {
    const auto previous = filteredFaction();
    const QSignalBlocker blocker(m_factionFilter);
    m_factionFilter->clear();
    m_factionFilter->addItem(tr("All Factions"), QString());
    for (const universe::Faction& faction : universe().factions())
        m_factionFilter->addItem(swatchIcon(faction.color),
                                 qt(factions::factionDisplayName(faction)),
                                 qt(faction.id.toString()));
    // A filtered faction that was deleted falls back to all of them.
    m_factionFilter->setCurrentIndex(
        std::max(0, m_factionFilter->findData(previous ? qt(previous->toString()) : QString())));
}

void RuttersView::universeChanged() {
    setTexts(texts());
    refreshFactionFilter();
    m_editor->refreshFactions();
}

std::vector<OverlayBrowser::Row> RuttersView::rows(const QString& search) const {
    const auto& universe = this->universe();
    std::unordered_map<core::Uuid, universe::FactionColor> colors;
    for (const universe::Faction& faction : universe.factions())
        colors.emplace(faction.id, faction.color);
    std::unordered_map<core::Uuid, core::Uuid> owners;
    for (const universe::Rutter& rutter : universe.rutters())
        owners.emplace(rutter.id, rutter.factionID);
    std::vector<Row> result;
    for (OverlayRowText& text : rutterRows(universe, search.toStdString(), filteredFaction())) {
        std::optional<universe::FactionColor> color;
        if (const auto owner = owners.find(text.id); owner != owners.end()) {
            if (const auto found = colors.find(owner->second); found != colors.end())
                color = found->second;
        }
        result.push_back({std::move(text), color});
    }
    return result;
}

void RuttersView::openNewRecord() {
    m_editor->startNew();
    // A new rutter from a filtered list belongs to the faction being looked at.
    if (const auto faction = filteredFaction())
        m_editor->setFaction(*faction);
}

QString RuttersView::deleteTitle() const {
    return tr("Delete ") + qt(rutterNoun(universe().usesTravellerTechLevels())) + QLatin1Char('?');
}

QString RuttersView::deleteMessage(const core::Uuid& id) const {
    const auto& universe = this->universe();
    const universe::Rutter* rutter = find(id);
    if (!rutter)
        return {};
    return tr("The %1 from %2 to %3 will be removed from the map.")
        .arg(qt(rutterNoun(universe.usesTravellerTechLevels())).toLower(),
             qt(universe.locationText(rutter->start)), qt(universe.locationText(rutter->end)));
}

} // namespace velmora::overlays
