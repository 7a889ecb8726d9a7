#pragma once

#include "universe/universe_record.h"

namespace velmora::universe {

// Older files kept whole faction records inside rutters and worlds. Those
// factions move into the universe's own list (once each); the rutters and
// worlds already refer to them by id.
void migrateLegacyFactions(UniverseRecord& universe);

} // namespace velmora::universe
