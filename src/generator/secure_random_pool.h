#pragma once

#include "core/random_source.h"
#include "core/uuid.h"

#include <array>
#include <cstddef>
#include <cstdint>

namespace velmora::generator {

// The operating system's secure generator, read a block at a time. A system takes
// some five hundred draws; asking the kernel for each one costs more than all the
// rolling, so whole areas are generated from this pool. Each draw is still 64 bits
// of the system's secure output, used once; there is no seed.
class SecureRandomPool final : public core::RandomSource {
public:
    std::uint64_t next64() override;

private:
    void refill();

    std::array<std::uint64_t, 512> m_block{};
    std::size_t m_next = m_block.size();
};

// One pool per thread of the program, for the generator's windows and commands.
SecureRandomPool& generatorRandomSource();

// A new identity for a generated record. Identities are not dice: they come from
// the pool whatever source the rolls are drawn from, so scripted rolls stay exact.
core::Uuid newId();

} // namespace velmora::generator
