#pragma once

#include "core/file_io.h"
#include "support/manual_delayed_call.h"
#include "support/memory_preferences.h"
#include "support/temporary_folder.h"
#include "ui/view_context.h"
#include "ui/window_registry.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <memory>
#include <string>

namespace velmora::testing {

// A real installation in a temporary folder for views to work in: the universe
// stored where the program keeps its universes and opened by a real manager as the
// last one used, the window registry views open their windows through, and the view
// context they are handed. Saves wait until the test moves the clock.
struct UniverseInstallation {
    TemporaryFolder documents;
    MemoryPreferences preferences;
    ManualClock clock;
    std::unique_ptr<universe::UniverseManager> manager;
    ui::WindowRegistry windows;
    std::unique_ptr<ui::ViewContext> context;

    explicit UniverseInstallation(const universe::UniverseRecord& record) {
        documents.write(std::filesystem::path("Universes") / (record.id.toString() + ".json"),
                        universe::encodeUniverse(record));
        preferences.setText("lastUniverseID", record.id.toString());
        preferences.setFlag("didMigrateToUniverses", true);
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
    UniverseInstallation(const UniverseInstallation&) = delete;
    UniverseInstallation& operator=(const UniverseInstallation&) = delete;
    ~UniverseInstallation() { windows.closeAll(); }

    universe::RidivivevIzeviduv& universe() { return manager->current(); }

    // The universe as its file on disk holds it now.
    universe::UniverseRecord stored() const {
        return universe::decodeUniverse(
            core::readWholeFile(manager->fileFor(manager->current().id()))
                .value_or(std::string("{}")));
    }
};

} // namespace velmora::testing
