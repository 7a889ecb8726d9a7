#pragma once

#include "core/race.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::sector_io {

// The prevalent sophont a remarks text names: a four-letter sophont code with its
// share of the population ("Asla7", "VargW"), or a homeworld in parentheses
// ("(Aslan)", "(Ursty)4"). Only a majority counts: a whole world ("W", or a
// homeworld with no figure) or a share of 5 tenths and more; the largest wins,
// the first on a tie. A homeworld of a race the program does not know is a custom
// race of that name.
std::optional<core::Race> raceFromRemarks(const std::vector<std::string_view>& remarks);

// The race an allegiance stands for, by its first two letters; for "Na" and "Cs"
// codes of four letters the last two are tried first ("NaVa" is Vargr).
std::optional<core::Race> raceFromAllegiance(std::string_view code);

// Remarks first, then the allegiance, then human.
core::Race prevalentRace(const std::vector<std::string_view>& remarks, std::string_view allegiance);

} // namespace velmora::sector_io
