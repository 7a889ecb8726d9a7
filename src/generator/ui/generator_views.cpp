#include "generator/ui/generator_views.h"

#include "app/support/view_context.h"
#include "generator/ui/generator_view.h"

namespace velmora::generator {

void registerGeneratorViews(app::DetailViewRegistry& registry) {
    registry.add(app::Destination::generator,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) -> QWidget* {
                     return new GeneratorView(context.manager, parent);
                 });
}

} // namespace velmora::generator
