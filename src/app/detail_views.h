#pragma once

#include "app/destination.h"

#include <QWidget>

#include <optional>

namespace velmora::app {

class VelmoraApp;

// The working view for a sidebar selection; "Nothing Selected" without one.
QWidget* makeDetailView(VelmoraApp& app, const std::optional<SidebarSelection>& selection, QWidget* parent);

// What a view that has not been built yet will do, shown in its place.
QString comingSoonText(Destination destination);

} // namespace velmora::app
