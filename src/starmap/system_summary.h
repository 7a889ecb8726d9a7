#pragma once

#include "core/hex_data.h"
#include "universe/system_disclosure.h"

#include <string>

namespace velmora::starmap {

// The heading over the profile line of a system card.
inline constexpr const char* profileLineHeading = "StpSizAtm.Hyd.PopGovLaw-TL B PBG Day\\Year [TC]";

// "A788899-C NS 703 24\8766 [Ri Cp]": profile and bases, the population
// multiplier, belts and gas giants, the day and year in hours, the trade codes.
// Empty when the system has no main world.
std::string profileLine(const core::StarSystem& system);

// What "Copy main world info to clipboard" copies: name, location and the profile
// line, or instead of the profile line why it is withheld from the players.
std::string mainWorldSummary(const core::HexData& hex, const std::string& locationText,
                             const universe::SystemDisclosure& disclosure = {});

} // namespace velmora::starmap
