#pragma once

#include "core/random_source.h"

namespace velmora::generator {

// The secure source the generator's windows and commands roll with.
core::RandomSource& generatorRandomSource();

} // namespace velmora::generator
