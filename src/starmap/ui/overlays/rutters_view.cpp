#include "starmap/ui/overlays/rutters_view.h"

#include "app/support/view_context.h"
#include "factions/faction_texts.h"
#include "starmap/ui/overlays/rutter_editing_view.h"
#include "universe/universe_manager.h"

#include <QComboBox>

#include <algorithm>
#include <unordered_map>

namespace velmora::starmap {

namespace {

const universe::Rutter* findRutter(const universe::RidivivevIzeviduv& universe, const core::Uuid& id) {
    const auto it = std::find_if(universe.rutters.begin(), universe.rutters.end(),
                                 [&id](const universe::Rutter& r) { return r.id == id; });
    return it == universe.rutters.end() ? nullptr : &*it;
}

} // namespace

RuttersView::RuttersView(app::ViewContext& context, QWidget* parent)
    : OverlayBrowser(context, {}, parent), m_factionFilter(new QComboBox(this)),
      m_editor(new RutterEditingView(context.manager, this)) {
    setObjectName(QStringLiteral("ruttersView"));
    setTexts(texts());
    m_factionFilter->setObjectName(QStringLiteral("rutterFactionFilter"));
    addFilter(m_factionFilter);
    refreshFactionFilter();
    setEditor(m_editor);
    connect(m_editor, &OverlayEditor::saved, this, &RuttersView::recordSaved);
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
    m_factionFilter->setCurrentIndex(std::max(0, m_factionFilter->findData(id ? qt(id->toString()) : QString())));
}

void RuttersView::refreshFactionFilter() {
    const auto previous = filteredFaction();
    const QSignalBlocker blocker(m_factionFilter);
    m_factionFilter->clear();
    m_factionFilter->addItem(tr("All Factions"), QString());
    for (const universe::Faction& faction : universe().factions)
        m_factionFilter->addItem(swatchIcon(faction.color), qt(factions::factionDisplayName(faction)),
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
    for (const universe::Faction& faction : universe.factions)
        colors.emplace(faction.id, faction.color);
    std::unordered_map<core::Uuid, core::Uuid> owners;
    for (const universe::Rutter& rutter : universe.rutters)
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

bool RuttersView::hasRecord(const core::Uuid& id) const {
    return findRutter(universe(), id) != nullptr;
}

void RuttersView::openRecord(const core::Uuid& id) {
    if (const universe::Rutter* rutter = findRutter(universe(), id))
        m_editor->edit(*rutter);
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
    const universe::Rutter* rutter = findRutter(universe, id);
    if (!rutter)
        return {};
    return tr("The %1 from %2 to %3 will be removed from the map.")
        .arg(qt(rutterNoun(universe.usesTravellerTechLevels())).toLower(), qt(universe.locationText(rutter->start)),
             qt(universe.locationText(rutter->end)));
}

void RuttersView::eraseRecord(const core::Uuid& id) {
    std::erase_if(universe().rutters, [&id](const universe::Rutter& r) { return r.id == id; });
}

} // namespace velmora::starmap
