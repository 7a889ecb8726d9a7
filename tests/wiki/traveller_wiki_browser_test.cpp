// The shared browser: look-ups, the way back and forward, one request at a time,
// and saved copies when the wiki is out of reach. The network is a stand-in the
// test answers by hand, in any order; the answers are the wiki's own words.
#include "core/file_io.h"
#include "support/temporary_folder.h"
#include "wiki/traveller_wiki_browser.h"
#include "wiki/wiki_cache.h"

#include <gtest/gtest.h>
#include <map>

using namespace velmora;
using velmora::testing::TemporaryFolder;

namespace {

// Holds every request until the test answers it.
class HeldRequests final : public core::HttpClient {
public:
    struct Held {
        std::string url;
        Completion completion;
        bool cancelled = false;
    };

    std::unique_ptr<core::HttpRequestHandle> get(const core::HttpRequest& request,
                                                 Completion completion) override {
        held.push_back(std::make_shared<Held>(Held{request.url, std::move(completion)}));
        class Handle final : public core::HttpRequestHandle {
        public:
            explicit Handle(std::shared_ptr<Held> request) : m_request(std::move(request)) {}
            void cancel() override { m_request->cancelled = true; }

        private:
            std::shared_ptr<Held> m_request;
        };
        return std::make_unique<Handle>(held.back());
    }

    // Answers request `index` (a cancelled one too: late answers do come).
    void answer(std::size_t index, core::HttpResult result) {
        auto request = held.at(index);
        request->completion(std::move(result));
    }
    void answerLast(core::HttpResult result) { answer(held.size() - 1, std::move(result)); }

    std::vector<std::shared_ptr<Held>> held;
};

core::HttpResult ok(const std::string& body) {
    return {200, body, "", false};
}

core::HttpResult fixture(const std::string& name) {
    return ok(core::readWholeFile(std::string(VELMORA_FIXTURES_DIR "/wiki/") + name).value_or(""));
}

core::HttpResult articleAnswer(const std::string& title) {
    return ok(R"({"parse":{"title":")" + title + R"(","displaytitle":")" + title +
              R"(","text":"<p>)" + title + R"(</p>"}})");
}

core::HttpResult refused() {
    return {std::nullopt, "", "Connection refused", false};
}

bool asks(const HeldRequests& http, std::size_t index, const std::string& part) {
    return http.held.at(index)->url.find(part) != std::string::npos;
}

struct Browsing {
    HeldRequests http;
    wiki::TravellerWikiService service{http};
    wiki::TravellerWikiBrowser browser{service};
    int changes = 0;
    core::Signal<>::Subscription counting = browser.changed().subscribe([this] { ++changes; });
};

} // namespace

TEST(WikiLookUpRule, TheFirstResultNamedAsTheThingOrItsWorldOrSystemOpens) {
    const auto hit = [](const std::string& title) { return wiki::SearchResult{0, title, "", 0}; };
    struct Case {
        std::string name;
        std::vector<std::string> titles;
        std::optional<std::string> opened;
    };
    const std::vector<Case> cases{
        {"Regina", {"Regina Subsector", "Regina (world)", "Regina"}, "Regina (world)"},
        {"Regina", {"Regina (system)", "Regina (world)"}, "Regina (system)"},
        {"Regina", {"Regina Subsector", "Regina"}, "Regina"},
        {"Regina", {"regina (world)", "Regina (planet)", "Regina Subsector"}, std::nullopt},
        {"Imperial Navy", {"Imperial Navy (world)", "Imperial Navy"}, "Imperial Navy (world)"},
        {"Regina", {}, std::nullopt},
    };
    for (const Case& c : cases) {
        std::vector<wiki::SearchResult> results;
        for (const std::string& title : c.titles)
            results.push_back(hit(title));
        const auto match = wiki::lookUpMatch(c.name, results);
        EXPECT_EQ(match ? std::optional(match->title) : std::nullopt, c.opened) << c.name;
    }
}

TEST(TravellerWikiBrowser, ALookUpOpensTheMatchingArticleOrLeavesTheResults) {
    Browsing b;
    b.browser.lookUp("Regina");
    EXPECT_EQ(b.browser.searchText(), "Regina");
    EXPECT_TRUE(b.browser.isLoading());
    ASSERT_EQ(b.http.held.size(), 1u);
    EXPECT_TRUE(asks(b.http, 0, "srsearch=Regina&srnamespace=0&srlimit=25&"));
    b.http.answerLast(fixture("search-regina.json"));
    // Regina Subsector comes first, but the world is what was meant.
    ASSERT_EQ(b.http.held.size(), 2u);
    EXPECT_TRUE(asks(b.http, 1, "action=parse&page=Regina%20%28world%29&"));
    EXPECT_TRUE(b.browser.isLoading());
    EXPECT_EQ(b.browser.results().size(), 4u);
    b.http.answerLast(fixture("article-regina.json"));
    EXPECT_FALSE(b.browser.isLoading());
    ASSERT_TRUE(b.browser.article());
    EXPECT_EQ(b.browser.article()->title, "Regina (world)");
    EXPECT_EQ(b.browser.history(), std::vector<std::string>{"Regina (world)"});
    EXPECT_FALSE(b.browser.errorMessage());

    // No result named so: the results stay on show and the article too.
    b.browser.lookUp("Reg");
    b.http.answerLast(fixture("search-regina.json"));
    EXPECT_EQ(b.http.held.size(), 3u);
    EXPECT_FALSE(b.browser.isLoading());
    EXPECT_EQ(b.browser.resultsQuery(), "Reg");
    EXPECT_EQ(b.browser.article()->title, "Regina (world)");
    EXPECT_GT(b.changes, 4);
}

TEST(TravellerWikiBrowser, BackAndForwardMoveOnlyWhenTheArticleCame) {
    Browsing b;
    for (const char* title : {"A", "B", "C"}) {
        b.browser.open(title);
        b.http.answerLast(articleAnswer(title));
    }
    EXPECT_EQ(b.browser.history(), (std::vector<std::string>{"A", "B", "C"}));
    b.browser.goBack();
    b.http.answerLast(articleAnswer("B"));
    b.browser.goBack();
    b.http.answerLast(articleAnswer("A"));
    EXPECT_EQ(b.browser.history(), std::vector<std::string>{"A"});
    EXPECT_EQ(b.browser.forward(), (std::vector<std::string>{"C", "B"}));
    EXPECT_FALSE(b.browser.canGoBack());
    EXPECT_EQ(b.browser.article()->title, "A");

    // A way forward that fails leaves everything where it was, with the reason.
    b.browser.goForward();
    EXPECT_TRUE(asks(b.http, b.http.held.size() - 1, "page=B&"));
    b.http.answerLast({500, "", "", false});
    EXPECT_EQ(b.browser.forward(), (std::vector<std::string>{"C", "B"}));
    EXPECT_EQ(b.browser.article()->title, "A");
    EXPECT_EQ(*b.browser.errorMessage(),
              "The Traveller Wiki returned an error (HTTP 500). Please try again.");
    b.browser.goForward();
    b.http.answerLast(articleAnswer("B"));
    EXPECT_FALSE(b.browser.errorMessage());
    EXPECT_EQ(b.browser.history(), (std::vector<std::string>{"A", "B"}));

    // Opening another article ends the way forward.
    b.browser.open("D");
    b.http.answerLast(articleAnswer("D"));
    EXPECT_EQ(b.browser.history(), (std::vector<std::string>{"A", "B", "D"}));
    EXPECT_TRUE(b.browser.forward().empty());
    // Opening the article on show again adds nothing.
    b.browser.open("D");
    b.http.answerLast(articleAnswer("D"));
    EXPECT_EQ(b.browser.history().size(), 3u);
}

TEST(TravellerWikiBrowser, ANewRequestCancelsTheOneBeforeWhoseAnswerIsDropped) {
    Browsing b;
    b.browser.setSearchText("Regina");
    b.browser.runSearch();
    b.browser.open("Spinward Marches");
    EXPECT_TRUE(b.http.held[0]->cancelled);
    EXPECT_FALSE(b.http.held[1]->cancelled);
    // The search's answer arrives anyway, after the article's.
    b.http.answer(1, articleAnswer("Spinward Marches"));
    b.http.answer(0, fixture("search-regina.json"));
    EXPECT_TRUE(b.browser.results().empty());
    EXPECT_EQ(b.browser.article()->title, "Spinward Marches");
    EXPECT_FALSE(b.browser.isLoading());

    // A later search replaces the results of an earlier one.
    b.browser.setSearchText("Regina");
    b.browser.runSearch();
    b.http.answerLast(fixture("search-regina.json"));
    b.browser.setSearchText("Nothing at all");
    b.browser.runSearch();
    b.http.answerLast(fixture("search-none.json"));
    EXPECT_TRUE(b.browser.results().empty());
    EXPECT_EQ(*b.browser.errorMessage(), "No Traveller Wiki articles found for “Nothing at all”.");

    // Blanks ask nothing and stop what was running.
    b.browser.open("Regina (world)");
    const std::size_t asked = b.http.held.size();
    b.browser.setSearchText(" \n ");
    b.browser.runSearch();
    EXPECT_EQ(b.http.held.size(), asked);
    EXPECT_TRUE(b.http.held.back()->cancelled);
    EXPECT_FALSE(b.browser.isLoading());
    EXPECT_EQ(*b.browser.errorMessage(), "Enter a search term.");
}

TEST(TravellerWikiBrowser, FailuresKeepWhatWasShownAndSayWhy) {
    Browsing b;
    b.browser.setSearchText("Regina");
    b.browser.runSearch();
    b.http.answerLast(fixture("search-regina.json"));
    b.browser.open("Regina (world)");
    b.http.answerLast(fixture("article-regina.json"));

    const std::vector<std::pair<core::HttpResult, std::string>> failures{
        {refused(), "Network error: Connection refused. Please try again."},
        {{503, "", "", false},
         "The Traveller Wiki returned an error (HTTP 503). Please try again."},
        {fixture("api-error.json"), "Waiting for 10.0.0.2: 7 seconds lagged."},
        {ok("<html>"), "The Traveller Wiki returned data that couldn't be read."},
    };
    for (const auto& [result, text] : failures) {
        b.browser.runSearch();
        b.http.answerLast(result);
        EXPECT_EQ(b.browser.errorMessage().value_or(""), text);
        EXPECT_EQ(b.browser.results().size(), 4u);
        b.browser.open("Ragina");
        b.http.answerLast(result);
        EXPECT_EQ(b.browser.errorMessage().value_or(""), text);
        EXPECT_EQ(b.browser.article()->title, "Regina (world)");
    }
    b.browser.open("Ragina");
    b.http.answerLast(fixture("missing-title.json"));
    EXPECT_EQ(*b.browser.errorMessage(), "No Traveller Wiki articles found for “Ragina”.");
    EXPECT_FALSE(b.browser.articleSavedAt());
}

TEST(TravellerWikiBrowser, OutOfReachTheSavedCopyIsShownWithTheReason) {
    TemporaryFolder data;
    HeldRequests http;
    wiki::WikiCache cache(data / "WikiCache");
    wiki::TravellerWikiService service(http, &cache);
    wiki::TravellerWikiBrowser browser(service);

    browser.lookUp("Regina");
    http.answerLast(fixture("search-regina.json"));
    http.answerLast(fixture("article-regina.json"));
    browser.open("Spinward Marches");
    http.answerLast(articleAnswer("Spinward Marches"));
    EXPECT_EQ(cache.entryCount(), 3u);

    // Off the air: the saved article comes back, and the way back works.
    browser.goBack();
    http.answerLast(refused());
    ASSERT_TRUE(browser.article());
    EXPECT_EQ(browser.article()->title, "Regina (world)");
    EXPECT_TRUE(browser.articleSavedAt());
    EXPECT_EQ(*browser.errorMessage(), "Network error: Connection refused. Please try again.");
    EXPECT_EQ(browser.forward(), std::vector<std::string>{"Spinward Marches"});
    browser.runSearch();
    http.answerLast({502, "", "", false});
    EXPECT_EQ(browser.results().size(), 4u);
    EXPECT_TRUE(browser.resultsSavedAt());

    // The wiki's own answer is no reason for a saved copy.
    browser.open("Regina (world)");
    http.answerLast(fixture("api-error.json"));
    EXPECT_EQ(*browser.errorMessage(), "Waiting for 10.0.0.2: 7 seconds lagged.");

    // Back on the air: the fresh answer replaces the copy and the note goes.
    browser.open("Regina (world)");
    http.answerLast(articleAnswer("Regina (world)"));
    EXPECT_FALSE(browser.articleSavedAt());
    EXPECT_FALSE(browser.errorMessage());
    EXPECT_EQ(cache.article(service.endpoint().address, "Regina (world)")->value.html,
              "<p>Regina (world)</p>");
    // A title never read has no saved copy: only the reason shows.
    browser.open("Vargr");
    http.answerLast(refused());
    EXPECT_EQ(browser.article()->title, "Regina (world)");
    EXPECT_FALSE(browser.articleSavedAt());
}
