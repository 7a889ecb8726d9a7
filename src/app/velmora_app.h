#pragma once

#include "app/platform/data_locations.h"
#include "ui/view_context.h"
#include "ui/window_registry.h"

#include <QObject>
#include <memory>

namespace velmora::campaign {
class Gamemastering;
}
namespace velmora::universe {
class UniverseManager;
}

namespace velmora::app {

class MainWindow;
class QtPreferences;
class UpdateChecker;

// The application object: creates the long-lived stores once and hands the same
// ones to every window; opens auxiliary windows by identifier.
class VelmoraApp : public QObject {
    Q_OBJECT
public:
    explicit VelmoraApp(DataLocations locations, QObject* parent = nullptr);
    ~VelmoraApp() override;

    const DataLocations& locations() const { return m_locations; }
    universe::UniverseManager& manager();
    // The campaign store, in the folder the universes live in; made and loaded
    // after the universe manager.
    campaign::Gamemastering& gamemastering();
    ui::WindowRegistry& windows() { return m_windows; }
    ui::ViewContext& viewContext();
    const ui::DetailViewRegistry& detailViews() const { return m_detailViews; }

    MainWindow& mainWindow();
    void showMainWindow();
    // Shows the main window on top and gives it the focus, as another launch on
    // the same data folder asks.
    void bringMainWindowForward();

    bool canCheckForUpdates() const;

public slots:
    void showAbout();
    void showUwpReference();
    void showStarReference();
    void showShipDesigner();
    void showWiki();
    void checkForUpdates();

signals:
    void canCheckForUpdatesChanged(bool canCheck);

private:
    class Network;

    DataLocations m_locations;
    std::unique_ptr<QtPreferences> m_preferences;
    std::unique_ptr<Network> m_network;
    std::unique_ptr<universe::UniverseManager> m_manager;
    std::unique_ptr<campaign::Gamemastering> m_gamemastering;
    std::unique_ptr<UpdateChecker> m_updateChecker;
    ui::WindowRegistry m_windows;
    ui::DetailViewRegistry m_detailViews;
    std::unique_ptr<ui::ViewContext> m_viewContext;
    std::unique_ptr<MainWindow> m_mainWindow;
};

} // namespace velmora::app
