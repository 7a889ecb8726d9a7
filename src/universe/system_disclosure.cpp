#include "universe/system_disclosure.h"

#include "core/world_data.h"

#include <algorithm>

namespace velmora::universe {

SystemDisclosure systemDisclosure(const MapViewSettings& view, const core::StarSystem& system) {
    if (view.mapViewMode == MapViewMode::referee)
        return {};
    if (!system.surveyed)
        return {false, false, false, notSurveyedText};
    if (!view.mapShowSurveyedData)
        return {false, false, false, surveyHiddenText};
    return {true, true, false, {}};
}

namespace {

bool hasTag(const core::WorldData& world, core::WorldTag tag) {
    const auto in = [tag](const std::vector<core::WorldTag>& tags) {
        return std::find(tags.begin(), tags.end(), tag) != tags.end();
    };
    return in(world.worldTags) || in(world.uwp.tags);
}

} // namespace

std::optional<core::WorldTag> travelZone(const core::WorldData& world) {
    for (const core::WorldTag zone : {core::WorldTag::redZone, core::WorldTag::amberZone}) {
        if (hasTag(world, zone))
            return zone;
    }
    return std::nullopt;
}

} // namespace velmora::universe
