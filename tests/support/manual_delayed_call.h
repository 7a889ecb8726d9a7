#pragma once

#include "universe/delayed_call.h"

#include <algorithm>
#include <chrono>
#include <memory>
#include <vector>

namespace velmora::testing {

// A clock the test moves by hand, and delayed calls that run when it passes their time.
class ManualClock {
public:
    using Duration = std::chrono::milliseconds;

    class Call final : public universe::DelayedCall {
    public:
        explicit Call(ManualClock& clock) : m_clock(clock) {}
        ~Call() override { std::erase(m_clock.m_calls, this); }
        void start(Duration delay, std::function<void()> action) override {
            m_due = m_clock.m_now + delay;
            m_action = std::move(action);
        }
        void cancel() override { m_action = nullptr; }
        bool isPending() const override { return static_cast<bool>(m_action); }
        void fireIfDue() {
            if (m_action && m_clock.m_now >= m_due) {
                auto action = std::move(m_action);
                m_action = nullptr;
                action();
            }
        }

    private:
        ManualClock& m_clock;
        Duration m_due{};
        std::function<void()> m_action;
    };

    universe::DelayedCallFactory factory() {
        return [this] {
            auto call = std::make_unique<Call>(*this);
            m_calls.push_back(call.get());
            return call;
        };
    }

    // Moves time forward and runs whatever fell due.
    void advance(Duration by) {
        m_now += by;
        const auto calls = m_calls; // a call may destroy or create others
        for (Call* call : calls) {
            if (std::find(m_calls.begin(), m_calls.end(), call) != m_calls.end())
                call->fireIfDue();
        }
    }

    Duration now() const { return m_now; }

private:
    Duration m_now{0};
    std::vector<Call*> m_calls;
};

} // namespace velmora::testing
