#include "app/platform/qt_http_client.h"
#include "sector_io/sector_files.h"
#include "sector_io/travellermap_requests.h"
#include "sector_io/ui/import_travellermap_view.h"
#include "sector_io/ui/sector_io_views.h"
#include "support/travellermap_server.h"
#include "ui/view_context.h"
#include "ui/window_registry.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTest>
#include <algorithm>
#include <chrono>
#include <gtest/gtest.h>
#include <string>

using namespace velmora;
using namespace std::chrono_literals;
using velmora::sector_io::ImportTravellerMapView;
using velmora::sector_io::TravellerMapViewMemory;
using velmora::testing::SectorStore;
using velmora::testing::TravellerMapServer;

namespace {

// The whole of Spinward Marches as the recorded answers hold it. The factions are
// the eight allegiances of its worlds, the Zhodani Consulate (named only by
// routes) and "Trade Routes" for the routes without an allegiance.
const std::string spinwardMarchesResult =
    "439 worlds, 127 routes, 6 regions, 16 labels; created 10 factions.";

// A request the server sits on, so that a test can look at the view while it is
// outstanding; the tests wait for the answer rather than for the clock.
constexpr auto slowAnswer = 1500ms;
constexpr int patience = 30000;

template <typename Widget>
Widget* part(const QWidget& view, const char* name) {
    auto* widget = view.findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_TRUE(widget) << name;
    return widget;
}

TravellerMapServer::Fault slowly() {
    TravellerMapServer::Fault fault;
    fault.delay = slowAnswer;
    return fault;
}

TravellerMapServer::Fault failing(int status) {
    TravellerMapServer::Fault fault;
    fault.status = status;
    return fault;
}

bool hasLabel(const QWidget& view, const QString& text) {
    const auto labels = view.findChildren<QLabel*>();
    return std::any_of(labels.begin(), labels.end(), [&](const QLabel* label) {
        return label->text() == text && label->isVisible();
    });
}

long timesAskedFor(const TravellerMapServer& server, const std::string& path) {
    const auto received = server.received();
    return std::count_if(received.begin(), received.end(),
                         [&](const auto& request) { return request.path == path; });
}

// The view as the user meets it, talking to a local copy of the service through
// the application's own network client.
struct Screen {
    TravellerMapServer server;
    SectorStore store;
    app::QtHttpClient http;
    std::shared_ptr<TravellerMapViewMemory> memory = std::make_shared<TravellerMapViewMemory>();
    std::unique_ptr<ImportTravellerMapView> view;

    // Not pointed at the server, nothing is stored and the view offers the public service.
    explicit Screen(bool pointedAtServer = true) {
        if (pointedAtServer)
            store.preferences.texts[sector_io::travellerMapAddressKey] = server.address();
        open();
    }

    // The window replaces its view whenever it likes; the memory carries on.
    void open() {
        view = std::make_unique<ImportTravellerMapView>(*store.manager, &http, &store.preferences,
                                                        memory);
        view->show();
    }

    template <typename Widget>
    Widget* get(const char* name) const {
        return part<Widget>(*view, name);
    }

    void type(const char* field, const QString& text) {
        auto* edit = get<QLineEdit>(field);
        edit->selectAll();
        QTest::keyClick(edit, Qt::Key_Delete);
        QTest::keyClicks(edit, text);
    }
    void click(const char* name) {
        auto* button = get<QAbstractButton>(name);
        // A check box reaches across the form; only its box and text take the click.
        const QPoint where = qobject_cast<QCheckBox*>(button) ? QPoint(8, button->height() / 2)
                                                              : button->rect().center();
        QTest::mouseClick(button, Qt::LeftButton, {}, where);
    }
    void importSector(const QString& name) {
        type("sectorName", name);
        click("importButton");
    }
    bool importing() const {
        return get<QPushButton>("importButton")->text() == QStringLiteral("Importing\u2026");
    }
    [[nodiscard]] bool waitUntilDone() const {
        return QTest::qWaitFor([this] { return !importing(); }, patience);
    }
    // What a message line says, as the user sees it: nothing when it is hidden.
    std::string message(const char* name) const {
        const auto* label = get<QLabel>(name);
        return label->isVisible() ? label->text().toStdString() : std::string();
    }
    std::string universeFile() const {
        return core::readWholeFile(store.manager->current().file()).value_or("<missing>");
    }
};

} // namespace

TEST(ImportTravellerMapView, OpensReadyForTheWholeSectorInTheClassicEra) {
    Screen screen(false);
    const ImportTravellerMapView& view = *screen.view;
    EXPECT_TRUE(hasLabel(view, QStringLiteral("Import from Traveller Map")));

    auto* name = screen.get<QLineEdit>("sectorName");
    EXPECT_EQ(name->text(), QString());
    EXPECT_EQ(name->placeholderText(), QStringLiteral("Sector name (e.g. Spinward Marches)"));

    auto* subsector = screen.get<QComboBox>("subsector");
    ASSERT_EQ(subsector->count(), 17);
    EXPECT_EQ(subsector->currentText(), QStringLiteral("Whole sector"));
    EXPECT_EQ(subsector->itemText(1), QStringLiteral("A"));
    EXPECT_EQ(subsector->itemText(16), QStringLiteral("P"));

    auto* milieu = screen.get<QComboBox>("milieu");
    QStringList milieux;
    for (int i = 0; i < milieu->count(); ++i)
        milieux << milieu->itemText(i);
    EXPECT_EQ(milieux, (QStringList{"M0", "M990", "M1105", "M1120", "M1201", "M1248", "M1900"}));
    EXPECT_EQ(milieu->currentText(), QStringLiteral("M1105"));

    EXPECT_EQ(screen.get<QGroupBox>("whatToImport")->title(), QStringLiteral("What to import"));
    const std::pair<const char*, const char*> parts[] = {
        {"importWorlds", "Worlds"},
        {"importRoutes", "Trade routes"},
        {"importBorders", "Borders (regions)"},
        {"importLabels", "Labels (incl. subsector names)"}};
    for (const auto& [objectName, text] : parts) {
        const auto* box = screen.get<QCheckBox>(objectName);
        EXPECT_EQ(box->text(), QString::fromUtf8(text));
        EXPECT_TRUE(box->isChecked()) << objectName;
    }
    const std::pair<const char*, const char*> options[] = {
        {"overwrite", "Overwrite existing hexes"},
        {"generateAdditionalWorlds", "Generate additional worlds"},
        {"createRaceFactions", "Create race factions"}};
    for (const auto& [objectName, text] : options) {
        const auto* box = screen.get<QCheckBox>(objectName);
        EXPECT_EQ(box->text(), QString::fromUtf8(text));
        EXPECT_FALSE(box->isChecked()) << objectName;
    }
    EXPECT_TRUE(hasLabel(
        view, QStringLiteral(
                  "TravellerMap only provides each system's main world. Enable this to "
                  "procedurally fill in the additional bodies (gas giants, belts, other worlds) "
                  "from the imported PBG/W counts, keeping each main world's UWP canonical.")));
    EXPECT_TRUE(hasLabel(
        view, QStringLiteral(
                  "Creates a \"Race\"-category faction for each non-Human prevalent sophont found "
                  "among the imported main worlds (e.g. Aslan, Vargr, or a custom sophont from "
                  "Remarks), and adds it to that world's factions alongside its allegiance "
                  "faction. Human is skipped \u2014 it's already covered by the allegiance-based "
                  "political factions.")));
    const QString credit = screen.get<QLabel>("dataCredit")->text();
    EXPECT_TRUE(credit.contains(QStringLiteral("Traveller Map")));
    EXPECT_TRUE(credit.contains(QStringLiteral("Mongoose Publishing")));
    EXPECT_TRUE(credit.contains(QStringLiteral("for personal, non-commercial use")));
    EXPECT_TRUE(hasLabel(
        view, QStringLiteral("Imported worlds use Traveller tech levels (TL0\u201322), so import "
                             "into an empty or Traveller-based universe. Routes without an "
                             "allegiance are grouped under a \u201cTrade Routes\u201d faction; "
                             "subsectors become map labels.")));

    // Nothing stored yet: the public service.
    EXPECT_EQ(screen.get<QLineEdit>("serviceAddress")->text(),
              QStringLiteral("https://travellermap.com"));

    auto* import = screen.get<QPushButton>("importButton");
    EXPECT_EQ(import->text(), QStringLiteral("Import"));
    EXPECT_TRUE(import->isEnabled());
    EXPECT_FALSE(screen.get<QProgressBar>("progress")->isVisible());
    EXPECT_FALSE(screen.get<QPushButton>("cancelButton")->isVisible());
    EXPECT_EQ(screen.message("importResult"), "");
    EXPECT_EQ(screen.message("importError"), "");
}

TEST(ImportTravellerMapView, ARebuiltViewKeepsTheChoicesAndAskingForNothingIsNotOffered) {
    Screen screen;
    EXPECT_EQ(screen.get<QLineEdit>("serviceAddress")->text(),
              QString::fromStdString(screen.server.address()));
    screen.type("sectorName", QStringLiteral("Deneb"));
    screen.get<QComboBox>("subsector")->setCurrentIndex(3);
    screen.get<QComboBox>("milieu")->setCurrentIndex(0);
    screen.click("overwrite");
    screen.click("createRaceFactions");
    for (const char* part : {"importWorlds", "importRoutes", "importBorders"})
        screen.click(part);
    EXPECT_TRUE(screen.get<QPushButton>("importButton")->isEnabled());
    screen.click("importLabels");
    EXPECT_FALSE(screen.get<QPushButton>("importButton")->isEnabled());

    screen.open();
    EXPECT_EQ(screen.get<QLineEdit>("sectorName")->text(), QStringLiteral("Deneb"));
    EXPECT_EQ(screen.get<QComboBox>("subsector")->currentText(), QStringLiteral("C"));
    EXPECT_EQ(screen.get<QComboBox>("milieu")->currentText(), QStringLiteral("M0"));
    EXPECT_TRUE(screen.get<QCheckBox>("overwrite")->isChecked());
    EXPECT_FALSE(screen.get<QCheckBox>("generateAdditionalWorlds")->isChecked());
    EXPECT_TRUE(screen.get<QCheckBox>("createRaceFactions")->isChecked());
    EXPECT_FALSE(screen.get<QCheckBox>("importLabels")->isChecked());
    EXPECT_FALSE(screen.get<QPushButton>("importButton")->isEnabled());
    screen.click("importRoutes");
    EXPECT_TRUE(screen.get<QPushButton>("importButton")->isEnabled());
}

TEST(ImportTravellerMapView, ImportsSpinwardMarchesIntoTheCurrentUniverse) {
    Screen screen(false);
    // The referee points the view at a mirror; the address is kept for next time.
    screen.type("serviceAddress", QString::fromStdString(screen.server.address()));
    screen.importSector(QStringLiteral("Spinward Marches"));
    ASSERT_TRUE(screen.waitUntilDone());

    EXPECT_EQ(screen.message("importResult"), spinwardMarchesResult);
    EXPECT_EQ(screen.message("importError"), "");
    EXPECT_EQ(screen.store.preferences.texts[sector_io::travellerMapAddressKey],
              screen.server.address());
    const auto stored = screen.store.onDisk();
    EXPECT_EQ(stored.data.size(), 439u);
    EXPECT_EQ(stored.rutters.size(), 127u);
    EXPECT_EQ(stored.factions.size(), 10u);
    EXPECT_EQ(screen.store.manager->current().data().size(), 439u);
}

TEST(ImportTravellerMapView, AsksTheServiceForTheChosenSubsectorMilieuAndParts) {
    Screen screen;
    screen.get<QComboBox>("subsector")->setCurrentIndex(3);
    screen.get<QComboBox>("milieu")->setCurrentIndex(
        screen.get<QComboBox>("milieu")->findText(QStringLiteral("M1120")));
    for (const char* part : {"importRoutes", "importBorders", "importLabels"})
        screen.click(part);
    screen.importSector(QStringLiteral("Spinward Marches"));
    ASSERT_TRUE(screen.waitUntilDone());

    EXPECT_EQ(screen.message("importError"), "");
    EXPECT_FALSE(screen.message("importResult").empty());
    const auto received = screen.server.received();
    const auto rows = std::find_if(received.begin(), received.end(),
                                   [](const auto& request) { return request.path == "/api/sec"; });
    ASSERT_NE(rows, received.end());
    EXPECT_EQ(rows->query.at("sector"), "Spinward Marches");
    EXPECT_EQ(rows->query.at("subsector"), "C");
    EXPECT_EQ(rows->query.at("milieu"), "M1120");
    EXPECT_EQ(timesAskedFor(screen.server, "/api/metadata"), 0);
    const auto stored = screen.store.onDisk();
    EXPECT_FALSE(stored.data.empty());
    EXPECT_LT(stored.data.size(), 439u);
    EXPECT_TRUE(stored.rutters.empty());
}

TEST(ImportTravellerMapView, ShowsProgressSurvivesARebuildAndCancelChangesNothing) {
    Screen screen;
    screen.server.setFault("/api/metadata", slowly());
    screen.importSector(QStringLiteral("Spinward Marches"));

    const auto showsProgress = [&screen] {
        const auto* import = screen.get<QPushButton>("importButton");
        return screen.importing() && !import->isEnabled() &&
               screen.get<QProgressBar>("progress")->isVisible() &&
               screen.get<QPushButton>("cancelButton")->isVisible();
    };
    EXPECT_TRUE(showsProgress());
    ASSERT_TRUE(QTest::qWaitFor([&] { return timesAskedFor(screen.server, "/api/metadata") == 1; },
                                patience));
    // The window rebuilds its view mid-import; the new one follows the download.
    screen.open();
    EXPECT_TRUE(showsProgress());
    ASSERT_TRUE(screen.waitUntilDone());
    EXPECT_EQ(screen.message("importResult"), spinwardMarchesResult);
    EXPECT_FALSE(screen.get<QProgressBar>("progress")->isVisible());
    EXPECT_FALSE(screen.get<QPushButton>("cancelButton")->isVisible());

    // A second import clears the last result, and cancelling it leaves the universe as it was.
    const std::string before = screen.universeFile();
    screen.click("overwrite");
    screen.click("importButton");
    EXPECT_TRUE(showsProgress());
    EXPECT_EQ(screen.message("importResult"), "");
    ASSERT_TRUE(QTest::qWaitFor([&] { return timesAskedFor(screen.server, "/api/metadata") == 2; },
                                patience));
    screen.click("cancelButton");
    EXPECT_FALSE(screen.importing());
    EXPECT_TRUE(screen.get<QPushButton>("importButton")->isEnabled());
    EXPECT_FALSE(screen.get<QProgressBar>("progress")->isVisible());
    EXPECT_FALSE(screen.get<QPushButton>("cancelButton")->isVisible());
    EXPECT_EQ(screen.message("importResult"), "");
    EXPECT_EQ(screen.message("importError"), "");
    EXPECT_EQ(screen.universeFile(), before);
}

TEST(ImportTravellerMapView, OpeningAnotherUniverseCancelsTheImport) {
    Screen screen;
    screen.server.setFault("/api/metadata", slowly());
    screen.importSector(QStringLiteral("Spinward Marches"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return timesAskedFor(screen.server, "/api/metadata") == 1; },
                                patience));

    screen.store.manager->createUniverse("Elsewhere");
    screen.open();
    EXPECT_FALSE(screen.importing());
    QTest::qWait(static_cast<int>(slowAnswer.count()) + 300);
    EXPECT_TRUE(screen.store.manager->current().data().empty());
    EXPECT_EQ(screen.message("importResult"), "");
}

TEST(ImportTravellerMapView, ShowsWhatWentWrongAndChangesNothing) {
    Screen screen;
    const std::string before = screen.universeFile();

    screen.importSector(QString());
    EXPECT_EQ(screen.message("importError"), "Enter a sector name to import.");
    EXPECT_FALSE(screen.importing());

    screen.importSector(QStringLiteral("Nowhere"));
    EXPECT_EQ(screen.message("importError"), "");
    ASSERT_TRUE(screen.waitUntilDone());
    EXPECT_EQ(screen.message("importError"),
              "Couldn't find a sector named \u201cNowhere\u201d on Traveller Map.");

    screen.server.setFault("/t5ss/allegiances", failing(500));
    screen.importSector(QStringLiteral("Spinward Marches"));
    ASSERT_TRUE(screen.waitUntilDone());
    EXPECT_EQ(screen.message("importError"),
              "Traveller Map returned an error (HTTP 500). Please try again.");
    EXPECT_EQ(screen.message("importResult"), "");
    EXPECT_EQ(screen.universeFile(), before);
}

// The sidebar's "TravellerMap" makes the view from the window's network client and
// preferences; the views it makes share one memory.
TEST(ImportTravellerMapView, TheSidebarDestinationMakesViewsThatShareTheImport) {
    TravellerMapServer server;
    SectorStore store;
    app::QtHttpClient http;
    store.preferences.texts[sector_io::travellerMapAddressKey] = server.address();
    ui::WindowRegistry windows;
    ui::ViewContext context{*store.manager, windows, {}, &http, &store.preferences};
    ui::DetailViewRegistry registry;
    sector_io::registerSectorIoViews(registry);
    const auto* factory = registry.find(ui::Destination::importTravellerMap);
    ASSERT_NE(factory, nullptr);
    const ui::SidebarSelection selection{ui::Destination::importTravellerMap, std::nullopt};

    std::unique_ptr<QWidget> first((*factory)(context, selection, nullptr));
    auto* view = qobject_cast<ImportTravellerMapView*>(first.get());
    ASSERT_NE(view, nullptr);
    part<QLineEdit>(*view, "sectorName")->setText(QStringLiteral("Spin"));
    view->startImport();
    first.reset();

    std::unique_ptr<QWidget> second((*factory)(context, selection, nullptr));
    second->show();
    ASSERT_TRUE(QTest::qWaitFor(
        [&] { return part<QPushButton>(*second, "importButton")->text() == "Import"; }, patience));
    EXPECT_EQ(part<QLabel>(*second, "importResult")->text().toStdString(), spinwardMarchesResult);
    EXPECT_EQ(store.onDisk().data.size(), 439u);

    // Without a network client the form is there, but there is nothing to import with.
    ui::ViewContext offline{*store.manager, windows, {}, nullptr, &store.preferences};
    std::unique_ptr<QWidget> third((*factory)(offline, selection, nullptr));
    third->show();
    EXPECT_FALSE(part<QPushButton>(*third, "importButton")->isEnabled());
    EXPECT_TRUE(part<QLabel>(*third, "offlineNote")->isVisible());
}
