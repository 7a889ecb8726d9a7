#include "systems/ui/systems_views.h"

#include "systems/ui/information_view.h"
#include "systems/ui/systems_view.h"
#include "ui/view_context.h"

namespace velmora::systems {

void registerSystemsViews(ui::DetailViewRegistry& registry) {
    registry.add(ui::Destination::systems,
                 [](ui::ViewContext& context, const ui::SidebarSelection&, QWidget* parent) {
                     return new SystemsView(context, parent);
                 });
    registry.add(ui::Destination::information,
                 [](ui::ViewContext& context, const ui::SidebarSelection&, QWidget* parent) {
                     return new InformationView(context.manager, parent);
                 });
}

} // namespace velmora::systems
