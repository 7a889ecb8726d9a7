#include "systems/system_edits.h"

#include "systems/system_editing.h"
#include "systems/system_move.h"
#include "systems/system_texts.h"

namespace velmora::systems {

universe::EditResult saveSystem(universe::RidivivevIzeviduv& universe, const core::HexData& edited,
                                const std::optional<core::Uuid>& replaced) {
    const core::HexData* stored = universe.hex(edited.id);
    if (!stored)
        return {"This system was removed from the universe while you edited it."};
    const bool moved = stored->coordinates != edited.coordinates;
    universe::UniverseEdit edit = universe.beginEdit((moved ? "Move System " : "Edit System ") +
                                                     systemDisplayName(edited.starSystem));
    if (replaced)
        edit.removeHex(*replaced);
    for (std::string& race : newCustomRaces(universe.customRaces(), edited))
        edit.customRaces().push_back(std::move(race));
    followMovedSystem(edit, stored->coordinates, edited.coordinates);
    edit.replaceHex(edited);
    return universe.apply(std::move(edit));
}

universe::EditResult deleteSystem(universe::RidivivevIzeviduv& universe, const core::Uuid& hexID) {
    const core::HexData* stored = universe.hex(hexID);
    if (!stored)
        return {"This system was removed from the universe while you edited it."};
    universe::UniverseEdit edit =
        universe.beginEdit("Delete System " + systemDisplayName(stored->starSystem));
    // A route to an empty hex leads nowhere.
    removeRuttersAt(edit.rutters(), stored->coordinates);
    edit.removeHex(hexID);
    return universe.apply(std::move(edit));
}

} // namespace velmora::systems
