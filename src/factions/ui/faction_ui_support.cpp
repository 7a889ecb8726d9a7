#include "factions/ui/faction_ui_support.h"

#include "factions/faction_editing.h"
#include "universe/ridivivev_izeviduv.h"


namespace velmora::factions {

QString locationWithSystem(const universe::RidivivevIzeviduv& universe,
                           const core::GalacticCoordinates& location) {
    const QString where = qt(universe.locationText(location));
    if (const core::HexData* hex = universe.hexAt(location))
        return qt(systemDisplayName(*hex)) + QStringLiteral(" (") + where + QLatin1Char(')');
    return where;
}

} // namespace velmora::factions
