#pragma once

#include "core/file_io.h"
#include "support/manual_delayed_call.h"
#include "support/memory_preferences.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <memory>
#include <string>
#include <vector>

namespace velmora::testing {

// The real sector files, read byte for byte.
inline std::string fixture(const std::string& name) {
    return core::readWholeFile(std::string(VELMORA_FIXTURES_DIR "/travellermap/") + name)
        .value_or("");
}
inline std::string legacyFixture() {
    return fixture("legacy-example.sec");
}
inline std::string tabFixture() {
    return fixture("spinward-marches.tab");
}

// A documents folder with its universe store, opened as the application opens it.
struct SectorStore {
    TemporaryFolder documents;
    MemoryPreferences preferences;
    ManualClock clock;
    std::vector<std::string> log;
    std::unique_ptr<universe::UniverseManager> manager;

    SectorStore() { manager = start(); }

    std::unique_ptr<universe::UniverseManager> start() {
        universe::UniverseManager::Environment environment;
        environment.documentsFolder = documents.path();
        environment.preferences = &preferences;
        environment.delayedCalls = clock.factory();
        environment.log = [this](const std::string& line) { log.push_back(line); };
        environment.nameOrder = [](const std::string& a, const std::string& b) {
            return a.compare(b);
        };
        return std::make_unique<universe::UniverseManager>(std::move(environment));
    }

    // The current universe as its file on disk holds it.
    universe::UniverseRecord onDisk() const {
        const auto& current = manager->current();
        return universe::decodeUniverse(core::readWholeFile(current.file()).value_or("{}"));
    }
};

} // namespace velmora::testing
