#include "factions/ui/faction_views.h"

#include "factions/ui/faction_editing_view.h"
#include "factions/ui/faction_lists_view.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

namespace velmora::factions {

void registerFactionViews(ui::DetailViewRegistry& registry) {
    registry.add(ui::Destination::faction,
                 [](ui::ViewContext& context, const ui::SidebarSelection& selection,
                    QWidget* parent) -> QWidget* {
                     if (!selection.factionID ||
                         !context.manager.current().faction(*selection.factionID)) {
                         return new ui::EmptyStateView(
                             QObject::tr("No Faction"),
                             QObject::tr("This faction is no longer in the universe."), parent);
                     }
                     return new FactionEditingView(context, selection.factionID, parent);
                 });
    registry.add(
        ui::Destination::newFaction,
        [](ui::ViewContext& context, const ui::SidebarSelection&, QWidget* parent) -> QWidget* {
            return new FactionEditingView(context, std::nullopt, parent);
        });
    registry.add(ui::Destination::factionLists,
                 [](ui::ViewContext& context, const ui::SidebarSelection&,
                    QWidget* parent) -> QWidget* { return new FactionListsView(context, parent); });
}

} // namespace velmora::factions
