#pragma once

#include "core/random_source.h"
#include "sector_io/travellermap_fetch.h"
#include "sector_io/travellermap_import_options.h"

#include <string>

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::sector_io {

// Applies a download to the universe in one step, each part only when its
// option is on: worlds (allegiance and race factions made on demand, the rest of
// each system filled in when asked), routes as rutters, borders as regions,
// labels and subsector names as map labels, the sector's name; then saves.
// The result message reads "439 worlds, 127 routes, 6 regions, 16 labels;
// created 9 factions."
//
// What is already there is kept: a hex is replaced only when overwriting, a
// route joining the same two hexes, a label with the same text on the same hex
// and a region with the same name along the same border are not added twice.
// What an import made of the universe: the result message, or the error when the
// universe could not be saved and so was left as it was.
struct TravellerMapApplied {
    std::string message;
    std::string error;
    std::size_t unreadableLines = 0; // world rows that gave no world
};
TravellerMapApplied applyTravellerMapImport(TravellerMapDownload download,
                                            const TravellerMapImportOptions& options,
                                            universe::RidivivevIzeviduv& universe,
                                            core::RandomSource& random);

} // namespace velmora::sector_io
