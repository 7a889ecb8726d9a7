#include "app/map_openers_wiring.h"

#include "generator/ui/generator_view.h"
#include "systems/ui/systems_view.h"
#include "travel/ui/route_planner_view.h"
#include "ui/map_openers.h"
#include "ui/view_context.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_manager.h"

namespace velmora::app {

namespace {

// Moves the sidebar and answers the view it then shows, when it is of the kind
// asked for (the referee may have chosen to stay where unsaved edits are).
template <typename View>
View* goTo(const std::function<ui::ViewContext&()>& context,
           const std::function<QWidget*()>& detailView, ui::Destination destination) {
    ui::ViewContext& current = context();
    if (!current.select)
        return nullptr;
    current.select(ui::SidebarSelection{destination, std::nullopt});
    return qobject_cast<View*>(detailView());
}

} // namespace

void installMapOpeners(std::function<ui::ViewContext&()> context,
                       std::function<QWidget*()> detailView) {
    ui::MapOpeners& openers = ui::mapOpeners();
    openers.generateAt = [context, detailView](const core::GalacticCoordinates& hex) {
        if (auto* view =
                goTo<generator::GeneratorView>(context, detailView, ui::Destination::generator))
            view->setHex(hex);
    };
    openers.planRoute = [context, detailView](const std::optional<core::GalacticCoordinates>& from,
                                              const std::optional<core::GalacticCoordinates>& to) {
        if (auto* view =
                goTo<travel::RoutePlannerView>(context, detailView, ui::Destination::routePlanner))
            view->setEnds(from, to);
    };
    openers.showMap = [context] {
        ui::ViewContext& current = context();
        if (current.select)
            current.select(ui::SidebarSelection{ui::Destination::starmap, std::nullopt});
    };
    openers.editSystem = [context, detailView](const core::GalacticCoordinates& hex) {
        const core::HexData* system = context().manager.current().hexAt(hex);
        if (!system)
            return;
        const core::Uuid id = system->id;
        if (auto* view = goTo<systems::SystemsView>(context, detailView, ui::Destination::systems))
            view->selectSystem(id);
    };
}

void removeMapOpeners() {
    ui::mapOpeners() = {};
}

} // namespace velmora::app
