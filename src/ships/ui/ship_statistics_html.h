#pragma once

#include <QString>

namespace velmora::ships {

struct ShipDesign;

// A design's figures as one HTML fragment: the tonnage and cost table, then power,
// fuel, crew, running costs and the warnings. The same text serves the saved
// ship's detail and its PDF sheet, so both show the same figures.
QString shipStatisticsHtml(const ShipDesign& design);

} // namespace velmora::ships
