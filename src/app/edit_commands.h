#pragma once

#include "core/signal.h"

#include <QObject>

class QAction;
class QMenu;
class QWidget;

namespace velmora::universe {
class UniverseManager;
}

namespace velmora::app {

// The Edit menu's Undo and Redo of the open universe's named edits. Their texts
// name the edit they would take back or make again ("Undo Generate Subsector C")
// and follow the universe through every edit, undo and switch to another one.
class EditCommands : public QObject {
    Q_OBJECT
public:
    EditCommands(universe::UniverseManager& manager, QWidget* window);

    void addTo(QMenu* menu);
    QAction* undoAction() const { return m_undo; }
    QAction* redoAction() const { return m_redo; }

private:
    void follow();
    void refresh();
    void step(bool undoing);

    universe::UniverseManager& m_manager;
    QWidget* m_window;
    QAction* m_undo;
    QAction* m_redo;
    core::Signal<>::Subscription m_universeReplaced;
    core::Signal<>::Subscription m_universeChanged;
};

} // namespace velmora::app
