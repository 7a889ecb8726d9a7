#include "travel/ui/travel_time_table.h"
#include "travel/ui/travel_windows.h"
#include "travel_desk.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QPushButton>
#include <QStackedLayout>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::travel;
using namespace velmora::testing;

namespace {

// A G V star with a world close in, a belt and a world far out.
universe::UniverseRecord solUniverse() {
    core::Star sol;
    sol.id = core::Uuid::generate();
    sol.name = "Sol A";
    sol.spectralType = core::SpectralType::G;
    sol.luminosity = core::LuminosityClass::V;
    core::WorldData inner = world("Inner", 6, core::Orbits::starOrbit0, core::Starport::typeB);
    inner.mainWorld = true;
    core::WorldData belt = world("Belt", 0, core::Orbits::starOrbit4);
    belt.type = core::WorldType::asteroidBelt;
    sol.worlds = {inner, belt, world("Outer", 5, core::Orbits::starOrbit10)};

    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = {0, 0, 3, 4};
    hex.starSystem.name = "Sol";
    hex.starSystem.stars = {sol};

    universe::UniverseRecord record;
    record.name = "Home";
    record.data = {hex, system("Lonely", 5, 5, core::Starport::typeC)};
    // Lonely has one body only.
    return record;
}

QString cellText(QWidget& window, const QString& table, int row, int column) {
    auto* cells = child<TravelTimeTable>(window, table);
    QPushButton* cell = cells ? cells->cell(row, column) : nullptr;
    return cell ? cell->text() : QStringLiteral("<no cell>");
}

} // namespace

TEST(SystemTravelWindow, ListsJumpPointsWithTheirGoverningStarsAndTimes) {
    TravelDesk desk(solUniverse());
    QWidget* window = openSystemTravel(*desk.context, {0, 0, 3, 4});
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), "System Travel");
    EXPECT_EQ(child<QLabel>(*window, "travelTitle")->text(), "HEX 00-0304 · Travel times");
    EXPECT_TRUE(child<QLabel>(*window, "travelHelp")->text().contains("Jump points clear"));

    // The belt has no surface to leave from: two rows, Inner and Outer.
    // Inner, 0.2 AU from a G V star of 2,785,400 km: the star's 100 D reaches
    // 278,540,000 − 0.2 × 149,597,870.7 = 248,620,425.86 km beyond it = 1.66 AU.
    // Outer, 77.2 AU out, clears only its own 100 × 5 × 1,609.344 = 804,672 km.
    const QString inner = child<QLabel>(*window, "body_0")->text();
    EXPECT_TRUE(inner.contains("Inner")) << inner.toStdString();
    EXPECT_TRUE(inner.contains("1.66 AU")) << inner.toStdString();
    EXPECT_TRUE(inner.contains("clears Sol A’s 100 D")) << inner.toStdString();
    const QString outer = child<QLabel>(*window, "body_1")->text();
    EXPECT_TRUE(outer.contains("Outer")) << outer.toStdString();
    EXPECT_TRUE(outer.contains("804,672 km")) << outer.toStdString();
    EXPECT_FALSE(outer.contains("clears")) << outer.toStdString();
    EXPECT_EQ(window->findChild<QLabel*>("body_2"), nullptr);

    // t = 2√(D/a): 804,672,000 m at 9.81 m/s² is 18,113.6 s (302 minutes); at
    // 4 G half that, 9,056.8 s (151 minutes). Inner at 1 G: 318,393 s, 3 days 16 hours.
    const struct {
        int row, column;
        const char* shown;
    } cells[] = {{1, 0, "5h 2m"}, {1, 3, "2h 31m"}, {1, 5, "2h 3m"}, {0, 0, "3d 16h"}};
    for (const auto& expected : cells)
        EXPECT_EQ(cellText(*window, "jumpPointTable", expected.row, expected.column),
                  expected.shown)
            << expected.row << "," << expected.column;
    // The custom thrust is 1 G until changed; at 1.5 G Outer takes 14,789.7 s.
    EXPECT_EQ(cellText(*window, "jumpPointTable", 1, 6), "5h 2m");
    child<QDoubleSpinBox>(*window, "customThrust")->setValue(1.5);
    EXPECT_EQ(cellText(*window, "jumpPointTable", 1, 6), "4h 6m");

    // Without a campaign nothing can be booked.
    QPushButton* cell = child<TravelTimeTable>(*window, "jumpPointTable")->cell(1, 0);
    EXPECT_FALSE(cell->isEnabled());
    EXPECT_EQ(cell->toolTip(), "Select a campaign to add this travel time");

    // Transits: every body is offered, the belt too; Inner to Belt by default.
    auto* from = child<QComboBox>(*window, "transitFrom");
    EXPECT_EQ(from->count(), 3);
    const QString transit =
        child<TravelTimeTable>(*window, "transitTable")->findChild<QLabel*>("body_0")->text();
    EXPECT_TRUE(transit.contains("Inner → Belt")) << transit.toStdString();
    // 1.6 AU − 0.2 AU = 1.40 AU.
    EXPECT_TRUE(transit.contains("Distance 1.40 AU")) << transit.toStdString();
}

TEST(SystemTravelWindow, PressingATimeMovesTheCampaignClock) {
    TravelDesk desk(solUniverse());
    desk.startCampaign();
    const std::int64_t before = desk.campaignMinutes();
    QWidget* window = openSystemTravel(*desk.context, {0, 0, 3, 4});
    QPushButton* cell = child<TravelTimeTable>(*window, "jumpPointTable")->cell(1, 0);
    EXPECT_EQ(cell->toolTip(), "Add this travel time to the campaign's current date");
    click(cell);
    // 18,113.6 s is 301.9 minutes, booked as 302.
    EXPECT_EQ(desk.campaignMinutes() - before, 302);
    const QString feedback = child<QLabel>(*window, "travelFeedback")->text();
    EXPECT_TRUE(feedback.startsWith("Time advanced by")) << feedback.toStdString();
    EXPECT_EQ(desk.campaigns->selectedCampaign()->lastFeedback, feedback.toStdString());

    // Saved at once: a fresh store reads the new time.
    campaign::Gamemastering::Environment environment;
    environment.folder = desk.documents.path();
    campaign::Gamemastering again(environment);
    again.load();
    EXPECT_EQ(again.selectedCampaign()->date.absoluteMinutes() - before, 302);
}

TEST(InterplanetaryTravelWindow, StartsFromTheGivenWorldAndNeedsTwoBodies) {
    TravelDesk desk(solUniverse());
    const core::WorldData& outer = desk.manager->current().data()[0].starSystem.stars[0].worlds[2];
    QWidget* window = openInterplanetaryTravel(*desk.context, {{0, 0, 3, 4}, outer.id});
    EXPECT_EQ(window->windowTitle(), "Interplanetary Travel");
    EXPECT_EQ(child<QLabel>(*window, "travelTitle")->text(), "HEX 00-0304 · Interplanetary travel");
    EXPECT_FALSE(child<QLabel>(*window, "travelHelp")->text().contains("Jump points"));
    EXPECT_EQ(window->findChild<TravelTimeTable*>("jumpPointTable"), nullptr);
    EXPECT_TRUE(child<QComboBox>(*window, "transitFrom")->currentText().startsWith("Outer"));
    // Outer (77.2 AU) to Inner (0.2 AU): 77.0 AU.
    child<QComboBox>(*window, "transitTo")->setCurrentIndex(0);
    const QString transit =
        child<TravelTimeTable>(*window, "transitTable")->findChild<QLabel*>("body_0")->text();
    EXPECT_TRUE(transit.contains("Outer → Inner")) << transit.toStdString();
    EXPECT_TRUE(transit.contains("Distance 77.0 AU")) << transit.toStdString();

    QWidget* lonely = openInterplanetaryTravel(*desk.context, {{0, 0, 5, 5}, std::nullopt});
    EXPECT_TRUE(child<QLabel>(*lonely, "tooFewBodiesNote")->isVisibleTo(lonely));
    EXPECT_EQ(child<QLabel>(*lonely, "tooFewBodiesNote")->text(),
              "At least two bodies are needed to compute a transit.");

    // A hex the universe does not hold.
    QWidget* nowhere = openSystemTravel(*desk.context, {0, 0, 9, 9});
    auto* stack = nowhere->findChild<QStackedLayout*>();
    ASSERT_NE(stack, nullptr);
    EXPECT_EQ(stack->currentWidget()->objectName(), "systemNotFound");
}
