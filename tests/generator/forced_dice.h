#pragma once

#include "support/scripted_random.h"

#include <cstdint>
#include <deque>
#include <initializer_list>

namespace velmora::testing {

// Plays the faces a test forces, then keeps answering with a middling draw, so a
// test can pin the rolls it is about and let the rest of a long procedure run.
class ForcedDice final : public core::RandomSource {
public:
    ForcedDice(std::initializer_list<int> faces = {}) {
        for (int face : faces)
            pushFace(face);
    }
    void pushFace(int face) {
        m_draws.push_back(ScriptedDice::drawFor(static_cast<std::uint64_t>(face - 1), 6));
    }
    void pushBelow(std::uint64_t value, std::uint64_t n) {
        m_draws.push_back(ScriptedDice::drawFor(value, n));
    }
    bool usedAll() const { return m_draws.empty(); }

    std::uint64_t next64() override {
        if (m_draws.empty())
            return UINT64_MAX / 2 + 12345; // a 4 on a die, the middle of any range
        const std::uint64_t draw = m_draws.front();
        m_draws.pop_front();
        return draw;
    }

private:
    std::deque<std::uint64_t> m_draws;
};

} // namespace velmora::testing
