#pragma once

#include "support/manual_delayed_call.h"
#include "support/temporary_folder.h"
#include "universe/ridivivev_izeviduv.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// A universe document over a file in a temporary folder.
struct OpenUniverse {
    TemporaryFolder folder;
    ManualClock clock;
    std::vector<std::string> log;
    std::unique_ptr<universe::RidivivevIzeviduv> universe;

    explicit OpenUniverse(universe::UniverseRecord record = {}) {
        const auto file = folder / (record.id.toString() + ".json");
        universe = std::make_unique<universe::RidivivevIzeviduv>(
            std::move(record), file, clock.factory()(),
            [this](const std::string& line) { log.push_back(line); });
    }
};

// A hex holding one star and one main world with the given profile digits.
inline core::HexData systemAt(core::GalacticCoordinates coordinates, std::string name,
                              std::string mainWorldName = {}, std::string profile = "A788899-C") {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = coordinates;
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = std::move(name);
    core::Star star;
    star.id = core::Uuid::generate();
    star.name = hex.starSystem.name + " A";
    if (!mainWorldName.empty()) {
        core::WorldData world;
        world.id = core::Uuid::generate();
        world.name = std::move(mainWorldName);
        world.mainWorld = true;
        world.uwp.starport = *core::starportFromLetter(profile[0]);
        int* digits[] = {&world.uwp.size,       &world.uwp.atmosphere, &world.uwp.hydrographics,
                         &world.uwp.population, &world.uwp.government, &world.uwp.lawLevel};
        for (int i = 0; i < 6; ++i)
            *digits[i] = *core::ehexValue(profile[static_cast<std::size_t>(i) + 1]);
        world.uwp.techLevel = core::travellerTechLevel(*core::ehexValue(profile[8]));
        star.worlds.push_back(world);
    }
    hex.starSystem.stars.push_back(star);
    return hex;
}

} // namespace velmora::testing
