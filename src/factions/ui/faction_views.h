#pragma once

namespace velmora::app {
class DetailViewRegistry;
}

namespace velmora::factions {

// The faction editor (a faction, and "New Faction") and the faction lists.
void registerFactionViews(app::DetailViewRegistry& registry);

} // namespace velmora::factions
