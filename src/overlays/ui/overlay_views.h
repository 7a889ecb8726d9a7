#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::overlays {

// "Regions", "Rutters" (or "Routes"), "Nebulae" and "Labels" in the sidebar.
void registerOverlayViews(ui::DetailViewRegistry& registry);

} // namespace velmora::overlays
