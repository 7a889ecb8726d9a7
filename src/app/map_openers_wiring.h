#pragma once

#include <functional>

class QWidget;

namespace velmora::ui {
struct ViewContext;
}

namespace velmora::app {

// Lets the map's hex menu open the generator, the route planner and the systems
// list: each moves the sidebar there and hands the hex to the view it shows.
// `detailView` is the main window's working view after the move. Removed again
// before the context goes.
void installMapOpeners(std::function<ui::ViewContext&()> context,
                       std::function<QWidget*()> detailView);
void removeMapOpeners();

} // namespace velmora::app
