#pragma once

#include "universe/universe_manager.h"

#include <memory>

namespace velmora::app {

class DataLocations;

// Opens the universe store the one way both the application and the command
// line do: same folder, same preferences, same name order, same log.
// `delayedSaves` is false for the command line, which exits before a timer could fire.
std::unique_ptr<universe::UniverseManager> openUniverseStore(const DataLocations& locations,
                                                             universe::Preferences& preferences,
                                                             bool delayedSaves);

} // namespace velmora::app
