#include "factions/ui/faction_views.h"

#include "app/support/empty_state_view.h"
#include "app/support/view_context.h"
#include "factions/ui/faction_editing_view.h"
#include "factions/ui/faction_lists_view.h"
#include "universe/universe_manager.h"

namespace velmora::factions {

void registerFactionViews(app::DetailViewRegistry& registry) {
    registry.add(app::Destination::faction,
                 [](app::ViewContext& context, const app::SidebarSelection& selection, QWidget* parent) -> QWidget* {
                     if (!selection.factionID || !context.manager.current().faction(*selection.factionID)) {
                         return new app::EmptyStateView(QObject::tr("No Faction"),
                                                        QObject::tr("This faction is no longer in the universe."),
                                                        parent);
                     }
                     return new FactionEditingView(context, selection.factionID, parent);
                 });
    registry.add(app::Destination::newFaction,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) -> QWidget* {
                     return new FactionEditingView(context, std::nullopt, parent);
                 });
    registry.add(app::Destination::factionLists,
                 [](app::ViewContext& context, const app::SidebarSelection&, QWidget* parent) -> QWidget* {
                     return new FactionListsView(context, parent);
                 });
}

} // namespace velmora::factions
