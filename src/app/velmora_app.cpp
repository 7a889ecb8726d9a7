#include "app/velmora_app.h"

#include "app/about_window.h"
#include "app/main_window.h"
#include "app/map_openers_wiring.h"
#include "app/platform/diagnostic_log.h"
#include "app/platform/qt_http_client.h"
#include "app/platform/qt_preferences.h"
#include "app/platform/universe_store.h"
#include "app/platform/update_checker.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/campaign_views.h"
#include "core/ui/uwp_reference_window.h"
#include "factions/ui/faction_views.h"
#include "generator/ui/generator_views.h"
#include "generator/ui/star_reference_window.h"
#include "overlays/ui/overlay_views.h"
#include "sector_io/ui/sector_io_views.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ui/ship_designer_window.h"
#include "ships/ui/ships_views.h"
#include "starmap/ui/starmap_view.h"
#include "systems/ui/systems_views.h"
#include "systems/ui/world_info_window.h"
#include "trade/ui/trade_views.h"
#include "travel/ui/travel_views.h"
#include "ui/cargo_sale.h"
#include "ui/empty_state_view.h"
#include "ui/wiki_lookup.h"
#include "wiki/traveller_wiki_browser.h"
#include "wiki/ui/traveller_wiki_window.h"
#include "wiki/wiki_cache.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>
#include <QUrl>

namespace velmora::app {

namespace {

// Each subsystem's views, by the sidebar destinations they serve.
void registerSubsystemViews(ui::DetailViewRegistry& registry) {
    generator::registerGeneratorViews(registry);
    factions::registerFactionViews(registry);
    systems::registerSystemsViews(registry);
    starmap::registerStarMapViews(registry);
    // A double click on the map opens the system's world information.
    starmap::StarMapView::setWorldInfoOpener(
        [](ui::ViewContext& context, const core::GalacticCoordinates& hex) {
            systems::openWorldInfo(context, systems::WorldInfoTarget{hex, std::nullopt});
        });
    overlays::registerOverlayViews(registry);
    sector_io::registerSectorIoViews(registry);
    campaign::registerCampaignViews(registry);
    trade::registerTradeViews(registry);
    ships::registerShipsViews(registry);
    travel::registerTravelViews(registry);
    // "Edit" on a saved ship opens it in the designer.
    ships::setShipDesignerOpener([](ui::ViewContext& context, const core::Uuid& id) {
        ships::openShipDesigner(context.windows, context.shipDesigns, id);
    });
}

const QString releaseFeedUrl = QStringLiteral("https://velmora.app/releases/latest.json");

} // namespace

class VelmoraApp::Network {
public:
    QtHttpClient http;
};

// The wiki's client, its saved copies and the browser state, in the order they
// are made and the reverse order they go.
class VelmoraApp::Wiki {
public:
    Wiki(core::HttpClient& http, const std::filesystem::path& dataFolder, std::string address)
        : cache(dataFolder / wiki::wikiCacheFolderName), service(http, &cache), browser(service) {
        wiki::WikiEndpoint endpoint;
        if (!address.empty())
            endpoint.address = std::move(address);
        service.setEndpoint(std::move(endpoint));
    }
    wiki::WikiCache cache;
    wiki::TravellerWikiService service;
    wiki::TravellerWikiBrowser browser;
};

VelmoraApp::VelmoraApp(DataLocations locations, QObject* parent)
    : QObject(parent), m_locations(std::move(locations)),
      m_preferences(std::make_unique<QtPreferences>(m_locations)),
      m_network(std::make_unique<Network>()) {
    registerSubsystemViews(m_detailViews);
    ui::wikiLookupHook() = [this](const QString& name) { lookUpInWiki(name); };
    travel::installTravelOpeners([this]() -> ui::ViewContext& { return viewContext(); });
    installMapOpeners([this]() -> ui::ViewContext& { return viewContext(); },
                      [this] { return mainWindow().detailView(); });
    m_updateChecker =
        std::make_unique<UpdateChecker>(m_network->http, *m_preferences, releaseFeedUrl);
    connect(m_updateChecker.get(), &UpdateChecker::canCheckForUpdatesChanged, this,
            &VelmoraApp::canCheckForUpdatesChanged);
    connect(m_updateChecker.get(), &UpdateChecker::upToDate, this, [](const QString& version) {
        QMessageBox::information(nullptr, tr("Check for Updates"),
                                 tr("Velmora %1 is the newest version.").arg(version));
    });
    connect(m_updateChecker.get(), &UpdateChecker::checkFailed, this, [](const QString& error) {
        QMessageBox::warning(nullptr, tr("Check for Updates"),
                             tr("Couldn't check for updates: %1").arg(error));
    });
    connect(m_updateChecker.get(), &UpdateChecker::updateAvailable, this,
            [](const UpdateChecker::Release& release) {
                const auto answer = QMessageBox::question(
                    nullptr, tr("Update Available"),
                    tr("Velmora %1 is available (you have %2). Open the download page?")
                        .arg(release.version, QApplication::applicationVersion()));
                if (answer == QMessageBox::Yes && !release.url.isEmpty())
                    QDesktopServices::openUrl(QUrl(release.url));
            });
}

VelmoraApp::~VelmoraApp() {
    ui::wikiLookupHook() = nullptr;
    ui::cargoSaleOpener() = nullptr;
    travel::removeTravelOpeners();
    removeMapOpeners();
    m_windows.closeAll();
    // The views go before the stores they show.
    m_mainWindow.reset();
}

ui::ViewContext& VelmoraApp::viewContext() {
    if (!m_viewContext) {
        m_viewContext = std::make_unique<ui::ViewContext>(ui::ViewContext{
            manager(), m_windows, {}, &m_network->http, m_preferences.get(), &gamemastering()});
        m_viewContext->shipDesigns = &shipDesigns();
    }
    return *m_viewContext;
}

universe::UniverseManager& VelmoraApp::manager() {
    if (!m_manager)
        m_manager = openUniverseStore(m_locations, *m_preferences, /*delayedSaves=*/true);
    return *m_manager;
}

campaign::Gamemastering& VelmoraApp::gamemastering() {
    if (!m_gamemastering) {
        campaign::Gamemastering::Environment environment;
        environment.folder = manager().dataFolder();
        environment.log = diagnosticLogger();
        m_gamemastering = std::make_unique<campaign::Gamemastering>(std::move(environment));
        m_gamemastering->load();
    }
    return *m_gamemastering;
}

ships::SavedShipDesignsStore& VelmoraApp::shipDesigns() {
    if (!m_shipDesigns) {
        const std::filesystem::path support =
            QDir(m_locations.applicationSupportFolder()).absolutePath().toStdString();
        m_shipDesigns = std::make_unique<ships::SavedShipDesignsStore>(
            support / ships::SavedShipDesignsStore::rootFolderName);
    }
    return *m_shipDesigns;
}

MainWindow& VelmoraApp::mainWindow() {
    if (!m_mainWindow)
        m_mainWindow = std::make_unique<MainWindow>(*this);
    return *m_mainWindow;
}

void VelmoraApp::showMainWindow() {
    mainWindow().show();
    // Portable folders are for scripted and test runs: no network at launch.
    if (!m_locations.isPortable())
        m_updateChecker->startAutomaticChecks();
}

void VelmoraApp::bringMainWindowForward() {
    MainWindow& window = mainWindow();
    window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    window.show();
    window.raise();
    window.activateWindow();
    logDiagnostic("Velmora was started again on " + m_locations.documentsFolder().toStdString() +
                  "; brought the open window forward.");
}

bool VelmoraApp::canCheckForUpdates() const {
    return m_updateChecker->canCheckForUpdates();
}

void VelmoraApp::checkForUpdates() {
    m_updateChecker->checkNow(true);
}

void VelmoraApp::showAbout() {
    m_windows.open(QStringLiteral("about"), {}, [] { return new AboutWindow; });
}

void VelmoraApp::showUwpReference() {
    m_windows.open(QStringLiteral("uwp-reference"), {},
                   [] { return new core::UwpReferenceWindow; });
}

void VelmoraApp::showStarReference() {
    m_windows.open(QStringLiteral("star-reference"), {},
                   [] { return new generator::StarReferenceWindow; });
}

void VelmoraApp::showShipDesigner() {
    ships::openShipDesigner(m_windows, &shipDesigns());
}

wiki::TravellerWikiBrowser& VelmoraApp::wiki() {
    if (!m_wiki)
        m_wiki = std::make_unique<Wiki>(
            m_network->http, m_locations.documentsFolder().toStdString(),
            m_preferences->text(wiki::wikiAddressKey).value_or(std::string()));
    return m_wiki->browser;
}

void VelmoraApp::showWiki() {
    m_windows.open(QStringLiteral("traveller-wiki"), {}, [this] {
        return new wiki::TravellerWikiWindow(wiki(), m_network->http, m_preferences.get());
    });
}

void VelmoraApp::lookUpInWiki(const QString& name) {
    showWiki();
    wiki().lookUp(name.toStdString());
}

} // namespace velmora::app
