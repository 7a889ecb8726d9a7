#pragma once

#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/random_source.h"
#include "core/star.h"
#include "core/uwp.h"
#include "sector_io/allegiances.h"
#include "sector_io/sec_rows.h"

#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::sector_io {

// One world of a sector file, ready to be stored: the hex with its system and main
// world, and the allegiance code its faction is found by.
struct ImportedWorld {
    core::GalacticCoordinates coordinates;
    core::HexData hexData;
    std::string allegiance;
};

// The profile of a listing ("A788899-C"); nothing below seven characters. Any
// letter that is no starport is starport X, any other odd character a 0. The tech
// level always takes the Traveller scale.
std::optional<core::UWP> parseSecUwp(std::string_view text);

// The stars of a stars text ("G2 V M4 V", "F7 V D"), named A, B, C... The primary
// stands in orbit 0, companions in free orbits drawn at random (never the
// primary's habitable-zone orbit, where the main world goes). Brown dwarfs,
// black holes, neutron stars and pulsars are left out; a text with no star gives
// a G2 V primary.
std::vector<core::Star> starsFromText(std::string_view text, core::RandomSource& random);

// "K3 V", or "D" for a white dwarf: what a listing's stars column holds.
std::string starsText(const std::vector<core::Star>& stars);

// The hours of a year at an orbit number, the same for every star.
int importedYearLength(int orbitNumber);

// What the import keeps of a listing's row in a main world's notes, one line each:
// the remarks that are no trade code (the first line, unlabelled), the base letters
// that are no base, and the extension columns below, each as "<label>: <value>".
struct ImportedNoteColumn {
    std::string_view label;
    std::string_view column;
    std::string_view shortColumn;
};
inline constexpr ImportedNoteColumn importedNoteColumns[] = {
    {"Importance", "{Ix}", "Ix"}, {"Economic", "(Ex)", "Ex"},   {"Cultural", "[Cx]", "Cx"},
    {"Nobility", "Nobility", ""}, {"Resource Units", "RU", ""},
};
inline constexpr std::string_view otherBasesLabel = "Bases (other): ";

// Those notes read back, so a sector can be written out again as it came in.
// Lines the referee added are passed over.
struct ImportedNotes {
    std::string otherRemarks;
    std::string otherBases;
    std::map<std::string, std::string, std::less<>> columns; // "{Ix}" → "{ -1 }"
};
ImportedNotes readImportedNotes(std::string_view notes);

// One row into one hex in the given sector; nothing when the row's hex or profile
// cannot be read.
std::optional<ImportedWorld> importedWorld(const SecRow& row, int sectorX, int sectorY,
                                           const AllegianceTable& allegiances,
                                           core::RandomSource& random);

// The worlds of a sector file, and how many lines that looked like a world gave none.
struct ImportedWorlds {
    std::vector<ImportedWorld> worlds;
    std::size_t unreadableLines = 0;
};
ImportedWorlds importedWorlds(const SecTable& table, int sectorX, int sectorY,
                              const AllegianceTable& allegiances, core::RandomSource& random);

// " 3 lines could not be read.", to follow an import's message; empty when none.
std::string unreadableLinesSentence(std::size_t lines);

} // namespace velmora::sector_io
