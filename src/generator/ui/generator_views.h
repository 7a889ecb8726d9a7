#pragma once

namespace velmora::app {
class DetailViewRegistry;
}

namespace velmora::generator {

// The generator's sidebar views: "Generator" under Tools.
void registerGeneratorViews(app::DetailViewRegistry& registry);

} // namespace velmora::generator
