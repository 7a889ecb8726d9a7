// What is done with an article's HTML before it is shown or printed.
#include "core/file_io.h"
#include "wiki/wiki_html.h"
#include "wiki/wiki_responses.h"

#include <gtest/gtest.h>

using namespace velmora;

TEST(WikiArticleHtml, NothingThatCouldRunOrBeFetchedBesideTheArticleStays) {
    const std::string html =
        "<p>Before</p><SCRIPT type='text/javascript'>alert('<p>x</p>')</script >"
        "<p onclick=\"x\">Middle</p><style>p{}</style><iframe src='https://evil'>f</iframe>"
        "<link rel=stylesheet href=/s.css><meta http-equiv=refresh content=0><object "
        "data=x></object><embed src=y><scripted>kept</scripted><p>After</p>";
    EXPECT_EQ(wiki::sanitizedArticleHtml(html),
              "<p>Before</p><p onclick=\"x\">Middle</p><scripted>kept</scripted><p>After</p>");
    // A script that never ends takes the rest with it.
    EXPECT_EQ(wiki::sanitizedArticleHtml("<p>a</p><script>b<p>c</p>"), "<p>a</p>");
    EXPECT_EQ(wiki::sanitizedArticleHtml("plain & simple"), "plain & simple");
}

TEST(WikiArticleHtml, ThePlainTextReadsLikeThePage) {
    const auto article = wiki::decodeParseResponse(
        core::readWholeFile(VELMORA_FIXTURES_DIR "/wiki/article-regina.json").value_or(""), "R");
    EXPECT_EQ(wiki::articlePlainText(article.html),
              "Regina is the capital of the Regina Subsector in the Spinward Marches.\n"
              "\n"
              "Astrography\n"
              "\n"
              "Starport\tSize\n"
              "A – Excellent\t7 – 11,200 km\n"
              "\n"
              "See the map at Traveller Map or above.\n"
              "\n"
              "The naval depot is not written yet.\n");
    EXPECT_EQ(wiki::articlePlainText("<ul><li>One</li><li>Two &#x2192; &#51;</li></ul>"
                                     "<p>a<br>b <script>x</script></p>"),
              "• One\n• Two → 3\n\na\nb\n");
    EXPECT_EQ(wiki::articlePlainText(""), "");
}

TEST(WikiArticleLinks, LinksToTheWikiOpenArticlesAndTheRestDoNot) {
    const std::string api = "https://wiki.travellerrpg.com/api.php";
    const std::vector<std::pair<std::string, std::optional<std::string>>> cases{
        {"/wiki/Spinward_Marches", "Spinward Marches"},
        {"/wiki/Regina_(world)#History", "Regina (world)"},
        {"/wiki/Aslan_Hierate_%E2%80%93_Ihatei", "Aslan Hierate – Ihatei"},
        {"//wiki.travellerrpg.com/wiki/Vargr", "Vargr"},
        {"https://WIKI.travellerrpg.com/wiki/K%27kree", "K'kree"},
        {"/index.php?title=Regina_Naval_Depot&action=edit&redlink=1", "Regina Naval Depot"},
        {"/index.php?action=edit&title=Hiver+Federation", "Hiver Federation"},
        {"https://travellermap.com/wiki/Regina", std::nullopt},
        {"https://travellermap.com/?p=1!2", std::nullopt},
        {"#Astrography", std::nullopt},
        {"mailto:referee@example.org", std::nullopt},
        {"/wiki/", std::nullopt},
        {"/images/crest.png", std::nullopt},
        {"javascript:alert(1)", std::nullopt},
    };
    for (const auto& [href, title] : cases)
        EXPECT_EQ(wiki::articleTitleForLink(href, api), title) << href;
}
