#include "ships/ui/ships_views.h"

#include "ships/ui/starships_view.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"

namespace velmora::ships {

namespace {

ShipDesignerOpener& designerOpener() {
    static ShipDesignerOpener opener;
    return opener;
}

} // namespace

void setShipDesignerOpener(ShipDesignerOpener opener) {
    designerOpener() = std::move(opener);
}

void registerShipsViews(ui::DetailViewRegistry& registry) {
    registry.add(
        ui::Destination::starships,
        [](ui::ViewContext& context, const ui::SidebarSelection&, QWidget* parent) -> QWidget* {
            if (!context.shipDesigns)
                return new ui::EmptyStateView(QObject::tr("Starships"),
                                              QObject::tr("The ship library is not open."), parent);
            StarshipsView::DesignerOpener open;
            if (designerOpener())
                open = [&context](const core::Uuid& id) {
                    if (designerOpener())
                        designerOpener()(context, id);
                };
            return new StarshipsView(*context.shipDesigns, context.windows, std::move(open),
                                     StarshipsPrompts::standard(), parent);
        });
}

} // namespace velmora::ships
