#include "core/random_source.h"

#include <cerrno>
#include <stdexcept>
#include <sys/random.h>

namespace velmora::core {

namespace {
__extension__ using UInt128 = unsigned __int128;
}

std::uint64_t SecureRandomSource::next64() {
    if (m_next == m_block.size())
        refill();
    const std::uint64_t value = m_block[m_next];
    // Nothing handed out stays behind in memory.
    m_block[m_next++] = 0;
    return value;
}

void SecureRandomSource::refill() {
    auto* bytes = reinterpret_cast<unsigned char*>(m_block.data());
    const std::size_t wanted = sizeof m_block;
    std::size_t filled = 0;
    while (filled < wanted) {
        const ssize_t got = getrandom(bytes + filled, wanted - filled, 0);
        if (got < 0) {
            if (errno == EINTR)
                continue;
            throw std::runtime_error("The system's secure random generator is unavailable.");
        }
        filled += static_cast<std::size_t>(got);
    }
    m_next = 0;
}

RandomSource& systemRandomSource() {
    thread_local SecureRandomSource source;
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
