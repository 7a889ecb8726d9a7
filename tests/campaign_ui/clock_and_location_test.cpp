// The clock and the party's whereabouts, driven through their buttons, pickers and
// fields, with the campaigns file read back after every change.

#include "campaign/campaign_clock.h"
#include "campaign/ui/location_panel.h"
#include "campaign_ui/campaign_desk.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QListWidget>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;
using campaign::Campaign;
using campaign::TravelState;

namespace {

QString timeShown(const CampaignDesk& desk) {
    return desk.text("timeAndDate");
}

core::HexData system(int column, int row, const std::string& name, bool twoStars = false) {
    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = {0, 0, column, row};
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = name;
    core::Star primary;
    primary.id = core::Uuid::generate();
    primary.name = name + " A";
    core::WorldData main;
    main.id = core::Uuid::generate();
    main.name = name;
    main.mainWorld = true;
    main.sunOrbit = core::Orbits::starOrbit3;
    core::WorldData moon;
    moon.id = core::Uuid::generate();
    moon.name = name + " Minor";
    moon.sunOrbit = core::Orbits::starOrbit3;
    moon.satelliteOrbit = core::PlanetOrbits::planetOrbitC;
    main.satellites.push_back(moon);
    primary.worlds.push_back(main);
    hex.starSystem.stars.push_back(primary);
    if (twoStars) {
        core::Star companion;
        companion.id = core::Uuid::generate();
        companion.name = name + " B";
        companion.spectralType = core::SpectralType::M;
        hex.starSystem.stars.push_back(companion);
    }
    return hex;
}

} // namespace

TEST(ClockPanel, EveryButtonMovesTheClockAndSaysSo) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    EXPECT_EQ(timeShown(desk), "Time & Date: 12:00-001-1105");
    EXPECT_EQ(desk.button("roundTime")->toolTip(),
              "Click to round time to the nearest 10-minute increment");

    struct Step {
        QString label;
        QString time;
        QString feedback;
    };
    const Step steps[] = {
        {"+10m", "12:10-001-1105", "Time advanced by 10m"},
        {"+30m", "12:40-001-1105", "Time advanced by 30m"},
        {"+1 hr", "13:40-001-1105", "Time advanced by 1h"},
        {"+ 4 hrs", "17:40-001-1105", "Time advanced by 4h"},
        {"+ 6 hrs", "23:40-001-1105", "Time advanced by 6h"},
        {"+ 8 hrs", "07:40-002-1105", "Time advanced by 8h"},
        {"+ 12 hrs", "19:40-002-1105", "Time advanced by 12h"},
        {"+7 days", "19:40-009-1105", "Time advanced by 7 days"},
        {"+28 days", "19:40-037-1105", "Time advanced by 28 days"},
        {"-10m", "19:30-037-1105", "Time rewound by 10m"},
    };
    for (const Step& step : steps) {
        QPushButton* button = nullptr;
        for (QPushButton* candidate : desk.view->findChildren<QPushButton*>())
            if (candidate->text() == step.label)
                button = candidate;
        ASSERT_NE(button, nullptr) << step.label.toStdString();
        click(button);
        EXPECT_EQ(timeShown(desk), "Time & Date: " + step.time) << step.label.toStdString();
        EXPECT_EQ(desk.text("feedback"), step.feedback);
    }
    EXPECT_EQ(desk.onDisk()[0].date.timeText(), "19:30-037-1105");

    // The history keeps every report, the latest first.
    auto* history = desk.part<QListWidget>("feedbackHistory");
    EXPECT_EQ(desk.button("feedbackHistoryToggle")->text(), "History (10)");
    EXPECT_FALSE(history->isVisible());
    click(desk.button("feedbackHistoryToggle"));
    EXPECT_TRUE(history->isVisible());
    ASSERT_EQ(history->count(), 10);
    EXPECT_EQ(history->item(0)->text(), "Time rewound by 10m");
    EXPECT_EQ(history->item(9)->text(), "Time advanced by 10m");
}

TEST(ClockPanel, RoundingAndSettingTheDateReport) {
    CampaignDesk desk;
    desk.createCampaign("Spinward Run", "SPIN");
    desk.store->edit("SPIN", [](Campaign& c) { campaign::advanceTime(c, 35); }); // 12:35
    click(desk.button("roundTime"));
    EXPECT_EQ(timeShown(desk), "Time & Date: 12:40-001-1105");
    EXPECT_EQ(desk.text("feedback"), "Time rounded to 12:40-001-1105");

    typeInto(desk.part<QSpinBox>("clockYear"), 1107);
    EXPECT_EQ(desk.text("feedback"), "Year set to 1107");
    EXPECT_EQ(desk.selected().date.year, 1107);

    typeInto(desk.part<QSpinBox>("clockDay"), 45);
    EXPECT_EQ(desk.text("feedback"), "Day set to 45");
    EXPECT_EQ(desk.text("calendarPlace"), "Tuday, week 3 of month 2");
    // Day 45 is in month 2 (days 30-57), week 3 (days 44-50), its second day.
    EXPECT_EQ(desk.part<QComboBox>("clockMonth")->currentText(), "Month 2");
    EXPECT_EQ(desk.part<QComboBox>("clockWeek")->currentText(), "Week 3");
    EXPECT_EQ(desk.part<QComboBox>("clockWeekday")->currentText(), "Tuday");

    // The pickers set the day from the months and weeks.
    auto* month = desk.part<QComboBox>("clockMonth");
    month->setCurrentIndex(3);
    emit month->activated(3);
    settle();
    EXPECT_EQ(desk.selected().date.day, 2 + 2 * 28 + 2 * 7 + 1); // month 3, week 3, Tuday
    EXPECT_EQ(desk.text("feedback"), "Day set to 73");
    auto* weekday = desk.part<QComboBox>("clockWeekday");
    weekday->setCurrentIndex(6);
    emit weekday->activated(6);
    settle();
    EXPECT_EQ(desk.selected().date.day, 78);
    EXPECT_EQ(desk.part<QComboBox>("clockWeekday")->currentText(), "Senday");

    month->setCurrentIndex(0);
    emit month->activated(0);
    settle();
    EXPECT_EQ(desk.text("feedback"), "Day set to 1 (Holiday).");
    EXPECT_EQ(timeShown(desk), "Time & Date: 12:40-001-1107");
    EXPECT_FALSE(desk.part<QComboBox>("clockWeek")->isEnabled());
    EXPECT_EQ(desk.onDisk()[0].date.timeText(), "12:40-001-1107");
}

TEST(LocationPanel, PicksTheSystemFromTheOpenUniverseBySearch) {
    CampaignDesk desk;
    auto& universe = desk.manager->current();
    ASSERT_TRUE(universe.addHex(system(19, 10, "Regina", true), "Add Regina"));
    ASSERT_TRUE(universe.addHex(system(18, 14, "Efate"), "Add Efate"));
    ASSERT_TRUE(universe.addHex(system(17, 9, "Rhylanor"), "Add Rhylanor"));
    const std::string universeBefore = core::readWholeFile(universe.file()).value_or("");
    desk.createCampaign("Spinward Run", "SPIN");
    EXPECT_EQ(desk.text("partyLocation"), "Location: Nowhere yet");

    auto* list = desk.part<QListWidget>("systemList");
    ASSERT_EQ(list->count(), 3);
    EXPECT_EQ(list->item(0)->text(), "Efate — 00-1814");
    // By name or by hex, as it is typed.
    QTest::keyClicks(desk.part<QLineEdit>("systemSearch"), "rh");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(list->item(0)->text(), "Rhylanor — 00-1709");
    desk.part<QLineEdit>("systemSearch")->clear();
    QTest::keyClicks(desk.part<QLineEdit>("systemSearch"), "1910");
    ASSERT_EQ(list->count(), 1);
    list->setCurrentRow(0);
    click(desk.button("setLocation"));

    const Campaign& c = desk.selected();
    ASSERT_TRUE(c.hex);
    EXPECT_EQ(c.hex->starSystem.name, "Regina");
    EXPECT_EQ(c.orbit, core::Orbits::starOrbit3) << "at the main world";
    EXPECT_EQ(desk.text("partyLocation"), "Location: Regina (00-1910)");
    // The system can be looked up on the wiki (where the application opens it).
    EXPECT_EQ(desk.button("wikiLookup")->text(), "Look up “Regina” in the Traveller Wiki");

    // The star and the world there.
    auto* star = desk.part<QComboBox>("partyStar");
    ASSERT_EQ(star->count(), 2);
    EXPECT_EQ(star->itemText(1), "Companion 1: Regina B (M0 V)");
    auto* orbit = desk.part<QComboBox>("partyOrbit");
    ASSERT_EQ(orbit->count(), 3);
    EXPECT_EQ(orbit->currentText(), "Orbit 3: Regina");
    orbit->setCurrentIndex(2);
    emit orbit->activated(2);
    settle();
    EXPECT_EQ(desk.selected().planetOrbit, core::PlanetOrbits::planetOrbitC);
    EXPECT_EQ(desk.part<QComboBox>("partyOrbit")->currentText(), "Orbit 3 / C: Regina Minor");

    // How the party travels, and how long it still has to go.
    auto* travel = desk.part<QComboBox>("travelState");
    QStringList states;
    for (int i = 0; i < travel->count(); ++i)
        states << travel->itemText(i);
    EXPECT_EQ(states, (QStringList{"On Planet / Landed", "Docked at Starport", "In Orbit",
                                   "In-System Transit", "In Hyperspace"}));
    travel->setCurrentIndex(4);
    emit travel->activated(4);
    auto* hours = desk.part<QDoubleSpinBox>("hoursToLocation");
    hours->setValue(36.5);
    settle();
    const Campaign stored = desk.onDisk()[0];
    EXPECT_EQ(stored.travelState, TravelState::hyperspace);
    EXPECT_EQ(stored.hoursToLocation, 36.5);
    EXPECT_EQ(stored.hex->starSystem.name, "Regina");

    click(desk.button("clearLocation"));
    EXPECT_FALSE(desk.selected().hex);
    EXPECT_EQ(desk.text("partyLocation"), "Location: Nowhere yet");
    // The universe was only read.
    EXPECT_EQ(core::readWholeFile(universe.file()).value_or(""), universeBefore);
}

TEST(LocationPanel, ALargeUniverseListsAFewAndNarrowsAsTheRefereeTypes) {
    CampaignDesk desk;
    auto& universe = desk.manager->current();
    for (int column = 1; column <= 32; ++column)
        for (int row = 1; row <= 10; ++row)
            ASSERT_TRUE(universe.addHex(
                system(column, row, "World " + std::to_string(column * 100 + row)), "Add"));
    desk.createCampaign("Spinward Run", "SPIN");
    auto* list = desk.part<QListWidget>("systemList");
    EXPECT_EQ(list->count(), campaign::LocationPanel::listLimit);
    EXPECT_EQ(desk.text("systemListNote"), "Showing 200 of 320 systems — type to narrow the list.");
    QTest::keyClicks(desk.part<QLineEdit>("systemSearch"), "world 3205");
    ASSERT_EQ(list->count(), 1);
    EXPECT_EQ(desk.text("systemListNote"), "");
    QTest::keyClicks(desk.part<QLineEdit>("systemSearch"), "x");
    EXPECT_EQ(list->count(), 0);
    EXPECT_EQ(desk.text("systemListNote"), "No system matches your search.");
}
