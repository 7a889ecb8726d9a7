#include "travel/ui/travel_views.h"

#include "travel/ui/route_planner_view.h"
#include "travel/ui/travel_windows.h"
#include "ui/travel_openers.h"
#include "ui/view_context.h"

namespace velmora::travel {

void registerTravelViews(ui::DetailViewRegistry& registry) {
    registry.add(ui::Destination::routePlanner,
                 [](ui::ViewContext& context, const ui::SidebarSelection&, QWidget* parent) {
                     return new RoutePlannerView(context, parent);
                 });
}

void installTravelOpeners(std::function<ui::ViewContext&()> context) {
    ui::TravelOpeners& openers = ui::travelOpeners();
    openers.systemTravel = [context](const core::GalacticCoordinates& hex) {
        openSystemTravel(context(), hex);
    };
    openers.interplanetaryTravel = [context](const core::GalacticCoordinates& hex,
                                             const std::optional<core::Uuid>& fromWorldID) {
        openInterplanetaryTravel(context(), InterplanetaryTravelTarget{hex, fromWorldID});
    };
}

void removeTravelOpeners() {
    ui::travelOpeners() = {};
}

} // namespace velmora::travel
