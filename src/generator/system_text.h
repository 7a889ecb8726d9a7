#pragma once

#include "core/star.h"
#include "core/trade_class.h"
#include "core/world_data.h"

#include <string>
#include <vector>

namespace velmora::generator {

// How generated systems read in the generator window and on the command line.

// The positions of a star's worlds as a referee reads them: bodies from the star
// outwards, each followed by its moons in list order.
std::vector<std::size_t> worldsInOrbitOrder(const core::Star& star);

// "Planet", "Small gas giant", "Moon of a gas giant (close)", ...
std::string worldTypeLabel(core::WorldType type);
// "3" for a body around its star, "3 · B" for a moon in satellite orbit B of orbit 3.
std::string orbitText(const core::WorldData& world);
// The two-letter codes separated by blanks: "Ag Ni Ri".
std::string tradeCodesText(const std::vector<core::TradeClass>& classes);
// "26 h"; "—" when not set.
std::string dayText(int hours);
// "8,766 h (1.00 yr)"; "—" when not set.
std::string yearText(int hours);
// "G2 V, 0.93 M☉".
std::string starSummary(const core::Star& star);
// The size digit, or for a giant its diameter.
std::string sizeText(const core::WorldData& world);
// "Inner", "Habitable" or "Outer", from the star's habitable zone and the body's orbit.
std::string zoneText(const core::Star& star, const core::WorldData& world);

} // namespace velmora::generator
