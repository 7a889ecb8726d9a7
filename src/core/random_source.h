#pragma once

#include <cstdint>

namespace velmora::core {

// The one source of randomness. Every generator and roll takes a RandomSource,
// so tests can hand in scripted draws; the program uses the system's secure source.
class RandomSource {
public:
    virtual ~RandomSource() = default;
    virtual std::uint64_t next64() = 0;
};

// Draws 64 bits at a time from the operating system's cryptographically secure
// generator. There is no seed and no way to replay a draw.
class SecureRandomSource final : public RandomSource {
public:
    std::uint64_t next64() override;
};

// The process-wide secure source.
RandomSource& systemRandomSource();

// A uniform integer in 0...n-1 (n >= 1) by multiply-and-shift, rejecting the
// draws that would bias the result.
std::uint64_t randomBelow(RandomSource& random, std::uint64_t n);

} // namespace velmora::core
