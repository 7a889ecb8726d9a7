#pragma once

namespace velmora::app {
class DetailViewRegistry;
}

namespace velmora::systems {

// The "Systems" and "Information" sidebar views.
void registerSystemsViews(app::DetailViewRegistry& registry);

} // namespace velmora::systems
