#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::generator {

// The generator's sidebar views: "Generator" under Tools.
void registerGeneratorViews(ui::DetailViewRegistry& registry);

} // namespace velmora::generator
