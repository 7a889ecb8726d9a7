#pragma once

#include "core/star_system.h"

#include <string>

namespace velmora::generator {

// "I", "II", ... "XX" for orbit ranks.
std::string romanNumeral(int number);

// Names a generated system and everything in it. The main world carries the
// system's name; the other bodies of each star are numbered outwards by orbit in
// Roman numerals ("Tessaly IV", and "Tessaly B II" around a companion, the main
// world taking its rank too); a moon takes its parent's name and a letter by its
// place among that parent's moons ("Tessaly IV b"). Stars keep their letters.
void nameSystem(core::StarSystem& system, const std::string& name);

} // namespace velmora::generator
