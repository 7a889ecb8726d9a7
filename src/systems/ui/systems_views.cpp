#include "systems/ui/systems_views.h"

#include "app/support/view_context.h"
#include "systems/ui/information_view.h"
#include "systems/ui/systems_view.h"

namespace velmora::systems {

void registerSystemsViews(app::DetailViewRegistry& registry) {
    registry.add(app::Destination::systems, [](app::ViewContext& context, const app::SidebarSelection&,
                                               QWidget* parent) { return new SystemsView(context, parent); });
    registry.add(app::Destination::information,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) {
                     return new InformationView(context.manager, parent);
                 });
}

} // namespace velmora::systems
