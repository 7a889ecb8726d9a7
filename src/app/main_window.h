#pragma once

#include "app/support/destination.h"
#include "core/signal.h"

#include <QMainWindow>

#include <optional>

class QStackedWidget;

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

private:
    void buildMenus();
    void showSelection(const std::optional<SidebarSelection>& selection);

    VelmoraApp& m_app;
    ControlView* m_sidebar;
    QStackedWidget* m_detail;
    core::Signal<>::Subscription m_universeSwitch;
};

} // namespace velmora::app
