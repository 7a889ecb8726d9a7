#include "core/random_source.h"

#include <cerrno>
#include <stdexcept>
#include <sys/random.h>

namespace velmora::core {

namespace {
__extension__ using UInt128 = unsigned __int128;
}

std::uint64_t SecureRandomSource::next64() {
    std::uint64_t value = 0;
    auto* bytes = reinterpret_cast<unsigned char*>(&value);
    std::size_t filled = 0;
    while (filled < sizeof value) {
        const ssize_t got = getrandom(bytes + filled, sizeof value - filled, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("The system's secure random generator is unavailable.");
        }
        filled += static_cast<std::size_t>(got);
    }
    return value;
}

RandomSource& systemRandomSource() {
    static SecureRandomSource source;
    return source;
}

std::uint64_t randomBelow(RandomSource& random, std::uint64_t n) {
    if (n <= 1)
        return 0;
    // 2^64 mod n, computed without 128-bit division.
    const std::uint64_t threshold = (0 - n) % n;
    for (;;) {
        const UInt128 product = static_cast<UInt128>(random.next64()) * n;
        const auto low = static_cast<std::uint64_t>(product);
        if (low >= threshold)
            return static_cast<std::uint64_t>(product >> 64);
    }
}

} // namespace velmora::core
