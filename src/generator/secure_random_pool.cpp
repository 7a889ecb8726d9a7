#include "generator/secure_random_pool.h"

namespace velmora::generator {

core::RandomSource& generatorRandomSource() {
    return core::systemRandomSource();
}

core::Uuid newId() {
    return core::Uuid::generate(core::systemRandomSource());
}

} // namespace velmora::generator
