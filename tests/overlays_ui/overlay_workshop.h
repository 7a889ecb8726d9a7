#pragma once

#include "core/file_io.h"
#include "support/manual_delayed_call.h"
#include "support/memory_preferences.h"
#include "support/sample_hex.h"
#include "support/temporary_folder.h"
#include "ui/view_context.h"
#include "ui/window_registry.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <memory>
#include <string>

namespace velmora::testing {

// A hex holding a named system, on Traveller tech levels or not.
inline core::HexData systemAt(const std::string& name, core::GalacticCoordinates where,
                              bool traveller = true) {
    core::HexData hex = sampleHex();
    hex.id = core::Uuid::generate();
    hex.coordinates = where;
    hex.starSystem.name = name;
    if (core::WorldData* world = core::mainWorld(hex.starSystem))
        world->uwp.techLevel =
            traveller ? core::TechnologyLevel::ttl12 : core::TechnologyLevel::tl4;
    return hex;
}

inline universe::Faction factionNamed(const std::string& name, universe::FactionColor color) {
    universe::Faction faction;
    faction.id = core::Uuid::generate();
    faction.name = name;
    faction.color = color;
    return faction;
}

// A universe stored in a real documents folder, opened by a real universe
// manager, with the view context the overlay views are handed in the app.
class OverlayWorkshop {
public:
    explicit OverlayWorkshop(universe::UniverseRecord record) {
        m_id = record.id;
        documents.write(std::filesystem::path("Universes") / (record.id.toString() + ".json"),
                        universe::encodeUniverse(record));
        preferences.setFlag("didMigrateToUniverses", true);
        preferences.setText("lastUniverseID", record.id.toString());
        universe::UniverseManager::Environment environment;
        environment.documentsFolder = documents.path();
        environment.preferences = &preferences;
        environment.delayedCalls = clock.factory();
        environment.log = [](const std::string&) {};
        environment.nameOrder = [](const std::string& a, const std::string& b) {
            return a.compare(b);
        };
        manager = std::make_unique<universe::UniverseManager>(std::move(environment));
        context = std::make_unique<ui::ViewContext>(ui::ViewContext{*manager, windows});
    }

    universe::RidivivevIzeviduv& universe() { return manager->current(); }

    // What a fresh start of the program would read.
    universe::UniverseRecord onDisk() const {
        const auto text = core::readWholeFile(manager->fileFor(m_id));
        return universe::decodeUniverse(text.value_or("{}"));
    }

    TemporaryFolder documents;
    MemoryPreferences preferences;
    ManualClock clock;
    std::unique_ptr<universe::UniverseManager> manager;
    ui::WindowRegistry windows;
    std::unique_ptr<ui::ViewContext> context;

private:
    core::Uuid m_id;
};

} // namespace velmora::testing
