#include "overlays/ui/nebulae_view.h"

#include "overlays/ui/nebula_editing_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <algorithm>

namespace velmora::overlays {

NebulaeView::NebulaeView(ui::ViewContext& context, QWidget* parent)
    : OverlayRecordBrowser(context,
                           {tr("Nebulae"), tr("New Nebula"), tr("Search nebulae"),
                            tr("No Nebula Selected"), tr("Choose a nebula or create a new one."), 1,
                            false},
                           parent) {
    setObjectName(QStringLiteral("nebulaeView"));
    rebuildRows();
}

std::vector<OverlayBrowser::Row> NebulaeView::rows(const QString& search) const {
    std::vector<Row> result;
    for (OverlayRowText& text : nebulaRows(universe(), search.toStdString()))
        result.push_back({std::move(text), std::nullopt});
    return result;
}

QString NebulaeView::deleteTitle() const {
    return tr("Delete Nebula?");
}

QString NebulaeView::deleteMessage(const core::Uuid& id) const {
    const universe::Nebula* nebula = find(id);
    return tr("“%1” will be removed from the map.")
        .arg(nebula ? qt(nebulaDisplayName(*nebula)) : QString());
}

} // namespace velmora::overlays
