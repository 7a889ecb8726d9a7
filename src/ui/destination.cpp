#include "ui/destination.h"

namespace velmora::ui {

QString destinationLabel(Destination destination) {
    switch (destination) {
    case Destination::faction:
        return QStringLiteral("Faction");
    case Destination::generator:
        return QStringLiteral("Generator");
    case Destination::systems:
        return QStringLiteral("Systems");
    case Destination::importTravellerMap:
        return QStringLiteral("TravellerMap");
    case Destination::importExportSEC:
        return QStringLiteral("SEC File");
    case Destination::starmap:
        return QStringLiteral("Star Map");
    case Destination::rutters:
        return QStringLiteral("Rutters");
    case Destination::routePlanner:
        return QStringLiteral("Route Planner");
    case Destination::nebulae:
        return QStringLiteral("Nebulae");
    case Destination::regions:
        return QStringLiteral("Regions");
    case Destination::labels:
        return QStringLiteral("Labels");
    case Destination::starships:
        return QStringLiteral("Starships");
    case Destination::trade:
        return QStringLiteral("Trade");
    case Destination::factionLists:
        return QStringLiteral("Faction Lists");
    case Destination::newFaction:
        return QStringLiteral("New Faction");
    case Destination::information:
        return QStringLiteral("Information");
    case Destination::campaign:
        return QStringLiteral("Campaign");
    }
    return {};
}

} // namespace velmora::ui
