#include "app/platform/universe_store.h"

#include "app/platform/data_locations.h"
#include "app/platform/diagnostic_log.h"
#include "app/platform/name_order.h"
#include "app/platform/qt_delayed_call.h"

#include <QCoreApplication>

namespace velmora::app {

std::unique_ptr<universe::UniverseManager> openUniverseStore(const DataLocations& locations,
                                                             universe::Preferences& preferences,
                                                             bool delayedSaves) {
    universe::UniverseManager::Environment environment;
    environment.documentsFolder = locations.documentsFolder().toStdString();
    environment.preferences = &preferences;
    if (delayedSaves) {
        environment.delayedCalls = QtDelayedCall::factory();
        // Writes report back on the window's thread, through its event loop.
        environment.backgroundSaves = [](std::function<void()> task) {
            QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
        };
    }
    // Without delayed saves this is the command line, whose commands may never
    // need the current universe.
    environment.openOnFirstUse = !delayedSaves;
    environment.log = diagnosticLogger();
    environment.nameOrder = fileBrowserNameOrder();
    return std::make_unique<universe::UniverseManager>(std::move(environment));
}

} // namespace velmora::app
