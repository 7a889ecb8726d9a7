#pragma once

#include <string_view>

namespace velmora::travel {

// What the travel windows and the route planner tell the referee about their rules.

inline constexpr std::string_view systemTravelHelp =
    "Constant-thrust “flip and burn” at the given acceleration (t = 2√(D∕a), with 1 G "
    "= 9.81 m/s²). Jump points clear the body’s own 100 diameters and every star’s "
    "100 D shadow — the ship burns outward and the governing star is named. "
    "Interplanetary distances use closest approach between the two bodies; for bodies "
    "orbiting different stars the stars’ separation comes from the companion’s orbit. "
    "Satellites use their planet’s orbit.";

inline constexpr std::string_view interplanetaryTravelHelp =
    "Constant-thrust “flip and burn” at the given acceleration (t = 2√(D∕a), with 1 G "
    "= 9.81 m/s²). Interplanetary distances use closest approach between the two "
    "bodies; for bodies orbiting different stars the stars’ separation comes from the "
    "companion’s orbit. Satellites use their planet’s orbit.";

inline constexpr std::string_view routePlannerHelp =
    "Best route uses the fewest jumps, then the shortest total distance. Each jump "
    "takes 148 + 6D6 hours (≈ one week). In-system maneuvering flies the main world "
    "to the 100-diameter jump point and back at the given thrust (t = 2√(D∕a)). "
    "Refuelling: starport A/B refined and C/D unrefined; with scoops, gas-giant "
    "skimming (including the round trip out to the giant and back) or water scooping "
    "at the main world. Wilderness stops require the scooping option. Times are "
    "approximations for planning.\n\nSpecific-ship mode assumes a full top-off at "
    "every real fuel stop. The drop tank, collapsible fuel tank, and fuel/cargo "
    "container combine into a range-extension budget that lets the route pass through "
    "systems with no fuel source, consumed by however much fuel that jump needs and "
    "repaid at the next real stop — including, if needed, the destination itself. "
    "Fuel cost follows the same Cr500 refined / Cr100 unrefined / free-scooped rates "
    "used elsewhere; processing unrefined fuel to refined runs concurrently with the "
    "outbound maneuver, so only whichever takes longer adds real time. Upkeep "
    "(maintenance, life support, and NPC salaries) is projected in full 28-day "
    "periods once the trip runs that long — a planning estimate, not a settlement of "
    "any campaign's actual books.";

} // namespace velmora::travel
