#pragma once

#include "core/signal.h"
#include "ui/destination.h"
#include "ui/view_helpers.h"

#include <QMainWindow>
#include <optional>

class QStackedWidget;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::app {

class ControlView;
class EditCommands;
class VelmoraApp;

// The "Velmora" window: the sidebar and the working view it selects.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    explicit MainWindow(VelmoraApp& app, QWidget* parent = nullptr);
    ~MainWindow() override;

    ControlView* sidebar() const { return m_sidebar; }
    EditCommands* editCommands() const { return m_editCommands; }
    // How closing asks about changes that could not be saved; tests answer without a box.
    void setCloseQuestion(ui::SaveQuestion question) { m_closeQuestion = std::move(question); }
    QWidget* detailView() const;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void buildMenus();
    void followSidebar(const std::optional<ui::SidebarSelection>& selection);
    void showSelection(const std::optional<ui::SidebarSelection>& selection);
    // Whether the working view may go: one with unsaved edits asks the referee.
    bool mayLeaveDetailView();
    // Whether to close while the universe's last changes could not be written.
    bool mayCloseUnsaved();

    VelmoraApp& m_app;
    ControlView* m_sidebar;
    QStackedWidget* m_detail;
    EditCommands* m_editCommands;
    ui::SaveQuestion m_closeQuestion = ui::askToSaveWithMessageBox();
    std::optional<ui::SidebarSelection> m_shown;
    // The universe the working view was made for. Once another one has replaced
    // it, the view's edits went with it and there is nothing left to ask about.
    const universe::RidivivevIzeviduv* m_shownUniverse = nullptr;
    core::Signal<>::Subscription m_universeSwitch;
};

} // namespace velmora::app
