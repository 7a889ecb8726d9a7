#pragma once

#include "core/signal.h"

#include <QFrame>

class QLabel;
class QPushButton;

namespace velmora::universe {
class UniverseManager;
}

namespace velmora::app {

// A strip across the top of the window while the open universe's last changes
// could not be written: what went wrong, that nothing was lost, and "Try Again".
// It goes away by itself once a save works.
class SaveFailureBar : public QFrame {
    Q_OBJECT
public:
    SaveFailureBar(universe::UniverseManager& manager, QWidget* parent = nullptr);

private:
    void follow();
    void refresh();

    universe::UniverseManager& m_manager;
    QLabel* m_text;
    QPushButton* m_retry;
    core::Signal<>::Subscription m_universeReplaced;
    core::Signal<>::Subscription m_statusChanged;
};

} // namespace velmora::app
