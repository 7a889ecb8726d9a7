#include "generator/secure_random_pool.h"

namespace velmora::generator {

core::RandomSource& generatorRandomSource() {
    return core::systemRandomSource();
}

} // namespace velmora::generator
