#include "overlays/ui/overlay_views.h"

#include "overlays/ui/labels_view.h"
#include "overlays/ui/nebulae_view.h"
#include "overlays/ui/regions_view.h"
#include "overlays/ui/rutters_view.h"
#include "ui/view_context.h"

namespace velmora::overlays {

void registerOverlayViews(ui::DetailViewRegistry& registry) {
    registry.add(ui::Destination::regions,
                 [](ui::ViewContext& context, const ui::SidebarSelection&,
                    QWidget* parent) -> QWidget* { return new RegionsView(context, parent); });
    registry.add(ui::Destination::rutters,
                 [](ui::ViewContext& context, const ui::SidebarSelection&,
                    QWidget* parent) -> QWidget* { return new RuttersView(context, parent); });
    registry.add(ui::Destination::nebulae,
                 [](ui::ViewContext& context, const ui::SidebarSelection&,
                    QWidget* parent) -> QWidget* { return new NebulaeView(context, parent); });
    registry.add(ui::Destination::labels,
                 [](ui::ViewContext& context, const ui::SidebarSelection&,
                    QWidget* parent) -> QWidget* { return new LabelsView(context, parent); });
}

} // namespace velmora::overlays
