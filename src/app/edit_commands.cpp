#include "app/edit_commands.h"

#include "ui/view_helpers.h"
#include "universe/universe_manager.h"

#include <QAction>
#include <QMenu>
#include <QWidget>

namespace velmora::app {

EditCommands::EditCommands(universe::UniverseManager& manager, QWidget* window)
    : QObject(window), m_manager(manager), m_window(window), m_undo(new QAction(this)),
      m_redo(new QAction(this)) {
    m_undo->setObjectName(QStringLiteral("undo"));
    m_redo->setObjectName(QStringLiteral("redo"));
    // Qt's Ctrl is the Command key on macOS.
    m_undo->setShortcut(QKeySequence(tr("Ctrl+Z")));
    m_redo->setShortcut(QKeySequence(tr("Ctrl+Shift+Z")));
    connect(m_undo, &QAction::triggered, this, [this] { step(true); });
    connect(m_redo, &QAction::triggered, this, [this] { step(false); });
    m_universeReplaced = manager.currentReplaced().subscribe([this] { follow(); });
    follow();
}

void EditCommands::addTo(QMenu* menu) {
    menu->addAction(m_undo);
    menu->addAction(m_redo);
}

void EditCommands::follow() {
    // A history belongs to its universe: another one starts with its own.
    m_universeChanged = m_manager.current().changed().subscribe([this] { refresh(); });
    refresh();
}

void EditCommands::refresh() {
    const auto& universe = m_manager.current();
    const QString undoName = qt(universe.undoName());
    const QString redoName = qt(universe.redoName());
    m_undo->setText(undoName.isEmpty() ? tr("Undo") : tr("Undo %1").arg(undoName));
    m_redo->setText(redoName.isEmpty() ? tr("Redo") : tr("Redo %1").arg(redoName));
    m_undo->setEnabled(universe.canUndo());
    m_redo->setEnabled(universe.canRedo());
}

void EditCommands::step(bool undoing) {
    auto& universe = m_manager.current();
    const universe::EditResult result = undoing ? universe.undo() : universe.redo();
    ui::showEditFailure(m_window, undoing ? tr("Can't Undo") : tr("Can't Redo"), result.error);
}

} // namespace velmora::app
