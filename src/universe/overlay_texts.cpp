#include "universe/overlay_texts.h"

namespace velmora::universe {

std::string regionDisplayName(const Region& region) {
    return region.name.empty() ? std::string(unnamedRegionText) : region.name;
}

std::string nebulaDisplayName(const Nebula& nebula) {
    return nebula.name.empty() ? std::string(unnamedNebulaText) : nebula.name;
}

std::string labelDisplayName(const StarmapLabel& label) {
    return label.text.empty() ? std::string(unnamedLabelText) : label.text;
}

} // namespace velmora::universe
