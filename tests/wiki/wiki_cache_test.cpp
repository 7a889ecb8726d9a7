// Saved answers in a real folder: read back, bounded, oldest out first.
#include "support/temporary_folder.h"
#include "wiki/wiki_cache.h"

#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::TemporaryFolder;

namespace {

const std::string wikiA = "https://wiki.travellerrpg.com/api.php";
const std::string wikiB = "http://127.0.0.1:8080/api.php";

wiki::Article article(const std::string& title) {
    return {title, "<i>" + title + "</i>", "<p>About " + title + "</p>"};
}

struct SteppingClock {
    core::Timestamp now{std::chrono::sys_days{std::chrono::year{2026} / 12 / 6}};
    core::Timestamp operator()() {
        now += std::chrono::seconds(1);
        return now;
    }
};

} // namespace

TEST(WikiCache, AnswersAreReadBackWithTheTimeTheyWereSaved) {
    TemporaryFolder data;
    SteppingClock clock;
    wiki::WikiCache cache(data / "WikiCache", 10, std::ref(clock));
    const std::vector<wiki::SearchResult> hits{{1882, "Regina (world)", "Regina is a world", 3187},
                                               {4102, "Regina Subsector", "", 1204}};
    cache.storeSearch(wikiA, "Regina", 25, hits);
    cache.storeArticle(wikiA, "Regina (world)", article("Regina (world)"));

    const auto search = cache.search(wikiA, "Regina", 25);
    ASSERT_TRUE(search);
    EXPECT_EQ(search->value, hits);
    EXPECT_EQ(core::iso8601Text(search->savedAt), "2026-12-06T00:00:01Z");
    const auto saved = cache.article(wikiA, "Regina (world)");
    ASSERT_TRUE(saved);
    EXPECT_EQ(saved->value, article("Regina (world)"));
    EXPECT_EQ(core::iso8601Text(saved->savedAt), "2026-12-06T00:00:02Z");

    // Another wiki, another limit, another title or kind of question: not saved.
    EXPECT_FALSE(cache.search(wikiB, "Regina", 25));
    EXPECT_FALSE(cache.search(wikiA, "Regina", 10));
    EXPECT_FALSE(cache.search(wikiA, "Regina (world)", 25));
    EXPECT_FALSE(cache.article(wikiA, "Regina"));
    EXPECT_FALSE(cache.article(wikiB, "Regina (world)"));

    // A fresh answer replaces the saved one.
    cache.storeArticle(wikiA, "Regina (world)", article("Capital"));
    EXPECT_EQ(cache.article(wikiA, "Regina (world)")->value, article("Capital"));
    EXPECT_EQ(core::iso8601Text(cache.article(wikiA, "Regina (world)")->savedAt),
              "2026-12-06T00:00:03Z");
    EXPECT_EQ(cache.entryCount(), 2u);
    // A new cache on the same folder (the next launch, or the CLI) reads them.
    EXPECT_TRUE(wiki::WikiCache(data / "WikiCache").search(wikiA, "Regina", 25));
}

TEST(WikiCache, PastItsCapacityTheAnswersSavedLongestAgoGo) {
    TemporaryFolder data;
    wiki::WikiCache cache(data / "WikiCache", 3);
    for (const char* title : {"A", "B", "C"})
        cache.storeArticle(wikiA, title, article(title));
    // Saving A again makes B the oldest.
    cache.storeArticle(wikiA, "A", article("A2"));
    cache.storeArticle(wikiA, "D", article("D"));
    EXPECT_EQ(cache.entryCount(), 3u);
    EXPECT_FALSE(cache.article(wikiA, "B"));
    for (const char* title : {"A", "C", "D"})
        EXPECT_TRUE(cache.article(wikiA, title)) << title;
    cache.storeSearch(wikiA, "E", 25, {});
    EXPECT_FALSE(cache.article(wikiA, "C"));
    EXPECT_EQ(cache.entryCount(), 3u);
}

TEST(WikiCache, AnUnreadableFileIsNoAnswerAndTheNextAnswerReplacesIt) {
    TemporaryFolder data;
    wiki::WikiCache cache(data / "WikiCache");
    cache.storeArticle(wikiA, "Regina", article("Regina"));
    ASSERT_EQ(cache.entryCount(), 1u);
    const auto file = std::filesystem::directory_iterator(data / "WikiCache")->path();
    for (const std::string& broken :
         {std::string("{\"key\": tru"), std::string("[]"), std::string("{\"key\": 5}"),
          std::string("{\"key\":\"article\\n") + wikiA + "\\nRegina\",\"savedAt\":\"yesterday\"," +
              "\"article\":{\"title\":\"R\",\"displayTitle\":\"R\",\"html\":\"\"}}"}) {
        data.write(file.lexically_relative(data.path()), broken);
        EXPECT_FALSE(cache.article(wikiA, "Regina")) << broken;
    }
    cache.storeArticle(wikiA, "Regina", article("Regina"));
    EXPECT_TRUE(cache.article(wikiA, "Regina"));
    // Nothing is kept where the folder cannot be made; nothing fails either.
    data.write("blocked", "a file where the folder would be");
    wiki::WikiCache blocked(data / "blocked" / "WikiCache");
    blocked.storeArticle(wikiA, "Regina", article("Regina"));
    EXPECT_FALSE(blocked.article(wikiA, "Regina"));
}
