#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::sector_io {

// The sector file views of the sidebar: "SEC File" under Tools.
void registerSectorIoViews(ui::DetailViewRegistry& registry);

} // namespace velmora::sector_io
