// The "Campaign" row of the running application: the store it opens in the data
// folder, and the campaign view it shows.

#include "app/running_app.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/campaign_view.h"
#include "campaign_ui/campaign_desk.h"

#include <QComboBox>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;

TEST(CampaignInTheApp, TheSidebarRowShowsTheCampaignViewOnTheDataFolder) {
    RunningApp running;
    const std::filesystem::path folder = running.data.path();
    {
        running.sidebar().select({ui::Destination::campaign, std::nullopt});
        settle();
        auto* view = qobject_cast<campaign::CampaignView*>(running.window().detailView());
        ASSERT_NE(view, nullptr);

        campaign::Gamemastering& store = running.app.gamemastering();
        EXPECT_EQ(store.campaignsFile(), running.app.manager().dataFolder() / "VM_campaigns.json");
        ASSERT_TRUE(
            store.createCampaign("Spinward Run", "SPIN", running.app.manager().current().id(), "")
                .code);
        store.selectCampaign("SPIN");
        EXPECT_EQ(child<QComboBox>(*view, "campaignPicker")->currentText(), "Spinward Run (SPIN)");
        EXPECT_TRUE(std::filesystem::exists(folder / "VM_campaigns.json"));

        // Every window is handed the same store.
        EXPECT_EQ(running.app.viewContext().campaigns, &store);
    }
    EXPECT_EQ(core::readWholeFile(folder / "VM_selectedCampaignCode.txt").value_or("(none)"),
              "SPIN");
}
