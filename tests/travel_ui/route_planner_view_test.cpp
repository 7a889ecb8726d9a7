#include "core/hex_layout.h"
#include "ships/saved_ship_designs_store.h"
#include "starmap/starmap_model.h"
#include "starmap/ui/starmap_canvas.h"
#include "starmap/ui/starmap_renderer.h"
#include "starmap/ui/starmap_view.h"
#include "travel/ui/route_planner_view.h"
#include "travel_desk.h"
#include "ui/pinned_route.h"

#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStackedLayout>
#include <QTest>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::travel;
using namespace velmora::testing;

namespace {

// Four systems two parsecs apart down column 01. Bleak has no port, only a gas
// giant in its system, so a jump-2 ship gets past it only by skimming.
universe::UniverseRecord lineUniverse() {
    universe::UniverseRecord record;
    record.name = "Line";
    record.data = {system("Ardent", 1, 1, core::Starport::typeA),
                   system("Bleak", 1, 3, core::Starport::typeX),
                   system("Corvin", 1, 5, core::Starport::typeA),
                   system("Dunmore", 1, 7, core::Starport::typeC)};
    record.data[1].starSystem.gasGiant = 1;
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    guild.name = "Guild";
    record.factions = {guild};
    return record;
}

struct Planner {
    TravelDesk desk{lineUniverse()};
    std::unique_ptr<RoutePlannerView> view;

    Planner() {
        view = std::make_unique<RoutePlannerView>(*desk.context);
        view->setRandomSource(desk.dice);
        view->resize(1100, 900);
        view->show();
        settle();
    }
    ~Planner() {
        view.reset();
        settle();
    }

    template <typename T>
    T* part(const char* name) const {
        return child<T>(*view, name);
    }
    QString text(const char* name) const {
        auto* label = part<QLabel>(name);
        return label && label->isVisibleTo(view.get()) ? label->text() : QString();
    }
    void choose(const char* picker, const char* hex) {
        auto* box = part<QComboBox>(picker);
        box->setCurrentIndex(box->findData(QString::fromLatin1(hex)));
        settle();
    }
    // Ardent to Dunmore, skimming at Bleak.
    void planTheLine() {
        choose("routeFrom", "0,0,0101");
        choose("routeTo", "0,0,0107");
        part<QCheckBox>("canScoop")->setChecked(true);
        settle();
        ASSERT_TRUE(view->plan());
    }
};

} // namespace

TEST(RoutePlannerView, PlansTheRouteAndShowsItsStopsAndTotals) {
    Planner planner;
    EXPECT_TRUE(planner.part<QWidget>("chooseTwoSystems")->isVisibleTo(planner.view.get()));
    planner.choose("routeFrom", "0,0,0101");
    planner.choose("routeTo", "0,0,0107");
    EXPECT_FALSE(planner.view->plan());
    EXPECT_EQ(planner.text("routeError"),
              "No fuel-feasible route within jump-2 range (try enabling fuel scooping).");

    planner.part<QCheckBox>("canScoop")->setChecked(true);
    settle();
    ASSERT_TRUE(planner.view->plan());
    EXPECT_EQ(planner.text("routeError"), "");
    EXPECT_FALSE(planner.part<QWidget>("chooseTwoSystems")->isVisibleTo(planner.view.get()));

    // Each main world's jump point is 100 × 8 × 1,609.344 = 1,287,475.2 km out: at
    // 1 G that is 2√(1,287,475,200 m / 9.81) = 22,912.1 s each way, 45,824.2 s a
    // leg. Every die is a 1, so a jump is 148 + 6 = 154 h (6d 10h). Bleak (a giant
    // but none listed to fly to) and Corvin each take 6 h of refuelling.
    // Total: 3 × (554,400 + 45,824.2) + 2 × 21,600 = 1,843,872.6 s = 512 h = 3w 8h.
    const char* const rows[][2] = {
        {"stop_0", "Start"},
        {"stop_0", "Ardent · Refined (starport)"},
        {"leg_0", "2 LY · jump 6d 10h · maneuver 12h 44m"},
        {"stop_1", "Stop 1"},
        {"stop_1", "Bleak · Gas-giant skim — refuel: 6h 0m"},
        {"stop_2", "Corvin · Refined (starport) — refuel: 6h 0m"},
        {"leg_2", "2 LY · jump 6d 10h · maneuver 12h 44m"},
        {"stop_3", "Destination"},
        {"stop_3", "Dunmore · Unrefined (starport)"},
        {"routeSummary", "3 jumps · 6 LY · 3w 8h · Fuel: Cr0 · Upkeep (0 periods): Cr0"},
    };
    for (const auto& [name, expected] : rows) {
        const QString shown = planner.text(name);
        EXPECT_TRUE(shown.contains(QString::fromUtf8(expected)))
            << name << ": " << shown.toStdString();
    }
    EXPECT_FALSE(planner.text("stop_3").contains("refuel"));

    // A shorter reach finds nothing, and says so without the scooping hint.
    planner.part<QSpinBox>("jumpRating")->setValue(1);
    settle();
    EXPECT_FALSE(planner.view->plan());
    EXPECT_EQ(planner.text("routeError"), "No fuel-feasible route within jump-1 range.");

    // The same system at both ends is no route and no error either.
    planner.part<QSpinBox>("jumpRating")->setValue(2);
    planner.choose("routeTo", "0,0,0101");
    EXPECT_FALSE(planner.view->plan());
    EXPECT_EQ(planner.text("routeError"), "");
    EXPECT_TRUE(planner.part<QWidget>("chooseTwoSystems")->isVisibleTo(planner.view.get()));

    // A ship must be picked in specific-ship mode.
    planner.choose("routeTo", "0,0,0107");
    planner.part<QRadioButton>("specificMode")->setChecked(true);
    settle();
    EXPECT_EQ(planner.text("routeError"), "Select a ship to plan a route for.");
}

// Typing over a chosen system: text that names no system leaves none chosen (the
// field keeps what was typed) rather than the one chosen before; spelling out a
// system's entry, in any case, chooses it again.
TEST(RoutePlannerView, TypedTextThatNamesNoSystemLeavesNoneChosen) {
    Planner planner;
    planner.planTheLine();
    auto* from = planner.part<QComboBox>("routeFrom");
    const QString ardent = from->currentText();
    QLineEdit* field = from->lineEdit();
    field->setFocus();
    field->selectAll();
    QTest::keyClicks(field, "Nowhere");
    settle();
    EXPECT_EQ(field->text(), "Nowhere");
    EXPECT_EQ(from->currentIndex(), -1);
    EXPECT_FALSE(planner.view->plan());
    EXPECT_EQ(planner.text("routeError"), "");
    EXPECT_TRUE(planner.part<QWidget>("chooseTwoSystems")->isVisibleTo(planner.view.get()));

    // Key by key, the entry's dash too.
    field->selectAll();
    for (const QChar c : ardent.toUpper())
        QTest::sendKeyEvent(QTest::Click, field, Qt::Key_unknown, QString(c), Qt::NoModifier);
    settle();
    EXPECT_EQ(from->currentIndex(), from->findData(QStringLiteral("0,0,0101")));
    EXPECT_EQ(field->text(), ardent);
    ASSERT_TRUE(planner.view->plan());
    EXPECT_EQ(planner.view->plan()->stops.size(), 4u);

    // Emptying the field empties the choice too.
    field->selectAll();
    QTest::keyClick(field, Qt::Key_Backspace);
    settle();
    EXPECT_EQ(from->currentIndex(), -1);
    EXPECT_FALSE(planner.view->plan());
}

TEST(RoutePlannerView, OpenInWindowPinsTheRouteToTheMap) {
    Planner planner;
    planner.planTheLine();
    click(planner.part<QPushButton>("openRouteWindow"));

    const universe::RidivivevIzeviduv& universe = planner.desk.manager->current();
    ASSERT_NE(ui::pinnedRoutes().find(universe.id()), nullptr);
    EXPECT_EQ(*ui::pinnedRoutes().find(universe.id()), *planner.view->plan());
    QWidget* window = planner.desk.windows.find("route-plan");
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "Route Plan");
    EXPECT_TRUE(child<QLabel>(*window, "stop_3")->text().contains("Dunmore"));

    // The star map draws it: an amber line through the empty hex between Ardent
    // and Bleak.
    starmap::StarMapView map(*planner.desk.context);
    const std::vector<core::GalacticCoordinates> route = {
        {0, 0, 1, 1}, {0, 0, 1, 3}, {0, 0, 1, 5}, {0, 0, 1, 7}};
    EXPECT_EQ(map.canvas()->route(), route);

    const core::HexLayout layout{starmap::mapHexRadius};
    const core::PointF between = layout.center({0, 0, 1, 2});
    starmap::StarMapRenderer renderer;
    starmap::StarMapRenderer::Frame frame;
    frame.transform = {1.0, 100 - between.x, 100 - between.y};
    frame.size = QSizeF(200, 200);
    frame.hexNumbers = false;
    frame.route = &route;
    QImage image(200, 200, QImage::Format_ARGB32);
    {
        QPainter painter(&image);
        renderer.render(painter, map.model(), universe.record(), frame);
    }
    EXPECT_EQ(image.pixelColor(100, 100), QColor(255, 170, 40));
    frame.route = nullptr;
    {
        QPainter painter(&image);
        renderer.render(painter, map.model(), universe.record(), frame);
    }
    EXPECT_NE(image.pixelColor(100, 100), QColor(255, 170, 40));
    ui::pinnedRoutes().unpin(universe.id());
    EXPECT_TRUE(map.canvas()->route().empty());
    EXPECT_TRUE(child<QWidget>(*window, "noRoute")->isVisibleTo(window));
}

TEST(RoutePlannerView, CreatesAFactionsRuttersInOneEdit) {
    Planner planner;
    planner.planTheLine();
    const RoutePlan plan = *planner.view->plan();
    auto* create = planner.part<QPushButton>("createRutters");
    // The worlds are on the Traveller scale: rutters are "Routes" here.
    EXPECT_EQ(create->text(), "Create Routes from Route");
    EXPECT_FALSE(create->isEnabled()); // no faction chosen yet
    auto* faction = planner.part<QComboBox>("rutterFaction");
    EXPECT_EQ(faction->itemText(0), "Select a faction");
    faction->setCurrentIndex(1);
    planner.part<QComboBox>("rutterAge")->setCurrentIndex(1);
    click(create);

    universe::RidivivevIzeviduv& universe = planner.desk.manager->current();
    ASSERT_EQ(universe.rutters().size(), 3u);
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_EQ(universe.rutters()[i].start, plan.legs[i].from);
        EXPECT_EQ(universe.rutters()[i].end, plan.legs[i].to);
        EXPECT_EQ(universe.rutters()[i].factionID, universe.factions()[0].id);
        EXPECT_EQ(universe.rutters()[i].age, universe::RutterAge::recent);
        EXPECT_FALSE(universe.rutters()[i].mainTradeRoute);
    }
    EXPECT_EQ(planner.text("ruttersCreated"), "Created 3 Routes");
    // The rolled plan stays as it was: saving rutters does not plan again.
    EXPECT_EQ(*planner.view->plan(), plan);
    EXPECT_EQ(universe.undoName(), "Create Routes from Route");
    ASSERT_TRUE(universe.undo());
    EXPECT_TRUE(universe.rutters().empty());
}

TEST(RoutePlannerView, WithoutFactionsSaysHowToGetOne) {
    universe::UniverseRecord record = lineUniverse();
    record.factions.clear();
    TravelDesk desk(record);
    RoutePlannerView view(*desk.context);
    view.setRandomSource(desk.dice);
    auto* from = child<QComboBox>(view, "routeFrom");
    from->setCurrentIndex(from->findData("0,0,0105"));
    auto* to = child<QComboBox>(view, "routeTo");
    to->setCurrentIndex(to->findData("0,0,0107"));
    ASSERT_TRUE(view.plan());
    const QString text = child<QLabel>(view, "noFactions")->text();
    EXPECT_TRUE(text.contains("No Factions"));
    EXPECT_TRUE(
        text.contains("Create a faction before saving routes — a route belongs to a faction."))
        << text.toStdString();
    EXPECT_FALSE(child<QPushButton>(view, "createRutters")->isEnabled());
}

TEST(RoutePlannerView, AppliesTheVoyageToTheSelectedCampaign) {
    Planner planner;
    planner.planTheLine();
    EXPECT_TRUE(planner.part<QLabel>("noCampaign")->isVisibleTo(planner.view.get()));
    planner.desk.startCampaign();
    settle();
    EXPECT_FALSE(planner.part<QLabel>("noCampaign")->isVisibleTo(planner.view.get()));
    // Nothing to pay for a notional ship that refuelled at ports it owes nothing.
    EXPECT_FALSE(planner.part<QPushButton>("payFuel")->isVisibleTo(planner.view.get()));
    EXPECT_FALSE(planner.part<QPushButton>("payUpkeep")->isVisibleTo(planner.view.get()));

    const std::int64_t before = planner.desk.campaignMinutes();
    click(planner.part<QPushButton>("addTime"));
    // 1,843,872.6 s is 30,731.2 minutes.
    EXPECT_EQ(planner.desk.campaignMinutes() - before, 30'731);
    EXPECT_EQ(planner.text("routeFeedback"), "Added 3w 8h to the campaign clock.");

    click(planner.part<QPushButton>("setLocation"));
    const campaign::Campaign& campaign = *planner.desk.campaigns->selectedCampaign();
    ASSERT_TRUE(campaign.hex);
    EXPECT_EQ(campaign.hex->coordinates, (core::GalacticCoordinates{0, 0, 1, 7}));
    EXPECT_EQ(campaign.orbit, core::Orbits::starOrbit5);
    EXPECT_EQ(planner.text("routeFeedback"), "Set campaign location to Dunmore.");
    EXPECT_EQ(campaign.lastFeedback, "Set campaign location to Dunmore.");
}

TEST(RoutePlannerView, AnEmptyUniverseHasNothingToPlan) {
    universe::UniverseRecord record;
    record.name = "Empty";
    TravelDesk desk(record);
    RoutePlannerView view(*desk.context);
    auto* stack = view.findChild<QStackedLayout*>();
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(stack->currentWidget()->objectName(), "noSystems");
}

TEST(RoutePlannerView, PlansForASavedShipAndChargesItsFuel) {
    // A 200-ton jump-2 ship carrying fuel for two jumps (2 × 0.1 × 200 × 2 = 80 t),
    // with no scoops and no power-plant fuel to count.
    TemporaryFolder support;
    ships::SavedShipDesignsStore designs(support.path() / "ShipDesigns");
    ships::SavedShipDesign wayfarer;
    wayfarer.id = core::Uuid::generate();
    wayfarer.shipName = "Wayfarer";
    wayfarer.configurationName = "Far Trader";
    wayfarer.design.tonnage = 200;
    wayfarer.design.hasJumpDrive = true;
    wayfarer.design.jumpDriveRating = 2;
    wayfarer.design.jumpsCarried = 2;
    wayfarer.design.manoeuvreDriveRating = 1;
    wayfarer.design.powerPlantTonnage = 0;
    ASSERT_TRUE(designs.save(wayfarer));

    Planner planner;
    planner.desk.context->shipDesigns = &designs;
    planner.view = std::make_unique<RoutePlannerView>(*planner.desk.context);
    planner.view->setRandomSource(planner.desk.dice);
    planner.view->show();
    planner.desk.startCampaign();
    planner.choose("routeFrom", "0,0,0101");
    planner.choose("routeTo", "0,0,0107");
    // The generic controls no longer count: the ship's own jump-2 does.
    planner.part<QSpinBox>("jumpRating")->setValue(1);
    planner.part<QRadioButton>("specificMode")->setChecked(true);
    auto* ship = planner.part<QComboBox>("shipPicker");
    EXPECT_EQ(ship->itemText(0), "None");
    ship->setCurrentIndex(ship->findData(QString::fromStdString(wayfarer.id.toString())));
    settle();
    EXPECT_EQ(planner.text("shipSummary"), "Jump-2 · Thrust 1G · Fuel 80t · No fuel scoops");
    ASSERT_TRUE(planner.view->plan());
    EXPECT_EQ(planner.view->plan()->shipName, "Wayfarer");

    // Ardent to Bleak burns 40 t and Bleak sells none; Bleak to Corvin burns the
    // other 40 t, so Corvin fills all 80 t of refined fuel: 80 × Cr500 = Cr40000,
    // pumped in 80 / 80 × 1D6 hours = 1 h. Three legs of 554,400 + 45,824.2 s and
    // that hour make 1,804,272.6 s, 501 hours: 2w 6d 21h, short of a 28-day period.
    EXPECT_TRUE(planner.text("stop_1").contains("Bleak · No fuel"))
        << planner.text("stop_1").toStdString();
    EXPECT_TRUE(planner.text("stop_2").contains(
        "Corvin · Refined (starport) — refuel: 1h 0m — fuel: Cr40000"))
        << planner.text("stop_2").toStdString();
    EXPECT_TRUE(
        planner.text("routeSummary")
            .contains("3 jumps · 6 LY · 2w 6d 21h · Fuel: Cr40000 · Upkeep (0 periods): Cr0"));
    EXPECT_FALSE(planner.part<QPushButton>("payUpkeep")->isVisibleTo(planner.view.get()));
    auto* pay = planner.part<QPushButton>("payFuel");
    EXPECT_EQ(pay->text(), "Pay Fuel (Cr40000)");
    const core::Credits before = planner.desk.campaigns->selectedCampaign()->commonCredits;
    click(pay);
    EXPECT_EQ(planner.desk.campaigns->selectedCampaign()->commonCredits, before - 40'000);
    EXPECT_EQ(planner.text("routeFeedback"), "Paid Cr40000 in fuel costs from Common Credits.");

    // Without the second jump's fuel the ship cannot cross Bleak.
    ships::SavedShipDesign shortRange = wayfarer;
    shortRange.id = core::Uuid::generate();
    shortRange.shipName = "Skiff";
    shortRange.design.jumpsCarried = 1;
    ASSERT_TRUE(designs.save(shortRange));
    settle();
    ship->setCurrentIndex(ship->findData(QString::fromStdString(shortRange.id.toString())));
    settle();
    EXPECT_FALSE(planner.view->plan());
    EXPECT_EQ(planner.text("routeError"),
              "No fuel-feasible route within jump-2 range for this ship (it can't scoop fuel).");
}
