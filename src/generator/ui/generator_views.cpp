#include "generator/ui/generator_views.h"

#include "generator/ui/generator_view.h"
#include "ui/view_context.h"

namespace velmora::generator {

void registerGeneratorViews(ui::DetailViewRegistry& registry) {
    registry.add(
        ui::Destination::generator,
        [](ui::ViewContext& context, const ui::SidebarSelection&, QWidget* parent) -> QWidget* {
            return new GeneratorView(context.manager, parent);
        });
}

} // namespace velmora::generator
