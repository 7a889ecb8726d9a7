#include "starmap/ui/overlays/overlay_views.h"

#include "app/support/view_context.h"
#include "starmap/ui/overlays/labels_view.h"
#include "starmap/ui/overlays/nebulae_view.h"
#include "starmap/ui/overlays/regions_view.h"
#include "starmap/ui/overlays/rutters_view.h"

namespace velmora::starmap {

void registerOverlayViews(app::DetailViewRegistry& registry) {
    registry.add(app::Destination::regions,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) -> QWidget* {
                     return new RegionsView(context, parent);
                 });
    registry.add(app::Destination::rutters,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) -> QWidget* {
                     return new RuttersView(context, parent);
                 });
    registry.add(app::Destination::nebulae,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) -> QWidget* {
                     return new NebulaeView(context, parent);
                 });
    registry.add(app::Destination::labels,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) -> QWidget* {
                     return new LabelsView(context, parent);
                 });
}

} // namespace velmora::starmap
