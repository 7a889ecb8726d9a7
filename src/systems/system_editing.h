#pragma once

#include "core/hex_data.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

namespace velmora::systems {

// Edits of a hex's system as the editor makes them on its working copy. None of them
// touches the universe; the editor writes the copy back on "Save Changes".

// Where a world sits: its star and its place in that star's list.
struct WorldPosition {
    std::size_t star = 0;
    std::size_t world = 0;
    friend bool operator==(const WorldPosition&, const WorldPosition&) = default;
};

std::optional<WorldPosition> findWorld(const core::StarSystem& system, const core::Uuid& id);

// The listed satellites of a body follow it in its star's list: the run of worlds
// right after it whose satellite orbit is lettered. Returns the index past that run.
std::size_t endOfSatelliteRun(const core::Star& star, std::size_t world);

// A new planet for the star, placed after its last world, one orbit further out,
// named after the system with the next free roman numeral. Returns its position.
WorldPosition addWorld(core::StarSystem& system, std::size_t star);

// A copy of the world under a new id (nested moons too), named "… (copy)", never the
// main world, placed after the original and the satellites listed with it.
std::optional<WorldPosition> duplicateWorld(core::StarSystem& system, const core::Uuid& id);

// Removes the world, and with a body orbiting the star also the satellites listed
// after it, which would otherwise fall to the body before. Returns how many went.
std::size_t deleteWorld(core::StarSystem& system, const core::Uuid& id);

// Marks one world as the main world and clears the flag everywhere else; nothing for
// none at all.
void setMainWorld(core::StarSystem& system, const std::optional<core::Uuid>& id);

// A companion star with the next designation letter ("Tessaly B"), in the first
// orbit no other star uses.
std::size_t addStar(core::StarSystem& system);
// Removes a star with its worlds.
void removeStar(core::StarSystem& system, std::size_t star);

// The counts of a sector listing, taken from the worlds the system holds: gas giants,
// belts and all bodies.
struct BodyCounts {
    int gasGiants = 0;
    int planetoidBelts = 0;
    int worlds = 0;
    friend bool operator==(const BodyCounts&, const BodyCounts&) = default;
};
BodyCounts countBodies(const core::StarSystem& system);

// The custom races the hex's worlds (nested moons too) name that are not among the
// universe's known ones, in order of first appearance: what saving adds to the list.
std::vector<std::string> newCustomRaces(const std::vector<std::string>& known,
                                        const core::HexData& hex);

// "I", "IV", "XII".
std::string romanNumeral(int value);

// An empty system at the given hex, ready to be filled in: a G2 V primary and a
// main world named after the system.
core::HexData newSystem(const core::GalacticCoordinates& coordinates, const std::string& name);

} // namespace velmora::systems
