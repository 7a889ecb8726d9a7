// velmora-cli's wiki commands, the real binary against a wiki on the loopback
// address, as a referee preparing a session in a terminal runs them.
#include "support/cli_runner.h"
#include "wiki_ui/wiki_server.h"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

using namespace velmora;
using velmora::testing::CliRun;
using velmora::testing::runCli;
using velmora::testing::TemporaryFolder;
using velmora::testing::WikiServer;

namespace {

std::string baseUrl(const WikiServer& server) {
    return " --base-url '" + server.apiAddress() + "'";
}

} // namespace

TEST(WikiCli, SearchPrintsTheResultsInOrderAsJson) {
    WikiServer server;
    TemporaryFolder data;
    const CliRun run = runCli(data, "wiki-search Regina --json" + baseUrl(server));
    ASSERT_EQ(run.exitCode, 0) << run.err;
    const auto results = nlohmann::json::parse(run.out);
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[1], nlohmann::json({{"pageID", 1882},
                                          {"title", "Regina (world)"},
                                          {"snippet", "Regina is a <high population> world, the "
                                                      "\"capital\" of the Domain of Deneb's duchy"},
                                          {"wordCount", 3187}}));
    EXPECT_EQ(results[3]["title"], "Reginald Blake");

    const CliRun none = runCli(data, "wiki-search 'Nothing at all' --json" + baseUrl(server));
    EXPECT_EQ(none.exitCode, 0);
    EXPECT_EQ(none.out, "[]\n");

    const CliRun plain = runCli(data, "wiki-search Regina" + baseUrl(server));
    EXPECT_EQ(plain.out.substr(0, plain.out.find('\n')),
              "Regina Subsector\t1204 words\tRegina Subsector is subsector C of the Spinward "
              "Marches & home of the Duke");
}

TEST(WikiCli, ArticlePrintsTheHtmlOrItsText) {
    WikiServer server;
    TemporaryFolder data;
    const CliRun html = runCli(data, "wiki-article 'Regina (world)'" + baseUrl(server));
    ASSERT_EQ(html.exitCode, 0) << html.err;
    EXPECT_EQ(html.out.rfind("<div class=\"mw-parser-output\"><p><b>Regina</b>", 0), 0u);
    const CliRun text = runCli(data, "wiki-article 'Regina (world)' --text" + baseUrl(server));
    ASSERT_EQ(text.exitCode, 0) << text.err;
    EXPECT_EQ(text.out.rfind("Regina (world)\n\nRegina is the capital of the Regina Subsector "
                             "in the Spinward Marches.\n\nAstrography\n\nStarport\tSize\n",
                             0),
              0u)
        << text.out;
    // The script of an article is no part of its text.
    const CliRun tracker = runCli(data, "wiki-article Tracker --text" + baseUrl(server));
    EXPECT_EQ(tracker.out, "Tracker\n\nBefore.\n\nAfter and\n");
}

TEST(WikiCli, FailuresAreToldOnStandardErrorWithExitOne) {
    WikiServer server;
    TemporaryFolder data;
    const std::vector<std::pair<std::string, std::string>> cases{
        {"wiki-search ''", "Enter a search term."},
        {"wiki-search ' '", "Enter a search term."},
        {"wiki-search 'Server Error'",
         "The Traveller Wiki returned an error (HTTP 500). Please try again."},
        {"wiki-search Lagged", "Waiting for 10.0.0.2: 7 seconds lagged."},
        {"wiki-search Garbage", "The Traveller Wiki returned data that couldn't be read."},
        {"wiki-article Ragina", "No Traveller Wiki articles found for “Ragina”."},
        {"wiki-article 'Server Error' --text",
         "The Traveller Wiki returned an error (HTTP 503). Please try again."},
    };
    for (const auto& [arguments, text] : cases) {
        const CliRun run = runCli(data, arguments + baseUrl(server));
        EXPECT_EQ(run.exitCode, 1) << arguments;
        // The last line: the platform may say something of its own first.
        EXPECT_TRUE(run.err.ends_with("\nvelmora-cli: " + text + "\n") ||
                    run.err == "velmora-cli: " + text + "\n")
            << arguments << ": " << run.err;
        EXPECT_EQ(run.out, "") << arguments;
    }
    const CliRun dropped = runCli(data, "wiki-article Dropped" + baseUrl(server));
    EXPECT_EQ(dropped.exitCode, 1);
    EXPECT_NE(dropped.err.find("velmora-cli: Network error: "), std::string::npos) << dropped.err;
    // Bad usage is exit 2.
    EXPECT_EQ(runCli(data, "wiki-search").exitCode, 2);
    EXPECT_EQ(runCli(data, "wiki-article A B").exitCode, 2);
    EXPECT_EQ(runCli(data, "wiki-search A --text").exitCode, 2);
}

TEST(WikiCli, ASavedCopyIsPrintedWhenTheWikiIsOutOfReach) {
    WikiServer server;
    TemporaryFolder data;
    ASSERT_EQ(runCli(data, "wiki-article 'Regina (world)'" + baseUrl(server)).exitCode, 0);
    ASSERT_EQ(runCli(data, "wiki-search Regina --json" + baseUrl(server)).exitCode, 0);
    server.setOffline(true);
    const CliRun article = runCli(data, "wiki-article 'Regina (world)' --text" + baseUrl(server));
    EXPECT_EQ(article.exitCode, 0);
    EXPECT_EQ(article.out.rfind("Regina (world)\n\nRegina is the capital", 0), 0u);
    EXPECT_NE(article.err.find("velmora-cli: Network error: "), std::string::npos) << article.err;
    EXPECT_NE(article.err.find("velmora-cli: Showing a saved copy of “Regina (world)” from "),
              std::string::npos)
        << article.err;
    const CliRun search = runCli(data, "wiki-search Regina --json" + baseUrl(server));
    EXPECT_EQ(search.exitCode, 0);
    EXPECT_EQ(nlohmann::json::parse(search.out).size(), 4u);
    EXPECT_NE(search.err.find("Showing a saved copy of the results for “Regina” from "),
              std::string::npos)
        << search.err;
    // What was never read fails as ever.
    EXPECT_EQ(runCli(data, "wiki-article 'Spinward Marches'" + baseUrl(server)).exitCode, 1);
}
