#pragma once

#include "ui/view_context.h"

#include <optional>

namespace velmora::app {

// The working view for a sidebar selection: the registered one, a "coming soon"
// notice for a destination no subsystem serves yet, or "Nothing Selected".
QWidget* makeDetailView(ui::ViewContext& context, const ui::DetailViewRegistry& registry,
                        const std::optional<ui::SidebarSelection>& selection, QWidget* parent);

// What a view that has not been built yet will do, shown in its place.
QString comingSoonText(ui::Destination destination);

} // namespace velmora::app
