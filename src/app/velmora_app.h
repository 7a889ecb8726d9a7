#pragma once

#include "app/platform/data_locations.h"
#include "ui/view_context.h"
#include "ui/window_registry.h"

#include <QObject>
#include <memory>

namespace velmora::campaign {
class Gamemastering;
}
namespace velmora::ships {
class SavedShipDesignsStore;
}
namespace velmora::universe {
class UniverseManager;
}
namespace velmora::wiki {
class TravellerWikiBrowser;
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
    // The saved ship designs, in "ShipDesigns" in the support folder.
    ships::SavedShipDesignsStore& shipDesigns();
    // The one wiki browser every wiki window shows, with its saved copies in the
    // data folder; made on first use.
    wiki::TravellerWikiBrowser& wiki();
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
    // Opens the wiki window looking the name up, as the views' wiki actions do.
    void lookUpInWiki(const QString& name);
    void checkForUpdates();

signals:
    void canCheckForUpdatesChanged(bool canCheck);

private:
    class Network;
    class Wiki;

    DataLocations m_locations;
    std::unique_ptr<QtPreferences> m_preferences;
    std::unique_ptr<Network> m_network;
    std::unique_ptr<universe::UniverseManager> m_manager;
    std::unique_ptr<campaign::Gamemastering> m_gamemastering;
    std::unique_ptr<ships::SavedShipDesignsStore> m_shipDesigns;
    std::unique_ptr<UpdateChecker> m_updateChecker;
    std::unique_ptr<Wiki> m_wiki;
    ui::WindowRegistry m_windows;
    ui::DetailViewRegistry m_detailViews;
    std::unique_ptr<ui::ViewContext> m_viewContext;
    std::unique_ptr<MainWindow> m_mainWindow;
};

} // namespace velmora::app
