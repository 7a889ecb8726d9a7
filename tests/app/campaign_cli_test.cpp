#include "support/cli_runner.h"
#include "support/temporary_folder.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using velmora::testing::CliRun;
using velmora::testing::TemporaryFolder;

namespace {

CliRun cli(const TemporaryFolder& data, const std::string& arguments) {
    return velmora::testing::runCli(data, arguments);
}

} // namespace

TEST(CampaignCli, StartsACampaignMovesItsClockAndKeepsItsJournal) {
    TemporaryFolder data;
    CliRun run = cli(data, "campaign-new 'Spinward Run' --code spin --description 'Free traders'");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "SPIN\n") << "the code is kept in capitals";

    // A new campaign starts at noon on the holiday of 1105; 1,500 minutes later it
    // is 13:00 on day 2 (one day, one hour).
    run = cli(data, "campaign SPIN advance 1500");
    ASSERT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.out, "13:00-002-1105\nTime advanced by 1d1h\n");
    run = cli(data, "campaign spin advance -10");
    EXPECT_EQ(run.out, "12:50-002-1105\nTime rewound by 10m\n");

    EXPECT_EQ(cli(data, "campaign SPIN note 'Arrived at Regina' --text 'Met the Duke'").out, "1\n");
    EXPECT_EQ(cli(data, "campaign SPIN note 'Jumped out'").out, "2\n");

    const std::string universe = cli(data, "universes").out.substr(0, 36);
    run = cli(data, "campaigns");
    EXPECT_EQ(run.out, "SPIN\tSpinward Run\t12:50-002-1105\tCr0\tMy Universe\n");

    const auto list = nlohmann::json::parse(cli(data, "campaigns --json").out);
    ASSERT_EQ(list.size(), 1u);
    const auto& campaign = list[0];
    EXPECT_EQ(campaign["code"], "SPIN");
    EXPECT_EQ(campaign["name"], "Spinward Run");
    EXPECT_EQ(campaign["description"], "Free traders");
    EXPECT_EQ(campaign["timeText"], "12:50-002-1105");
    EXPECT_EQ(campaign["date"]["day"], 2);
    EXPECT_EQ(campaign["date"]["minute"], 50);
    EXPECT_EQ(campaign["travelState"], "landed");
    EXPECT_EQ(campaign["isActive"], true);
    EXPECT_EQ(campaign["commonCredits"], 0);
    EXPECT_EQ(campaign["universeID"], universe);
    EXPECT_EQ(campaign["lastFeedback"], "Time rewound by 10m");
    ASSERT_EQ(campaign["notes"].size(), 2u);
    EXPECT_EQ(campaign["notes"][0]["title"], "Arrived at Regina");
    EXPECT_EQ(campaign["notes"][0]["content"], "Met the Duke");
    EXPECT_EQ(campaign["notes"][1]["date"]["hour"], 12) << "dated by the campaign's clock";
    EXPECT_EQ(nlohmann::json::parse(cli(data, "campaign SPIN --json").out), campaign);
}

TEST(CampaignCli, RefusesWithTheSheetsMessages) {
    TemporaryFolder data;
    ASSERT_EQ(cli(data, "campaign-new 'Spinward Run' --code SPIN").exitCode, 0);
    const struct {
        std::string arguments;
        int exitCode;
        std::string message;
    } cases[] = {
        {"campaign-new ' spinward run ' --code TROJ", 1,
         "A campaign with this name already exists"},
        {"campaign-new 'Trojan Reach' --code TROJA", 1, "Code must be exactly 4 characters"},
        {"campaign-new 'Trojan Reach' --code spin", 1, "This code is already in use"},
        {"campaign-new 'Trojan Reach'", 2, "campaign-new needs --code CODE"},
        {"campaign-new 'Trojan Reach' --code TROJ --universe nonsense", 1,
         "Not a universe id: nonsense"},
        {"campaign ABCD", 1, "No campaign with the code ABCD."},
        {"campaign SPIN advance soon", 2, "\"soon\" is not a whole number of minutes"},
        {"campaign SPIN note", 2, "campaign CODE note needs a title"},
        {"campaign", 2, "campaign needs a campaign code"},
    };
    for (const auto& c : cases) {
        const CliRun run = cli(data, c.arguments);
        EXPECT_EQ(run.exitCode, c.exitCode) << c.arguments;
        EXPECT_TRUE(run.out.empty()) << c.arguments << ": " << run.out;
        EXPECT_NE(run.err.find(c.message), std::string::npos) << c.arguments << ": " << run.err;
    }
    EXPECT_EQ(cli(data, "campaigns").out.find("TROJ"), std::string::npos);
}

TEST(CampaignCli, AnUnreadableCampaignsFileIsReportedAndKept) {
    TemporaryFolder data;
    const std::string damaged =
        "{\"id\": \"6C1B2F3E-0D4A-4E0B-9C55-2F4B7A9E1D01\", \"campaigns\": [";
    data.write("VM_campaigns.json", damaged);
    const CliRun run = cli(data, "campaigns");
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_TRUE(run.out.empty());
    EXPECT_NE(run.err.find((data / "VM_campaigns.json").string()), std::string::npos) << run.err;
    EXPECT_EQ(data.read("VM_campaigns.json"), damaged) << "reading never writes";

    // The first change keeps the damaged file beside the new one.
    ASSERT_EQ(cli(data, "campaign-new 'Fresh Start' --code NEWC").exitCode, 0);
    EXPECT_EQ(data.read("VM_campaigns.unreadable.json"), damaged);
    EXPECT_NE(cli(data, "campaigns").out.find("NEWC"), std::string::npos);
}
