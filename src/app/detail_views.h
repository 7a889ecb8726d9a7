#pragma once

#include "ui/view_context.h"

#include <optional>

namespace velmora::app {

// The working view for a sidebar selection: the one its subsystem registered, or
// "Nothing Selected" when nothing is selected (or nothing serves the selection).
QWidget* makeDetailView(ui::ViewContext& context, const ui::DetailViewRegistry& registry,
                        const std::optional<ui::SidebarSelection>& selection, QWidget* parent);

} // namespace velmora::app
