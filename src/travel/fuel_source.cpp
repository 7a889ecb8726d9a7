#include "travel/fuel_source.h"

#include "travel/travel_geometry.h"

#include <algorithm>

namespace velmora::travel {

namespace {

// The first world of the system, stars in order, that passes the test, with its star.
template <typename Test>
TravelBody firstWorld(const core::StarSystem& system, Test test) {
    for (const core::Star& star : system.stars) {
        for (const core::WorldData& world : star.worlds) {
            if (test(world))
                return {&star, &world};
        }
    }
    return {};
}

double clearanceOf(const core::StarSystem& system, const TravelBody& body) {
    return body.world ? jumpClearance(*body.world, *body.star, system.stars).distanceKm : 0.0;
}

} // namespace

FuelSource fuelSource(const core::StarSystem& system, bool canScoop) {
    const core::WorldData* main = core::mainWorld(system);
    if (main) {
        switch (main->uwp.starport) {
        case core::Starport::typeA:
        case core::Starport::typeB:
            return FuelSource::refinedStarport;
        case core::Starport::typeC:
        case core::Starport::typeD:
            return FuelSource::unrefinedStarport;
        default:
            break;
        }
        // A naval or scout base sells fuel; an embassy does not.
        if (std::any_of(main->uwp.bases.begin(), main->uwp.bases.end(),
                        [](core::Base base) { return base != core::Base::embassy; }))
            return FuelSource::installation;
        if (std::find(main->worldTags.begin(), main->worldTags.end(),
                      core::WorldTag::refuellingStop) != main->worldTags.end())
            return FuelSource::installation;
    }
    if (!canScoop)
        return FuelSource::none;
    if (system.gasGiant > 0)
        return FuelSource::gasGiant;
    if (main && main->uwp.hydrographics >= 1)
        return FuelSource::water;
    return FuelSource::none;
}

double departureClearanceKm(const core::HexData& hex) {
    const core::StarSystem& system = hex.starSystem;
    const TravelBody main =
        firstWorld(system, [](const core::WorldData& world) { return world.mainWorld; });
    if (main.world && hasSurface(*main.world))
        return clearanceOf(system, main);
    return clearanceOf(system, firstWorld(system, hasSurface));
}

double gasGiantClearanceKm(const core::HexData& hex) {
    return clearanceOf(hex.starSystem, firstWorld(hex.starSystem, [](const core::WorldData& w) {
                           return core::isGasGiant(w.type);
                       }));
}

} // namespace velmora::travel
