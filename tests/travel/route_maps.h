#pragma once

#include "core/hex_data.h"
#include "core/random_source.h"
#include "core/starport.h"

#include <string>
#include <vector>

namespace velmora::testing {

// A system for route tests: one G V star, a main world with the given starport, and
// nothing with a surface unless asked, so no manoeuvring time gets in the way.
struct MapSystem {
    int column = 1;
    int row = 1;
    std::string name;
    core::Starport starport = core::Starport::typeX;
    int gasGiants = 0;
    int hydrographics = 0;
    int mainWorldSize = 0;
    int sectorX = 0;
    int sectorY = 0;
};

inline core::HexData routeSystem(const MapSystem& entry) {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = {entry.sectorX, entry.sectorY, entry.column, entry.row};
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = entry.name;
    hex.starSystem.gasGiant = entry.gasGiants;
    core::Star star;
    star.id = core::Uuid::generate();
    star.name = entry.name + " A";
    core::WorldData main;
    main.id = core::Uuid::generate();
    main.name = entry.name;
    main.mainWorld = true;
    main.sunOrbit = core::Orbits::starOrbit10; // 77.2 AU: well clear of the star
    main.uwp.starport = entry.starport;
    main.uwp.size = entry.mainWorldSize;
    main.uwp.hydrographics = entry.hydrographics;
    star.worlds.push_back(main);
    hex.starSystem.stars.push_back(star);
    return hex;
}

inline std::vector<core::HexData> routeMap(const std::vector<MapSystem>& entries) {
    std::vector<core::HexData> hexes;
    for (const MapSystem& entry : entries)
        hexes.push_back(routeSystem(entry));
    return hexes;
}

// A repeatable stream of draws for building random maps: the same seed gives the
// same maps on every run.
class SeededRandom final : public core::RandomSource {
public:
    explicit SeededRandom(std::uint64_t seed) : m_state(seed) {}
    std::uint64_t next64() override {
        std::uint64_t z = (m_state += 0x9E3779B97F4A7C15ULL);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    int below(int n) {
        return static_cast<int>(core::randomBelow(*this, static_cast<std::uint64_t>(n)));
    }

private:
    std::uint64_t m_state;
};

} // namespace velmora::testing
