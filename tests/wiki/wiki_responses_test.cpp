// Search and parse answers as the wiki sends them, and everything else.
#include "core/file_io.h"
#include "wiki/wiki_error.h"
#include "wiki/wiki_responses.h"

#include <gtest/gtest.h>

using namespace velmora;
using wiki::WikiError;

namespace {

std::string fixture(const std::string& name) {
    return core::readWholeFile(std::string(VELMORA_FIXTURES_DIR "/wiki/") + name).value_or("");
}

// The text of the error a decoder throws, or "no error".
template <typename Decode>
std::string failure(Decode decode) {
    try {
        decode();
    } catch (const WikiError& error) {
        return error.what();
    }
    return "no error";
}

const std::string unreadable = "The Traveller Wiki returned data that couldn't be read.";

} // namespace

TEST(WikiSnippets, MarkupGoesAndEntitiesAreWrittenOutInOrder) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {"<span class=\"searchmatch\">Regina</span> is a world", "Regina is a world"},
        {"A &amp; B &lt;C&gt; &quot;D&quot; E&#39;s&nbsp;F", "A & B <C> \"D\" E's F"},
        // "&amp;" goes first, so an escaped entity is read twice.
        {"&amp;lt;b&amp;gt;", "<b>"},
        // Tags are removed before entities are read: an escaped tag stays.
        {"&lt;i&gt;Aslan&lt;/i&gt;", "<i>Aslan</i>"},
        // "<>" holds nothing and is no tag; a "<" without its ">" stays.
        {"1 <> 2 < 3", "1 <> 2 < 3"},
        {"a <b\nclass=x>bold</b> z", "a bold z"},
        {"&copy; &#8211; &amp", "&copy; &#8211; &amp"},
        {"", ""},
    };
    for (const auto& [snippet, cleaned] : cases)
        EXPECT_EQ(wiki::cleanedSnippet(snippet), cleaned) << snippet;
}

TEST(WikiSearchAnswers, HitsComeInTheOrderReceivedWithCleanSnippets) {
    const auto results = wiki::decodeSearchResponse(fixture("search-regina.json"));
    ASSERT_EQ(results.size(), 4u);
    EXPECT_EQ(results[0], (wiki::SearchResult{4102, "Regina Subsector",
                                              "Regina Subsector is subsector C of the Spinward "
                                              "Marches & home of the Duke",
                                              1204}));
    EXPECT_EQ(results[1].title, "Regina (world)");
    EXPECT_EQ(results[1].snippet, "Regina is a <high population> world, the \"capital\" of the "
                                  "Domain of Deneb's duchy");
    EXPECT_EQ(results[1].pageID, 1882);
    EXPECT_EQ(results[1].wordCount, 3187);
    EXPECT_EQ(results[3].title, "Reginald Blake");
    // No hits is an empty list, not a failure.
    EXPECT_TRUE(wiki::decodeSearchResponse(fixture("search-none.json")).empty());
}

TEST(WikiSearchAnswers, TheWikisErrorsAndAnythingElseFail) {
    const std::vector<std::pair<std::string, std::string>> cases{
        {fixture("api-error.json"), "Waiting for 10.0.0.2: 7 seconds lagged."},
        // The error wins over results sent beside it.
        {R"({"error":{"code":"x","info":"Both"},"query":{"search":[]}})", "Both"},
        {"", unreadable},
        {"<html>hotel login</html>", unreadable},
        {"[]", unreadable},
        {"{}", unreadable},
        {R"({"query":null})", unreadable},
        {R"({"query":{}})", unreadable},
        {R"({"query":{"search":{}}})", unreadable},
        {R"({"query":{"search":[{"pageid":"1","title":"A","snippet":"","wordcount":1}]}})",
         unreadable},
        {R"({"query":{"search":[{"pageid":1,"title":"A","snippet":"","wordcount":1.5}]}})",
         unreadable},
        {R"({"query":{"search":[{"pageid":1,"title":"A","wordcount":1}]}})", unreadable},
        {R"({"query":{"search":[{"pageid":99999999999,"title":"A","snippet":"","wordcount":1}]}})",
         unreadable},
        {R"({"error":{"code":"x"},"query":{"search":[]}})", unreadable},
        {R"({"query":{"search":[]})", unreadable},
    };
    for (const auto& [body, text] : cases)
        EXPECT_EQ(failure([&] { wiki::decodeSearchResponse(body); }), text) << body;
}

TEST(WikiParseAnswers, ThePageOrTheErrorItStandsFor) {
    const wiki::Article article =
        wiki::decodeParseResponse(fixture("article-regina.json"), "Regina (world)");
    EXPECT_EQ(article.title, "Regina (world)");
    EXPECT_EQ(article.displayTitle, "<span class=\"mw-page-title-main\">Regina (world)</span>");
    EXPECT_NE(article.html.find("<table class=\"wikitable\">"), std::string::npos);

    const std::vector<std::pair<std::string, std::string>> cases{
        // A page that does not exist is named as it was asked for.
        {fixture("missing-title.json"), "No Traveller Wiki articles found for “Ragina”."},
        {fixture("api-error.json"), "Waiting for 10.0.0.2: 7 seconds lagged."},
        {R"({"error":{"code":"missingtitle","info":"gone"},"parse":{"title":"A","displaytitle":"A","text":""}})",
         "No Traveller Wiki articles found for “Ragina”."},
        {"{}", unreadable},
        {"not json", unreadable},
        {R"({"parse":{"title":"A","displaytitle":"A"}})", unreadable},
        {R"({"parse":{"title":12,"displaytitle":"A","text":""}})", unreadable},
        {R"({"parse":"Regina"})", unreadable},
        {R"({"error":"missingtitle"})", unreadable},
    };
    for (const auto& [body, text] : cases)
        EXPECT_EQ(failure([&] { wiki::decodeParseResponse(body, "Ragina"); }), text) << body;
}
