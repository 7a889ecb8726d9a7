// The "Ship" tab of the campaign: what is aboard grouped by destination, "Deliver"
// and "Jettison" with the question before anything is thrown out, and fuel taken
// on into the tanks.
#include "campaign_ui/campaign_desk.h"
#include "ships/saved_ship_designs_store.h"
#include "support/temporary_folder.h"

#include <QComboBox>
#include <QDoubleSpinBox>
#include <QTabWidget>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;
using campaign::Campaign;

namespace {

const core::GalacticCoordinates efateAt{0, 0, 11, 10};

trade::ManifestEntry aboard(trade::ManifestEntry::Kind kind, int tons, core::Credits perUnit) {
    trade::ManifestEntry entry;
    entry.id = core::Uuid::generate();
    entry.kind = kind;
    entry.tons = tons;
    entry.creditsPerUnit = perUnit;
    return entry;
}

TEST(ShipManifestSection, DeliversAndJettisonsAfterAsking) {
    CampaignDesk desk;
    ASSERT_EQ(desk.createCampaign("Spinward Run", "SPIN"), nullptr);
    desk.store->edit("SPIN", [](Campaign& c) {
        auto freight = aboard(trade::ManifestEntry::Kind::freight, 20, 1'600);
        freight.destination = efateAt;
        freight.destinationName = "Efate";
        auto wood = aboard(trade::ManifestEntry::Kind::cargo, 10, 800);
        wood.goodD66 = 55;
        wood.revenueCollected = true;
        c.manifest.entries = {wood, freight};
        c.commonCredits = 1'000;
        core::HexData here;
        here.coordinates = efateAt;
        c.hex = here;
    });
    auto* tabs = desk.part<QTabWidget>("campaignTabs");
    tabs->setCurrentIndex(tabs->count() - 1);
    settle();

    // Efate, where the party is, comes first and is marked; the Wood is bound nowhere.
    EXPECT_TRUE(desk.text("manifestGroup_0").startsWith("<b>Efate</b>"));
    EXPECT_TRUE(desk.text("manifestGroup_0").contains("HERE"));
    EXPECT_EQ(desk.text("manifestGroup_2"), "<b>Unspecified Destination</b>");
    EXPECT_EQ(desk.text("manifestEntry_0"), "20 tons freight");
    EXPECT_EQ(desk.text("manifestEntry_1"), "10 tons Wood");
    EXPECT_EQ(desk.text("manifestCredits"), "Common Credits: Cr1000");

    // 20 tons at Cr1,600 are paid on delivery.
    click(desk.button("deliver_0"));
    EXPECT_EQ(desk.selected().commonCredits, 33'000);
    EXPECT_EQ(desk.selected().notes.back().content,
              "20 tons freight delivered \u2014 **Cr32000 collected**.");

    // Asked first; saying no keeps the Wood.
    desk.confirm = false;
    click(desk.button("jettison_0"));
    ASSERT_FALSE(desk.questions.empty());
    EXPECT_EQ(desk.questions.back(),
              "Jettison 10 tons Wood? This can't be undone and pays nothing.");
    EXPECT_EQ(desk.selected().manifest.entries.size(), 1u);
    desk.confirm = true;
    click(desk.button("jettison_0"));
    EXPECT_TRUE(desk.selected().manifest.entries.empty());
    EXPECT_EQ(desk.selected().commonCredits, 33'000);
    EXPECT_EQ(desk.selected().notes.back().content,
              "10 tons Wood jettisoned. No credits changed hands.");
    EXPECT_EQ(desk.text("manifestEmpty"), "Nothing aboard yet.");
}

TEST(ShipManifestSection, AddsFuelAndMovesTheClockOn) {
    // A 200-ton J-2 carrying fuel for one jump, 0.1 x 200 x 2 = 40 tons of main
    // tanks, and a 20-ton drop tank.
    TemporaryFolder library;
    ships::SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.shipName = "Beowulf";
    saved.design.tonnage = 200;
    saved.design.hasJumpDrive = true;
    saved.design.jumpDriveRating = 2;
    saved.design.jumpsCarried = 1;
    saved.design.powerPlantTonnage = 0;
    saved.design.highGuard.dropTankCapacityTons = 20;
    ships::SavedShipDesignsStore designs(library / "ShipDesigns");
    ASSERT_TRUE(designs.save(saved)) << designs.lastError().value_or("");

    CampaignDesk desk;
    ASSERT_EQ(desk.createCampaign("Spinward Run", "SPIN"), nullptr);
    desk.store->edit("SPIN", [&](Campaign& c) {
        c.shipDesignID = saved.id;
        c.commonCredits = 1'000;
        c.manifest.refinedFuelTons = 30;
    });
    desk.view->setShipDesigns(&designs);
    auto* tabs = desk.part<QTabWidget>("campaignTabs");
    tabs->setCurrentIndex(tabs->count() - 1);
    settle();
    const core::UniverseDate before = desk.selected().date;

    // The main tanks' 10 tons of room are offered first; then the drop tank's 20.
    auto* tons = desk.part<QDoubleSpinBox>("fuelTons");
    EXPECT_EQ(tons->value(), 10);
    auto* tank = desk.part<QComboBox>("fuelTank");
    ASSERT_EQ(tank->count(), 2);
    tank->setCurrentIndex(1);
    EXPECT_EQ(tank->currentText(), "Drop Tank");
    EXPECT_EQ(tons->value(), 20);
    tons->setValue(12);
    desk.part<QComboBox>("fuelSource")->setCurrentIndex(0);
    EXPECT_EQ(desk.part<QComboBox>("fuelSource")->currentText(), "Refined (starport), Cr500/ton");
    click(desk.button("addFuel"));

    // 12 tons at Cr500 = Cr6,000 from Cr1,000; 12 of the 60 tons a six-hour full
    // load takes are 72 minutes.
    const QString message =
        "12 tons of refined fuel added to the Drop Tank. Time advanced by 1h12m.";
    EXPECT_EQ(desk.text("manifestDone"), message);
    const Campaign& after = desk.selected();
    EXPECT_EQ(after.commonCredits, -5'000);
    EXPECT_EQ(after.date.timeText(), before.adding(72).timeText());
    EXPECT_EQ(after.notes.back().content, message.toStdString());
    EXPECT_EQ(desk.text("dropTankFuel"), "Drop Tank (20 tons): 12t refined, 0t unrefined");

    // With 35 of the main tanks' 40 tons aboard the field offers no more than 5.
    desk.store->edit("SPIN", [](Campaign& c) { c.manifest.refinedFuelTons = 35; });
    settle();
    EXPECT_EQ(desk.part<QDoubleSpinBox>("fuelTons")->maximum(), 5);
}

} // namespace
