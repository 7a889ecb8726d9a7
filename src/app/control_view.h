#pragma once

#include "core/signal.h"
#include "ui/destination.h"

#include <QStringList>
#include <QWidget>
#include <optional>

class QTreeWidget;
class QTreeWidgetItem;

namespace velmora::universe {
class UniverseBar;
class UniverseManager;
} // namespace velmora::universe

namespace velmora::app {

// The main window's sidebar: the universe commands on top, then the working
// views, the tools and the factions of the current universe.
class ControlView : public QWidget {
    Q_OBJECT
public:
    explicit ControlView(universe::UniverseManager& manager, QWidget* parent = nullptr);
    ~ControlView() override;

    std::optional<ui::SidebarSelection> selection() const;
    void select(const ui::SidebarSelection& selection);
    void clearSelection();
    // Puts the highlight back on a row without announcing a change, when the
    // main window stays on the view it shows.
    void restoreSelection(const std::optional<ui::SidebarSelection>& selection);

    QTreeWidget* tree() const { return m_tree; }
    universe::UniverseBar* universeBar() const { return m_universeBar; }
    // The row of a selection, for tests and keyboard navigation.
    QTreeWidgetItem* itemFor(const ui::SidebarSelection& selection) const;

signals:
    void selectionChanged(std::optional<velmora::ui::SidebarSelection> selection);

private:
    void buildFixedRows();
    void rebuildFactions();
    void updateRuleSetTexts();
    bool sidebarContentChanged();
    void watchCurrentUniverse();
    void emitSelection();

    universe::UniverseManager& m_manager;
    universe::UniverseBar* m_universeBar;
    QTreeWidget* m_tree;
    QTreeWidgetItem* m_factionsSection = nullptr;
    core::Signal<>::Subscription m_managerSubscription;
    core::Signal<>::Subscription m_universeSubscription;
    QStringList m_shownContent; // what the faction rows and rule-set texts were built from
};

} // namespace velmora::app
