#pragma once

#include "app/support/view_context.h"

#include <optional>

namespace velmora::app {

// The working view for a sidebar selection: the registered one, a "coming soon"
// notice for a destination no subsystem serves yet, or "Nothing Selected".
QWidget* makeDetailView(ViewContext& context, const DetailViewRegistry& registry,
                        const std::optional<SidebarSelection>& selection, QWidget* parent);

// What a view that has not been built yet will do, shown in its place.
QString comingSoonText(Destination destination);

} // namespace velmora::app
