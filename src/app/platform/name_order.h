#pragma once

#include "universe/universe_manager.h"

namespace velmora::app {

// Names in the order a file browser lists them: case-insensitive, with runs of
// digits compared by value (9 before 10).
universe::UniverseManager::NameOrder fileBrowserNameOrder();

} // namespace velmora::app
