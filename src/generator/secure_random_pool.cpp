#include "generator/secure_random_pool.h"

#include <cerrno>
#include <stdexcept>
#include <sys/random.h>

namespace velmora::generator {

std::uint64_t SecureRandomPool::next64() {
    if (m_next == m_block.size())
        refill();
    const std::uint64_t value = m_block[m_next];
    // Nothing handed out stays behind in memory.
    m_block[m_next++] = 0;
    return value;
}

void SecureRandomPool::refill() {
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

SecureRandomPool& generatorRandomSource() {
    thread_local SecureRandomPool pool;
    return pool;
}

core::Uuid newId() {
    return core::Uuid::generate(generatorRandomSource());
}

} // namespace velmora::generator
