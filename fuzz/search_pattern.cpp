#include "fuzz_checks.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    velmora::fuzz::checkSearchPattern({reinterpret_cast<const char*>(data), size});
    return 0;
}
