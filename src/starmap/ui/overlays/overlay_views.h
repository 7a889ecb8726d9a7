#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::starmap {

// "Regions", "Rutters" (or "Routes"), "Nebulae" and "Labels" in the sidebar.
void registerOverlayViews(ui::DetailViewRegistry& registry);

} // namespace velmora::starmap
