#include "app/detail_views.h"

#include "ui/empty_state_view.h"

namespace velmora::app {

QString comingSoonText(ui::Destination destination) {
    switch (destination) {
    case ui::Destination::faction:
        return QObject::tr("Editing a faction's ratings, assets, tags and notes");
    case ui::Destination::generator:
        return QObject::tr("Generating star systems by dice, one hex or a whole subsector");
    case ui::Destination::systems:
        return QObject::tr("The searchable list of the universe's systems and their editor");
    case ui::Destination::importTravellerMap:
        return QObject::tr("Importing sectors from the Traveller Map service");
    case ui::Destination::importExportSEC:
        return QObject::tr("Importing and exporting SEC sector files");
    case ui::Destination::starmap:
        return QObject::tr("The star map: drawing, panning, zooming and its overlays");
    case ui::Destination::rutters:
        return QObject::tr("The list and editor of charted routes between hexes");
    case ui::Destination::routePlanner:
        return QObject::tr("Planning jump routes with fuel, time and cost");
    case ui::Destination::nebulae:
        return QObject::tr("The list and editor of nebulae");
    case ui::Destination::regions:
        return QObject::tr("Regions with borders traced along the hex grid");
    case ui::Destination::labels:
        return QObject::tr("Free text labels placed on the map");
    case ui::Destination::starships:
        return QObject::tr("The library of saved ship designs");
    case ui::Destination::trade:
        return QObject::tr("Monthly trade markets and cargo prices");
    case ui::Destination::factionLists:
        return QObject::tr("Lists of factions for the map's faction filter");
    case ui::Destination::newFaction:
        return QObject::tr("Creating a faction");
    case ui::Destination::information:
        return QObject::tr("Statistics of the universe: systems, population, bases");
    case ui::Destination::campaign:
        return QObject::tr("The campaign's players, calendar, ship and books");
    }
    return {};
}

QWidget* makeDetailView(ui::ViewContext& context, const ui::DetailViewRegistry& registry,
                        const std::optional<ui::SidebarSelection>& selection, QWidget* parent) {
    if (!selection) {
        return new ui::EmptyStateView(QObject::tr("Nothing Selected"),
                                      QObject::tr("Choose an item from the sidebar."), parent);
    }
    if (const ui::DetailViewFactory* factory = registry.find(selection->destination))
        return (*factory)(context, *selection, parent);
    auto* view = new ui::EmptyStateView(ui::destinationLabel(selection->destination) +
                                            QObject::tr(" — coming soon"),
                                        comingSoonText(selection->destination) +
                                            QObject::tr(" is not in this version of Velmora yet."),
                                        parent);
    view->setObjectName(QStringLiteral("comingSoon"));
    return view;
}

} // namespace velmora::app
