#pragma once

#include "core/random_source.h"

#include <string>

namespace velmora::generator {

// A pronounceable name of two or three syllables ("Veskaran", "Orimel"), drawn from
// the given source like every other roll.
std::string generateName(core::RandomSource& random);

} // namespace velmora::generator
