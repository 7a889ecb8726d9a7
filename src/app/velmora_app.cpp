#include "app/velmora_app.h"

#include "app/about_window.h"
#include "app/main_window.h"
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
#include "starmap/ui/starmap_view.h"
#include "systems/ui/systems_views.h"
#include "systems/ui/world_info_window.h"
#include "ui/empty_state_view.h"

#include <QApplication>
#include <QDesktopServices>
#include <QMessageBox>
#include <QUrl>

namespace velmora::app {

namespace {

// Each subsystem's views, by the sidebar destinations they serve.
void registerSubsystemViews(ui::DetailViewRegistry& registry) {
    (void)registry;
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
}

const QString releaseFeedUrl = QStringLiteral("https://velmora.app/releases/latest.json");

QWidget* comingSoonWindow(const QString& title, const QString& message) {
    auto* window = new ui::EmptyStateView(title + QObject::tr(" — coming soon"), message);
    window->setWindowFlag(Qt::Window);
    window->setWindowTitle(title);
    window->resize(520, 320);
    return window;
}

} // namespace

class VelmoraApp::Network {
public:
    QtHttpClient http;
};

VelmoraApp::VelmoraApp(DataLocations locations, QObject* parent)
    : QObject(parent), m_locations(std::move(locations)),
      m_preferences(std::make_unique<QtPreferences>(m_locations)),
      m_network(std::make_unique<Network>()) {
    registerSubsystemViews(m_detailViews);
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
    m_windows.closeAll();
    // The views go before the stores they show.
    m_mainWindow.reset();
}

ui::ViewContext& VelmoraApp::viewContext() {
    if (!m_viewContext)
        m_viewContext = std::make_unique<ui::ViewContext>(ui::ViewContext{
            manager(), m_windows, {}, &m_network->http, m_preferences.get(), &gamemastering()});
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
    m_windows.open(QStringLiteral("ship-designer"), {}, [] {
        return comingSoonWindow(
            tr("Ship Designer"),
            tr("Designing starships to the last ton and credit is not in this version yet."));
    });
}

void VelmoraApp::showWiki() {
    m_windows.open(QStringLiteral("traveller-wiki"), {}, [] {
        return comingSoonWindow(tr("Traveller Wiki"),
                                tr("Looking things up on the wiki is not in this version yet."));
    });
}

} // namespace velmora::app
