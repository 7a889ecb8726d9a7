#pragma once

#include "app/support/destination.h"
#include "core/signal.h"

#include <QMainWindow>

#include <optional>

class QStackedWidget;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::app {

class ControlView;
class VelmoraApp;

// The "Velmora" window: the sidebar and the working view it selects.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(VelmoraApp& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    ControlView* sidebar() const { return m_sidebar; }
    QWidget* detailView() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void followSidebar(const std::optional<SidebarSelection>& selection);
    void showSelection(const std::optional<SidebarSelection>& selection);
    // Whether the working view may go: one with unsaved edits asks the referee.
    bool mayLeaveDetailView();

    VelmoraApp& m_app;
    ControlView* m_sidebar;
    QStackedWidget* m_detail;
    std::optional<SidebarSelection> m_shown;
    // The universe the working view was made for. Once another one has replaced
    // it, the view's edits went with it and there is nothing left to ask about.
    const universe::RidivivevIzeviduv* m_shownUniverse = nullptr;
    core::Signal<>::Subscription m_universeSwitch;
};

} // namespace velmora::app
