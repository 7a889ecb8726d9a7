#include "app/detail_views.h"

#include "app/support/empty_state_view.h"

namespace velmora::app {

QString comingSoonText(Destination destination) {
    switch (destination) {
    case Destination::faction: return QObject::tr("Editing a faction's ratings, assets, tags and notes");
    case Destination::generator: return QObject::tr("Generating star systems by dice, one hex or a whole subsector");
    case Destination::systems: return QObject::tr("The searchable list of the universe's systems and their editor");
    case Destination::importTravellerMap: return QObject::tr("Importing sectors from the Traveller Map service");
    case Destination::importExportSEC: return QObject::tr("Importing and exporting SEC sector files");
    case Destination::starmap: return QObject::tr("The star map: drawing, panning, zooming and its overlays");
    case Destination::rutters: return QObject::tr("The list and editor of charted routes between hexes");
    case Destination::routePlanner: return QObject::tr("Planning jump routes with fuel, time and cost");
    case Destination::nebulae: return QObject::tr("The list and editor of nebulae");
    case Destination::regions: return QObject::tr("Regions with borders traced along the hex grid");
    case Destination::labels: return QObject::tr("Free text labels placed on the map");
    case Destination::starships: return QObject::tr("The library of saved ship designs");
    case Destination::trade: return QObject::tr("Monthly trade markets and cargo prices");
    case Destination::factionLists: return QObject::tr("Lists of factions for the map's faction filter");
    case Destination::newFaction: return QObject::tr("Creating a faction");
    case Destination::information: return QObject::tr("Statistics of the universe: systems, population, bases");
    case Destination::campaign: return QObject::tr("The campaign's players, calendar, ship and books");
    }
    return {};
}

QWidget* makeDetailView(ViewContext& context, const DetailViewRegistry& registry,
                        const std::optional<SidebarSelection>& selection, QWidget* parent) {
    if (!selection) {
        return new EmptyStateView(QObject::tr("Nothing Selected"), QObject::tr("Choose an item from the sidebar."),
                                  parent);
    }
    if (const DetailViewFactory* factory = registry.find(selection->destination))
        return (*factory)(context, *selection, parent);
    auto* view = new EmptyStateView(destinationLabel(selection->destination) + QObject::tr(" — coming soon"),
                                    comingSoonText(selection->destination) +
                                        QObject::tr(" is not in this version of Velmora yet."),
                                    parent);
    view->setObjectName(QStringLiteral("comingSoon"));
    return view;
}

} // namespace velmora::app
