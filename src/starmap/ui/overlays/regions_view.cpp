#include "starmap/ui/overlays/regions_view.h"

#include "app/support/view_context.h"
#include "starmap/ui/overlays/region_editing_view.h"
#include "universe/universe_manager.h"

#include <algorithm>

namespace velmora::starmap {

namespace {

const universe::Region* findRegion(const universe::RidivivevIzeviduv& universe, const core::Uuid& id) {
    const auto it = std::find_if(universe.regions.begin(), universe.regions.end(),
                                 [&id](const universe::Region& r) { return r.id == id; });
    return it == universe.regions.end() ? nullptr : &*it;
}

} // namespace

RegionsView::RegionsView(app::ViewContext& context, QWidget* parent)
    : OverlayBrowser(context,
                     {tr("Regions"), tr("New Region"), tr("Search regions"), tr("No Region Selected"),
                      tr("Choose a region or create a new one."), 1},
                     parent),
      m_editor(new RegionEditingView(context.manager, this)) {
    setObjectName(QStringLiteral("regionsView"));
    setEditor(m_editor);
    connect(m_editor, &OverlayEditor::saved, this, &RegionsView::recordSaved);
    rebuildRows();
}

std::vector<OverlayBrowser::Row> RegionsView::rows(const QString& search) const {
    const auto& universe = this->universe();
    std::vector<Row> result;
    for (OverlayRowText& text : regionRows(universe, search.toStdString())) {
        const universe::Region* region = findRegion(universe, text.id);
        result.push_back({std::move(text), region ? std::optional(region->color) : std::nullopt});
    }
    return result;
}

bool RegionsView::hasRecord(const core::Uuid& id) const {
    return findRegion(universe(), id) != nullptr;
}

void RegionsView::openRecord(const core::Uuid& id) {
    if (const universe::Region* region = findRegion(universe(), id))
        m_editor->edit(*region);
}

void RegionsView::openNewRecord() {
    m_editor->startNew();
}

QString RegionsView::deleteTitle() const {
    return tr("Delete Region?");
}

QString RegionsView::deleteMessage(const core::Uuid& id) const {
    const universe::Region* region = findRegion(universe(), id);
    return tr("“%1” and its border will be removed from the map.")
        .arg(region ? qt(regionDisplayName(*region)) : QString());
}

void RegionsView::eraseRecord(const core::Uuid& id) {
    std::erase_if(universe().regions, [&id](const universe::Region& r) { return r.id == id; });
}

} // namespace velmora::starmap
