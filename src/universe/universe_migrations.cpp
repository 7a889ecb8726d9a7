#include "universe/universe_migrations.h"

#include "core/json_support.h"
#include "universe/overlay_json.h"

#include <unordered_set>

namespace velmora::universe {

namespace {

class FactionAdopter {
public:
    explicit FactionAdopter(std::vector<Faction>& factions) : m_factions(factions) {
        for (const auto& faction : factions)
            m_known.insert(faction.id);
    }

    void adopt(Faction faction) {
        if (m_known.insert(faction.id).second)
            m_factions.push_back(std::move(faction));
    }

    void adoptFromWorld(core::WorldData& world) {
        for (const std::string& text : world.legacyFactionsJson) {
            const core::Json faction = core::Json::parse(text);
            // Read as strictly as the universe's own factions.
            core::refuseNumbersBeyondInt(faction);
            adopt(faction.get<Faction>());
        }
        world.legacyFactionsJson.clear();
        for (auto& satellite : world.satellites)
            adoptFromWorld(satellite);
    }

private:
    std::vector<Faction>& m_factions;
    std::unordered_set<core::Uuid> m_known;
};

} // namespace

void migrateLegacyFactions(UniverseRecord& universe) {
    FactionAdopter adopter(universe.factions);
    for (auto& rutter : universe.rutters) {
        if (rutter.legacyFaction) {
            adopter.adopt(*rutter.legacyFaction);
            rutter.legacyFaction.reset();
        }
    }
    for (auto& hex : universe.data) {
        for (auto& star : hex.starSystem.stars) {
            for (auto& world : star.worlds)
                adopter.adoptFromWorld(world);
        }
    }
}

} // namespace velmora::universe
