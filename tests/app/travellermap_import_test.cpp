#include "app/platform/qt_http_client.h"
#include "core/file_io.h"
#include "core/star_system.h"
#include "sector_io/sector_files.h"
#include "sector_io/travellermap_apply.h"
#include "sector_io/travellermap_fetch.h"
#include "support/scripted_random.h"
#include "support/travellermap_server.h"
#include "universe/ridivivev_izeviduv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>
#include <set>

using namespace velmora;
using sector_io::TravellerMapFetchResult;
using sector_io::TravellerMapImportOptions;
using velmora::testing::TravellerMapServer;

namespace {

// The real client against the loopback server, and a universe store on disk.
struct Importing {
    TravellerMapServer server;
    app::QtHttpClient http;
    velmora::testing::SectorStore store;
    std::chrono::milliseconds timeout = sector_io::travellerMapTimeout;

    TravellerMapFetchResult fetch(const TravellerMapImportOptions& options) {
        sector_io::TravellerMapEndpoints endpoints{server.address(), timeout};
        sector_io::TravellerMapFetch fetch(http, endpoints, options, core::systemRandomSource());
        std::optional<TravellerMapFetchResult> result;
        fetch.start([&](TravellerMapFetchResult answer) { result = std::move(answer); });
        QElapsedTimer clock;
        clock.start();
        while (!result && clock.elapsed() < 20000)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        EXPECT_TRUE(result) << "the fetch never completed";
        return result.value_or(TravellerMapFetchResult{});
    }

    // What the referee sees after pressing Import: the result, or the error.
    std::string import(const TravellerMapImportOptions& options) {
        TravellerMapFetchResult result = fetch(options);
        if (result.error)
            return result.error->what();
        if (!result.download)
            return "no result";
        const sector_io::TravellerMapApplied applied = sector_io::applyTravellerMapImport(
            std::move(*result.download), options, store.manager->current(),
            core::systemRandomSource());
        return applied.error.empty() ? applied.message : applied.error;
    }

    std::string universeFile() const {
        return core::readWholeFile(store.manager->current().file()).value_or("");
    }
};

TravellerMapImportOptions spinwardMarches() {
    TravellerMapImportOptions options;
    options.sectorName = "Spinward Marches";
    return options;
}

std::size_t countIf(const auto& list, auto predicate) {
    return static_cast<std::size_t>(std::count_if(list.begin(), list.end(), predicate));
}

} // namespace

TEST(TravellerMapImport, BringsEveryWorldRouteBorderAndLabelOfTheSector) {
    Importing importing;
    EXPECT_EQ(importing.import(spinwardMarches()),
              "439 worlds, 127 routes, 6 regions, 16 labels; created 10 factions.");

    const universe::UniverseRecord saved = importing.store.onDisk();
    ASSERT_EQ(saved.data.size(), 439u);
    // The service's sector (-4, -1) is (-4, 1) here, whose y grows upwards.
    EXPECT_EQ(countIf(saved.data,
                      [](const core::HexData& hex) {
                          return hex.coordinates.sectorX == -4 && hex.coordinates.sectorY == 1;
                      }),
              439u);
    const core::HexData& regina =
        *std::find_if(saved.data.begin(), saved.data.end(),
                      [](const auto& hex) { return hex.starSystem.name == "Regina"; });
    EXPECT_EQ((regina.coordinates), (core::GalacticCoordinates{-4, 1, 19, 10}));
    const core::WorldData& reginaMain = *core::mainWorld(regina.starSystem);
    ASSERT_EQ(reginaMain.factionIDs.size(), 1u);
    const auto imperium =
        std::find_if(saved.factions.begin(), saved.factions.end(),
                     [](const universe::Faction& f) { return f.shortName == "ImDd"; });
    ASSERT_NE(imperium, saved.factions.end());
    EXPECT_EQ(reginaMain.factionIDs.front(), imperium->id);
    EXPECT_EQ(imperium->name, "Third Imperium, Domain of Deneb");

    // Eight allegiances of worlds, the Zhodani core routes' own, and the trade
    // routes that name none.
    EXPECT_EQ(saved.factions.size(), 10u);
    const auto tradeRoutes =
        std::find_if(saved.factions.begin(), saved.factions.end(),
                     [](const universe::Faction& f) { return f.name == "Trade Routes"; });
    ASSERT_NE(tradeRoutes, saved.factions.end());

    ASSERT_EQ(saved.rutters.size(), 127u);
    EXPECT_EQ(countIf(saved.rutters,
                      [](const universe::Rutter& r) {
                          return r.mainTradeRoute && r.age == universe::RutterAge::lessThanOne;
                      }),
              127u);
    EXPECT_GT(countIf(saved.rutters,
                      [&](const universe::Rutter& r) { return r.factionID == tradeRoutes->id; }),
              0u);
    // Routes leave the sector through its edges.
    EXPECT_GT(countIf(saved.rutters,
                      [](const universe::Rutter& r) {
                          return r.end.sectorX != -4 || r.start.sectorX != -4;
                      }),
              0u);

    ASSERT_EQ(saved.regions.size(), 6u);
    EXPECT_EQ(countIf(saved.regions,
                      [](const universe::Region& r) { return r.closed && r.anchors.size() > 6; }),
              6u);
    EXPECT_EQ(countIf(saved.regions,
                      [](const universe::Region& r) { return r.name == "Third Imperium"; }),
              3u);
    const universe::Region& consulate =
        *std::find_if(saved.regions.begin(), saved.regions.end(),
                      [](const auto& r) { return r.name == "Zhodani Consulate"; });
    const auto zhodani =
        std::find_if(saved.factions.begin(), saved.factions.end(),
                     [](const universe::Faction& f) { return f.shortName == "ZhIN"; });
    EXPECT_EQ(consulate.color, zhodani->color);

    ASSERT_EQ(saved.starmapLabels.size(), 16u);
    const auto regina_ =
        std::find_if(saved.starmapLabels.begin(), saved.starmapLabels.end(),
                     [](const universe::StarmapLabel& l) { return l.text == "Regina"; });
    ASSERT_NE(regina_, saved.starmapLabels.end());
    EXPECT_EQ(regina_->category, "Subsector Name");
    EXPECT_EQ(regina_->size, 20.0);

    ASSERT_EQ(saved.sectors.size(), 1u);
    EXPECT_EQ(saved.sectors.front(), (universe::SectorInfo{-4, 1, "Spinward Marches", "Spin"}));
}

TEST(TravellerMapImport, AsksTheServiceAsDocumented) {
    Importing importing;
    TravellerMapImportOptions options = spinwardMarches();
    options.sectorName = "  spinward marches ";
    options.subsector = "C";
    options.milieu = "M1105";
    EXPECT_EQ(importing.import(options).substr(0, 10), "32 worlds,");

    const auto received = importing.server.received();
    std::vector<std::string> paths;
    for (const auto& request : received) {
        paths.push_back(request.path);
        EXPECT_EQ(request.userAgent, sector_io::travellerMapUserAgent);
    }
    EXPECT_EQ(paths, (std::vector<std::string>{"/api/coordinates", "/t5ss/allegiances", "/api/sec",
                                               "/api/metadata"}));
    EXPECT_EQ(received[0].query,
              (std::map<std::string, std::string>{{"sector", "spinward marches"}}));
    EXPECT_EQ(received[2].query, (std::map<std::string, std::string>{{"sector", "spinward marches"},
                                                                     {"type", "TabDelimited"},
                                                                     {"subsector", "C"},
                                                                     {"milieu", "M1105"}}));
    EXPECT_EQ(received[3].accept, "application/json");
    // The service's spelling names the sector, whatever the referee typed.
    EXPECT_EQ(importing.store.onDisk().sectors.front().name, "Spinward Marches");
}

TEST(TravellerMapImport, AgainSkipsWhatIsThereAndOverwritesOnlyWhenAsked) {
    Importing importing;
    importing.import(spinwardMarches());
    const universe::UniverseRecord first = importing.store.onDisk();

    EXPECT_EQ(importing.import(spinwardMarches()),
              "0 worlds (439 existing skipped), 0 routes, 0 regions, 0 labels.");
    universe::UniverseRecord second = importing.store.onDisk();
    EXPECT_EQ(second.data, first.data);
    EXPECT_EQ(second.factions, first.factions);
    EXPECT_EQ(second.rutters.size(), 127u);
    EXPECT_EQ(second.regions.size(), 6u);
    EXPECT_EQ(second.starmapLabels.size(), 16u);

    TravellerMapImportOptions overwrite = spinwardMarches();
    overwrite.overwriteExisting = true;
    EXPECT_EQ(importing.import(overwrite), "439 worlds, 0 routes, 0 regions, 0 labels.");
    EXPECT_EQ(importing.store.onDisk().data.size(), 439u);
}

TEST(TravellerMapImport, ImportsOnlyThePartsAskedFor) {
    Importing importing;
    TravellerMapImportOptions worldsOnly = spinwardMarches();
    worldsOnly.importRoutes = worldsOnly.importBorders = worldsOnly.importLabels = false;
    EXPECT_EQ(importing.import(worldsOnly), "439 worlds; created 8 factions.");
    auto received = importing.server.received();
    EXPECT_TRUE(std::none_of(received.begin(), received.end(),
                             [](const auto& r) { return r.path == "/api/metadata"; }));
    // Without the metadata the sector has no name to store.
    EXPECT_TRUE(importing.store.onDisk().sectors.empty());

    Importing other;
    TravellerMapImportOptions labelsOnly = spinwardMarches();
    labelsOnly.importWorlds = labelsOnly.importRoutes = labelsOnly.importBorders = false;
    EXPECT_EQ(other.import(labelsOnly), "16 labels.");
    received = other.server.received();
    EXPECT_TRUE(std::none_of(received.begin(), received.end(),
                             [](const auto& r) { return r.path == "/api/sec"; }));
    EXPECT_TRUE(other.store.onDisk().data.empty());
}

TEST(TravellerMapImport, RowsThatCouldNotBeReadAreCounted) {
    Importing importing;
    // Two rows the service might send damaged: a hex past the sector's last row and
    // a profile cut short.
    importing.server.setFault("/api/sec",
                              {.body = TravellerMapServer::fixture("spinward-marches.tab") +
                                       "Spin\tP\t3241\tBeyond\tA788899-C\t\t\t\t703\tImDd\tG2 V\r\n"
                                       "Spin\tP\t3240\tShort\tA78\r\n"});
    TravellerMapImportOptions worldsOnly = spinwardMarches();
    worldsOnly.importRoutes = worldsOnly.importBorders = worldsOnly.importLabels = false;
    EXPECT_EQ(importing.import(worldsOnly),
              "439 worlds; created 8 factions. 2 lines could not be read.");
}

TEST(TravellerMapImport, FillsSystemsAndMakesRaceFactionsWhenAsked) {
    Importing importing;
    TravellerMapImportOptions options = spinwardMarches();
    options.importRoutes = options.importBorders = options.importLabels = false;
    options.generateAdditionalWorlds = true;
    options.createRaceFactions = true;
    const std::string message = importing.import(options);
    const universe::UniverseRecord saved = importing.store.onDisk();

    std::set<std::string> races;
    for (const universe::Faction& faction : saved.factions)
        if (faction.category == universe::FactionCategory::race)
            races.insert(faction.name);
    EXPECT_TRUE(races.count("Vargr") || races.count("Aslan") || races.count("Droyne")) << message;
    EXPECT_FALSE(races.count("Human"));
    EXPECT_EQ(message, "439 worlds; created " + std::to_string(8 + races.size()) + " factions.");
    // Custom sophonts named in remarks join the universe's list.
    EXPECT_TRUE(std::find(saved.customRaces.begin(), saved.customRaces.end(), "Ursty") !=
                saved.customRaces.end());

    // Each system gets the bodies its listing counts; main worlds keep their profile.
    const core::HexData& regina =
        *std::find_if(saved.data.begin(), saved.data.end(),
                      [](const auto& hex) { return hex.starSystem.name == "Regina"; });
    int bodies = 0;
    for (const core::Star& star : regina.starSystem.stars)
        bodies += static_cast<int>(star.worlds.size());
    EXPECT_GT(bodies, 1);
    EXPECT_EQ(regina.starSystem.totalNumberOfWorlds, bodies);
    const core::WorldData& main = *core::mainWorld(regina.starSystem);
    EXPECT_EQ(main.name, "Regina");
    EXPECT_EQ(main.factionIDs.size(), 1u); // humans have no race faction

    Importing plain;
    options.generateAdditionalWorlds = false;
    plain.import(options);
    const universe::UniverseRecord unfilled = plain.store.onDisk();
    const core::HexData& plainRegina =
        *std::find_if(unfilled.data.begin(), unfilled.data.end(),
                      [](const auto& hex) { return hex.starSystem.name == "Regina"; });
    EXPECT_EQ(main.uwp, core::mainWorld(plainRegina.starSystem)->uwp);
    EXPECT_EQ(main.tradeClasses, core::mainWorld(plainRegina.starSystem)->tradeClasses);

    // So does every main world, a red dwarf's locked ones among them: its profile and
    // the classes no profile derives (Cp, Fa, Sa and the like) survive the filling.
    const auto neverDerived = [](const core::WorldData& world) {
        std::vector<core::TradeClass> kept;
        for (const core::TradeClass c : world.tradeClasses)
            if (core::category(c) >= core::TradeClassCategory::secondary)
                kept.push_back(c);
        return kept;
    };
    int locked = 0;
    for (const core::HexData& hex : saved.data) {
        const auto twin =
            std::find_if(unfilled.data.begin(), unfilled.data.end(),
                         [&](const auto& other) { return other.coordinates == hex.coordinates; });
        ASSERT_NE(twin, unfilled.data.end());
        const core::WorldData* filled = core::mainWorld(hex.starSystem);
        const core::WorldData* listed = core::mainWorld(twin->starSystem);
        ASSERT_TRUE(filled && listed);
        EXPECT_EQ(filled->uwp, listed->uwp) << hex.starSystem.name;
        EXPECT_EQ(neverDerived(*filled), neverDerived(*listed)) << hex.starSystem.name;
        locked += filled->tideLocked ? 1 : 0;
    }
    EXPECT_GT(locked, 0) << "the sector's red dwarfs lock some main worlds";
}

TEST(TravellerMapImport, FailuresSayWhyAndLeaveTheUniverseAlone) {
    using Fault = TravellerMapServer::Fault;
    struct Case {
        const char* name;
        std::string path;
        std::function<Fault()> fault;
        std::string expected;
    };
    const std::vector<Case> cases{
        {"server error", "/t5ss/allegiances", [] { return Fault{.status = 500}; },
         "Traveller Map returned an error (HTTP 500). Please try again."},
        // Every answer outside 2xx is the service's answer, whatever Qt calls it.
        {"bad request", "/api/sec", [] { return Fault{.status = 400}; },
         "Traveller Map returned an error (HTTP 400). Please try again."},
        {"teapot", "/api/metadata", [] { return Fault{.status = 418}; },
         "Traveller Map returned an error (HTTP 418). Please try again."},
        {"malformed JSON", "/api/metadata", [] { return Fault{.body = "{\"Routes\": ["}; },
         "Traveller Map returned data that couldn't be read."},
        {"wrong shape", "/api/coordinates", [] { return Fault{.body = "[1, 2]"}; },
         "Traveller Map returned data that couldn't be read."},
        {"empty sector", "/api/sec", [] { return Fault{.body = "Sector\tSS\tHex\tName\tUWP\r\n"}; },
         "That sector (or subsector) has no worlds to import."},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Importing importing;
        const std::string before = importing.universeFile();
        importing.server.setFault(c.path, c.fault());
        EXPECT_EQ(importing.import(spinwardMarches()), c.expected);
        EXPECT_EQ(importing.universeFile(), before);
    }

    Importing importing;
    const std::string before = importing.universeFile();
    TravellerMapImportOptions unknown = spinwardMarches();
    unknown.sectorName = "Nowhere";
    EXPECT_EQ(importing.import(unknown),
              "Couldn't find a sector named \u201cNowhere\u201d on Traveller Map.");
    unknown.sectorName = " \t ";
    EXPECT_EQ(importing.import(unknown), "Enter a sector name to import.");
    EXPECT_EQ(importing.universeFile(), before);
}

TEST(TravellerMapImport, TransferFailuresAreNetworkErrors) {
    Importing dropped;
    dropped.server.setFault("/api/coordinates", {.dropConnection = true});
    std::string message = dropped.import(spinwardMarches());
    EXPECT_TRUE(message.starts_with("Network error: ")) << message;
    EXPECT_TRUE(message.ends_with(". Please try again.")) << message;
    EXPECT_EQ(message.find(".. "), std::string::npos) << message;

    Importing slow;
    slow.timeout = std::chrono::milliseconds(300);
    slow.server.setFault("/api/sec", {.delay = std::chrono::milliseconds(1500)});
    EXPECT_EQ(slow.import(spinwardMarches()),
              "Network error: The request timed out. Please try again.");
    EXPECT_TRUE(slow.store.onDisk().data.empty());

    Importing refused;
    TravellerMapImportOptions options = spinwardMarches();
    sector_io::TravellerMapEndpoints nowhere{"http://127.0.0.1:1", std::chrono::seconds(5)};
    sector_io::TravellerMapFetch fetch(refused.http, nowhere, options, core::systemRandomSource());
    std::optional<TravellerMapFetchResult> result;
    fetch.start([&](TravellerMapFetchResult answer) { result = std::move(answer); });
    while (!result)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    ASSERT_TRUE(result->error);
    EXPECT_EQ(result->error->kind(), sector_io::ImportError::Kind::network);
}

TEST(TravellerMapImport, ACancelledFetchNeverCompletes) {
    Importing importing;
    importing.server.setFault("/api/coordinates", {.delay = std::chrono::milliseconds(400)});
    sector_io::TravellerMapEndpoints endpoints{importing.server.address(), std::chrono::seconds(5)};
    sector_io::TravellerMapFetch fetch(importing.http, endpoints, spinwardMarches(),
                                       core::systemRandomSource());
    bool completed = false;
    fetch.start([&](TravellerMapFetchResult) { completed = true; });
    EXPECT_TRUE(fetch.isRunning());
    fetch.cancel();
    EXPECT_FALSE(fetch.isRunning());
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < 800)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    EXPECT_FALSE(completed);
}
