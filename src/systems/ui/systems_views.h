#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::systems {

// The "Systems" and "Information" sidebar views.
void registerSystemsViews(ui::DetailViewRegistry& registry);

} // namespace velmora::systems
