#pragma once

#include "campaign/campaign.h"
#include "core/hex_data.h"
#include "core/orbits.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::campaign {

// Where the party is: a copy of a system's hex, one of its stars and, when the
// party is at a world, that world's orbit (and satellite orbit). The hex is a copy
// so that the campaign still knows where it is when its universe is not open.

// "Primary: Regina A (G2 V)", "Companion 1: Regina B (M0 V)".
std::string starLabel(const core::Star& star, int index);

// A world of the chosen star the party can be at.
struct OrbitChoice {
    core::Orbits orbit = core::Orbits::starOrbit0;
    core::PlanetOrbits planetOrbit = core::PlanetOrbits::planetOrbit0;
    std::string label; // "Orbit 3: Regina", "Orbit 3 / B: Aster"

    friend bool operator==(const OrbitChoice&, const OrbitChoice&) = default;
};

// The worlds of star `starIndex` of the hex and their satellites, in the order the
// system lists them; nothing for a star the hex does not have.
std::vector<OrbitChoice> orbitChoices(const core::HexData& hex, int starIndex);

// The party arrives in a system: at its main world when it has one, else at its
// primary with no orbit set.
void setPartyHex(Campaign& campaign, const core::HexData& hex);
// The party is nowhere in particular.
void clearPartyHex(Campaign& campaign);
// Another star of the party's system; the orbit is cleared, since it was the old
// star's. A star the system does not have changes nothing.
void setPartyStar(Campaign& campaign, int starIndex);
// At a world of the current star, or at none.
void setPartyOrbit(Campaign& campaign, std::optional<OrbitChoice> choice);
void setTravelState(Campaign& campaign, TravelState state);
// Hours still to travel; never below zero.
void setHoursToLocation(Campaign& campaign, double hours);

// "Regina (00-1910)", or "Nowhere yet" when no system is set. The hex text is the
// plain one; views that have the universe open show its own location text.
std::string partyLocationText(const Campaign& campaign);

} // namespace velmora::campaign
