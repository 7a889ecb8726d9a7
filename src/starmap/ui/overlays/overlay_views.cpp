#include "starmap/ui/overlays/overlay_views.h"

#include "starmap/ui/overlays/labels_view.h"
#include "starmap/ui/overlays/nebulae_view.h"
#include "starmap/ui/overlays/regions_view.h"
#include "starmap/ui/overlays/rutters_view.h"
#include "ui_support/view_context.h"

namespace velmora::starmap {

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

} // namespace velmora::starmap
