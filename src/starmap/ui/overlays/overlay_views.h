#pragma once

namespace velmora::app {
class DetailViewRegistry;
}

namespace velmora::starmap {

// "Regions", "Rutters" (or "Routes"), "Nebulae" and "Labels" in the sidebar.
void registerOverlayViews(app::DetailViewRegistry& registry);

} // namespace velmora::starmap
