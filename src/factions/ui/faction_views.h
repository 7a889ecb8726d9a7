#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::factions {

// The faction editor (a faction, and "New Faction") and the faction lists.
void registerFactionViews(ui::DetailViewRegistry& registry);

} // namespace velmora::factions
