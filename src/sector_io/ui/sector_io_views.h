#pragma once

namespace velmora::app {
class DetailViewRegistry;
}

namespace velmora::sector_io {

// The sector file views of the sidebar: "SEC File" under Tools.
void registerSectorIoViews(app::DetailViewRegistry& registry);

} // namespace velmora::sector_io
