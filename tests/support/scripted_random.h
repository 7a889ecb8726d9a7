#pragma once

#include "core/random_source.h"

#include <cstdint>
#include <deque>
#include <initializer_list>
#include <stdexcept>

namespace velmora::testing {

// A random source that plays back chosen die faces, so tests can force any roll.
// Each queued face f (1-6) becomes a 64-bit draw that randomBelow(6) maps to f - 1.
class ScriptedDice final : public core::RandomSource {
public:
    ScriptedDice() = default;
    ScriptedDice(std::initializer_list<int> faces) {
        for (int face : faces)
            pushFace(face);
    }

    void pushFace(int face) { m_draws.push_back(drawFor(face - 1, 6)); }
    // Queues a draw that randomBelow(n) maps to `value`.
    void pushBelow(std::uint64_t value, std::uint64_t n) { m_draws.push_back(drawFor(value, n)); }
    void pushRaw(std::uint64_t draw) { m_draws.push_back(draw); }
    bool exhausted() const { return m_draws.empty(); }
    std::size_t remaining() const { return m_draws.size(); }

    std::uint64_t next64() override {
        if (m_draws.empty())
            throw std::logic_error("ScriptedDice ran out of scripted rolls");
        const std::uint64_t draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }

    // The smallest draw whose scaled value is `value`, plus a margin above the
    // rejection threshold (2^64 mod n is below n, tiny next to 2^64 / n).
    static std::uint64_t drawFor(std::uint64_t value, std::uint64_t n) {
        const std::uint64_t step = UINT64_MAX / n;
        return value * step + step / 2;
    }

private:
    std::deque<std::uint64_t> m_draws;
};

} // namespace velmora::testing
