#pragma once

#include "universe/delayed_call.h"

#include <QTimer>

namespace velmora::app {

// A delayed call on the Qt event loop: a single-shot timer on the main thread,
// which keeps time on a monotonic clock.
class QtDelayedCall final : public universe::DelayedCall {
public:
    QtDelayedCall();
    void start(std::chrono::milliseconds delay, std::function<void()> action) override;
    void cancel() override;
    bool isPending() const override;

    static universe::DelayedCallFactory factory();

private:
    QTimer m_timer;
    std::function<void()> m_action;
};

} // namespace velmora::app
