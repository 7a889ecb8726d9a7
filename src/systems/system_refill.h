#pragma once

#include "core/random_source.h"
#include "core/star_system.h"

#include <optional>
#include <string>

namespace velmora::systems {

// How many bodies "Generate" would replace: every listed world but the main world.
int bodiesReplacedByRefill(const core::StarSystem& system);

// Rolls every body but the main world again through the generator's filler, around
// the system's own stars, with its gas-giant and belt counts and a new 2D6 of other
// worlds. No other world outgrows the main world's population − 1, and tech levels
// are rolled with the main world's level as their ceiling, so a hand-made main world
// stays the most advanced place in its system. The main world keeps its name; the
// new bodies are named after the system. Returns why it cannot, when it cannot.
std::optional<std::string> refillSystem(core::StarSystem& system, core::RandomSource& random);

} // namespace velmora::systems
