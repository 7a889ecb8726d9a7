#include "overlays/ui/regions_view.h"

#include "overlays/ui/region_editing_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <algorithm>

namespace velmora::overlays {

RegionsView::RegionsView(ui::ViewContext& context, QWidget* parent)
    : OverlayRecordBrowser(context,
                           {tr("Regions"), tr("New Region"), tr("Search regions"),
                            tr("No Region Selected"), tr("Choose a region or create a new one."),
                            1},
                           parent) {
    setObjectName(QStringLiteral("regionsView"));
    rebuildRows();
}

std::vector<OverlayBrowser::Row> RegionsView::rows(const QString& search) const {
    const auto& universe = this->universe();
    std::vector<Row> result;
    for (OverlayRowText& text : regionRows(universe, search.toStdString())) {
        const universe::Region* region = find(text.id);
        result.push_back({std::move(text), region ? std::optional(region->color) : std::nullopt});
    }
    return result;
}

QString RegionsView::deleteTitle() const {
    return tr("Delete Region?");
}

QString RegionsView::deleteMessage(const core::Uuid& id) const {
    const universe::Region* region = find(id);
    return tr("“%1” and its border will be removed from the map.")
        .arg(region ? qt(regionDisplayName(*region)) : QString());
}

} // namespace velmora::overlays
