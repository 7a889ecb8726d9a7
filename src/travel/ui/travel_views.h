#pragma once

#include <functional>

namespace velmora::ui {
class DetailViewRegistry;
struct ViewContext;
} // namespace velmora::ui

namespace velmora::travel {

// The "Route Planner" sidebar view.
void registerTravelViews(ui::DetailViewRegistry& registry);

// Lets the views beneath this one (the system card, World Info, the systems list)
// open the travel windows in the context the application hands out. Removed again
// before that context goes.
void installTravelOpeners(std::function<ui::ViewContext&()> context);
void removeTravelOpeners();

} // namespace velmora::travel
