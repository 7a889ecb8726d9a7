#pragma once

#include "core/random_source.h"
#include "core/uuid.h"

namespace velmora::generator {

// The secure source the generator's windows and commands roll with.
core::RandomSource& generatorRandomSource();

// A new identity for a generated record. Identities are not dice: they come from
// the secure source whatever source the rolls are drawn from, so scripted rolls stay exact.
core::Uuid newId();

} // namespace velmora::generator
