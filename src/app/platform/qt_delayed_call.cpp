#include "app/platform/qt_delayed_call.h"

namespace velmora::app {

QtDelayedCall::QtDelayedCall() {
    m_timer.setSingleShot(true);
    m_timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&m_timer, &QTimer::timeout, [this] {
        auto action = std::move(m_action);
        m_action = nullptr;
        if (action)
            action();
    });
}

void QtDelayedCall::start(std::chrono::milliseconds delay, std::function<void()> action) {
    m_action = std::move(action);
    m_timer.start(delay);
}

void QtDelayedCall::cancel() {
    m_timer.stop();
    m_action = nullptr;
}

bool QtDelayedCall::isPending() const {
    return m_timer.isActive();
}

universe::DelayedCallFactory QtDelayedCall::factory() {
    return [] { return std::make_unique<QtDelayedCall>(); };
}

} // namespace velmora::app
