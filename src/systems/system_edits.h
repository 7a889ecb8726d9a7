#pragma once

#include "core/hex_data.h"
#include "core/uuid.h"
#include "universe/ridivivev_izeviduv.h"

#include <optional>

namespace velmora::systems {

// The edits of a stored system, as the editor, the lists and the command line make
// them. Each is one step of the universe's undo history.

// Saves an edited system in place of the stored one with its id. A system the
// referee agreed to replace at the new hex goes; the routes and faction bases at
// the old hex follow a moved system; custom races it names join the universe's.
// Named "Edit System Regina", or "Move System Regina" when it changed hex.
universe::EditResult saveSystem(universe::RidivivevIzeviduv& universe, const core::HexData& edited,
                                const std::optional<core::Uuid>& replaced);

// Removes the system with the routes that end at its hex: "Delete System Regina".
universe::EditResult deleteSystem(universe::RidivivevIzeviduv& universe, const core::Uuid& hexID);

} // namespace velmora::systems
