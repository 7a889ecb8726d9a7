#include "campaign/campaigns_codec.h"
#include "campaign/gamemastering.h"
#include "campaign/manifest_operations.h"
#include "campaign/ship_capacity.h"
#include "sample_campaign.h"
#include "ships/ship_design.h"
#include "support/temporary_folder.h"

#include <fstream>
#include <gtest/gtest.h>
#include <sstream>

using namespace velmora;
using namespace velmora::campaign;
using velmora::testing::fixedNow;
using velmora::testing::sampleCampaign;
using velmora::testing::TemporaryFolder;

namespace {

std::string bytesOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    std::ostringstream bytes;
    bytes << in.rdbuf();
    return bytes.str();
}

std::unique_ptr<Gamemastering> openStore(const TemporaryFolder& folder) {
    Gamemastering::Environment environment;
    environment.folder = folder.path();
    environment.log = [](const std::string&) {};
    environment.now = fixedNow;
    auto store = std::make_unique<Gamemastering>(std::move(environment));
    store->load();
    return store;
}

TEST(ManifestStore, AnActionIsSavedOnlyOnTheSelectedCampaign) {
    TemporaryFolder folder;
    Campaign spin = sampleCampaign("SPIN");
    spin.commonCredits = 1'000;
    folder.write(Gamemastering::campaignsFileName,
                 encodeCampaignsFile({core::Uuid::generate(), {spin}}));
    auto store = openStore(folder);
    const auto file = folder / Gamemastering::campaignsFileName;
    const std::string before = bytesOf(file);

    ShipCapacity ship;
    ship.maintenancePerMonth = 2'500;
    const TradePlan plan = payMaintenance(*store->campaign("SPIN"), ship);
    ASSERT_TRUE(plan);
    // Nothing is selected: nothing is recorded and the file is untouched.
    EXPECT_FALSE(applyTradeAction(*plan.action, *store));
    EXPECT_EQ(bytesOf(file), before);

    store->selectCampaign("SPIN");
    EXPECT_TRUE(applyTradeAction(*plan.action, *store));
    // What was saved is what a new store reads back.
    auto reopened = openStore(folder);
    const Campaign* saved = reopened->campaign("SPIN");
    ASSERT_NE(saved, nullptr);
    EXPECT_EQ(saved->commonCredits, -1'500);
    ASSERT_EQ(saved->notes.size(), 1u);
    EXPECT_EQ(saved->notes[0].content, "Paid Cr2500 in ship maintenance.");
}

TEST(ManifestStore, BerthsFromTheDesign) {
    struct Case {
        bool doubleOccupancy;
        int middleBasic;
    };
    // 10 staterooms sleep 10, or 20 doubled; a crew of 4 takes theirs first.
    for (const Case c : {Case{false, 6}, Case{true, 16}}) {
        ships::ShipDesign design;
        design.stateroomCount = 10;
        design.doubleOccupancy = c.doubleOccupancy;
        design.overrideActualCrewCount = true;
        design.actualCrewCount = 4;
        design.highStateroomCount = 2;
        design.luxuryStateroomCount = 1;
        design.lowBerthCount = 5;
        design.emergencyLowBerthCount = 2;
        const ShipCapacity capacity = shipCapacity(design);
        EXPECT_EQ(capacity.middleBasicBerths, c.middleBasic);
        EXPECT_EQ(capacity.highBerths, 3);
        EXPECT_EQ(capacity.lowBerths, 5);
    }
}

} // namespace
