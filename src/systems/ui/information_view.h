#pragma once

#include "core/signal.h"

#include <QWidget>

class QVBoxLayout;

namespace velmora::universe {
class UniverseManager;
}

namespace velmora::systems {

// "Information": the universe's figures — systems, worlds, people, trade classes,
// the highest tech level, bases, and where each faction and race is found.
class InformationView : public QWidget {
    Q_OBJECT
public:
    explicit InformationView(universe::UniverseManager& manager, QWidget* parent = nullptr);

    // Builds the page again from the current universe.
    void refresh();

private:
    universe::UniverseManager& m_manager;
    QWidget* m_content = nullptr;
    QVBoxLayout* m_layout;
    core::Signal<>::Subscription m_universeChanged;
};

} // namespace velmora::systems
