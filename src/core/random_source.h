#pragma once

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora::core {

// The one source of randomness. Every generator and roll takes a RandomSource,
// so tests can hand in scripted draws; the program uses the system's secure source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint64_t next64() = 0;
};

// The operating system's cryptographically secure generator, handing out 64 bits
// at a time. It reads a block ahead: a generated system takes some five hundred
// draws, and asking the kernel for each one cost more than all the rolling. Each
// value is used once and wiped; there is no seed and no way to replay a draw.
class SecureRandomSource final : public RandomSource {
public:
    std::uint64_t next64() override;

private:
    void refill();

    std::array<std::uint64_t, 512> m_block{};
    std::size_t m_next = m_block.size();
};

// The secure source of the calling thread.
RandomSource& systemRandomSource();

// A uniform integer in 0...n-1 (n >= 1) by multiply-and-shift, rejecting the
// draws that would bias the result.
std::uint64_t randomBelow(RandomSource& random, std::uint64_t n);

} // namespace velmora::core
