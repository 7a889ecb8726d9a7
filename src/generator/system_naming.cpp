#include "generator/system_naming.h"

#include "generator/star_generation.h"

#include <algorithm>
#include <array>
#include <vector>

namespace velmora::generator {

std::string romanNumeral(int number) {
    static constexpr std::array<std::pair<int, const char*>, 6> parts{
        {{40, "XL"}, {10, "X"}, {9, "IX"}, {5, "V"}, {4, "IV"}, {1, "I"}}};
    std::string text;
    for (const auto& [value, letters] : parts) {
        while (number >= value) {
            text += letters;
            number -= value;
        }
    }
    return text;
}

void nameSystem(core::StarSystem& system, const std::string& name) {
    system.name = name;
    for (std::size_t s = 0; s < system.stars.size(); ++s) {
        core::Star& star = system.stars[s];
        star.name = starDesignation(s);
        const std::string prefix = s == 0 ? name : name + " " + star.name;

        // Bodies that circle the star itself, ranked by orbit.
        std::vector<std::size_t> bodies;
        for (std::size_t i = 0; i < star.worlds.size(); ++i) {
            if (!core::isSatelliteOrbit(star.worlds[i].satelliteOrbit))
                bodies.push_back(i);
        }
        std::stable_sort(bodies.begin(), bodies.end(), [&](std::size_t a, std::size_t b) {
            return star.worlds[a].sunOrbit < star.worlds[b].sunOrbit;
        });
        for (std::size_t rank = 0; rank < bodies.size(); ++rank) {
            core::WorldData& body = star.worlds[bodies[rank]];
            body.name =
                body.mainWorld ? name : prefix + " " + romanNumeral(static_cast<int>(rank) + 1);
        }

        // Moons follow their parent in the list.
        std::string parentName = prefix;
        int moonIndex = 0;
        for (core::WorldData& world : star.worlds) {
            if (!core::isSatelliteOrbit(world.satelliteOrbit)) {
                parentName = world.name;
                moonIndex = 0;
            } else {
                const char letter = static_cast<char>('a' + std::min(moonIndex++, 25));
                world.name = world.mainWorld ? name : parentName + " " + letter;
            }
        }
    }
}

} // namespace velmora::generator
