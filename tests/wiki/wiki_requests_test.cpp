// The two requests as they go on the wire, and what a failed transfer means.
#include "wiki/wiki_requests.h"

#include <gtest/gtest.h>

using namespace velmora;
using wiki::WikiEndpoint;
using wiki::WikiError;

namespace {

std::string header(const core::HttpRequest& request, const std::string& name) {
    for (const auto& [key, value] : request.headers) {
        if (key == name)
            return value;
    }
    return "<none>";
}

WikiError::Kind kindOf(const std::function<void()>& make) {
    try {
        make();
    } catch (const WikiError& error) {
        return error.kind();
    }
    ADD_FAILURE() << "no WikiError";
    return WikiError::Kind::badResponse;
}

} // namespace

TEST(WikiRequests, SearchAsksForTheTrimmedQueryWithItsItemsInOrder) {
    const WikiEndpoint endpoint{"https://wiki.example.org/w/api.php"};
    const core::HttpRequest request = endpoint.search("  \n Zhodani & Vargr's \t\n", 25);
    // Blanks and the ampersand, apostrophe and bar are escaped; nothing else moves.
    EXPECT_EQ(request.url, "https://wiki.example.org/w/api.php?action=query&list=search"
                           "&srsearch=Zhodani%20%26%20Vargr%27s&srnamespace=0&srlimit=25"
                           "&srprop=snippet%7Cwordcount&format=json&formatversion=2");
    EXPECT_EQ(header(request, "User-Agent"),
              "Velmora/1.0 (https://velmora.app; Linux app; wiki lookup)");
    EXPECT_EQ(request.timeout, std::chrono::seconds(60));
}

TEST(WikiRequests, ParseAsksForTheTitleAsGiven) {
    const WikiEndpoint endpoint; // the public wiki
    const core::HttpRequest request = endpoint.parse("Regina (world)");
    EXPECT_EQ(request.url, "https://wiki.travellerrpg.com/api.php?action=parse"
                           "&page=Regina%20%28world%29&prop=text%7Cdisplaytitle&redirects=1"
                           "&disableeditsection=1&disabletoc=1&format=json&formatversion=2");
    EXPECT_EQ(header(request, "User-Agent"), wiki::wikiUserAgent());
    // UTF-8 goes byte by byte.
    EXPECT_NE(endpoint.parse("Aslan Hierate – Ihatei").url.find("Hierate%20%E2%80%93%20Ihatei"),
              std::string::npos);
}

TEST(WikiRequests, AnAddressWithoutSchemeIsHttpsAndOneWithAQueryIsExtended) {
    EXPECT_EQ(WikiEndpoint{" wiki.example.org/api.php "}.parse("A").url.substr(0, 42),
              "https://wiki.example.org/api.php?action=pa");
    EXPECT_EQ(WikiEndpoint{"http://127.0.0.1:8080/index.php?x=1"}.parse("A").url.substr(0, 48),
              "http://127.0.0.1:8080/index.php?x=1&action=parse");
}

TEST(WikiRequests, NothingIsAskedForBlanksOrOfAnAddressThatMakesNoRequest) {
    const WikiEndpoint endpoint;
    EXPECT_EQ(kindOf([&] { endpoint.search(" \n\t ", 25); }), WikiError::Kind::emptyQuery);
    EXPECT_EQ(kindOf([&] { endpoint.search("", 25); }), WikiError::Kind::emptyQuery);
    for (const char* address :
         {"", "   ", "ftp://wiki.example.org/api.php", "https://", "https:///api.php",
          "https://wiki example.org/api.php", "https://wiki.example.org/api.php#top"}) {
        EXPECT_EQ(kindOf([&] { WikiEndpoint{address}.search("Regina", 25); }),
                  WikiError::Kind::badResponse)
            << address;
        EXPECT_EQ(kindOf([&] { WikiEndpoint{address}.parse("Regina"); }),
                  WikiError::Kind::badResponse)
            << address;
    }
}

TEST(WikiRequests, AFailedTransferIsTheErrorItStandsFor) {
    struct Case {
        core::HttpResult result;
        std::optional<std::string> text;
    };
    const std::vector<Case> cases{
        {{200, "{}", "", false}, std::nullopt},
        {{204, "", "", false}, std::nullopt},
        {{500, "oops", "", false},
         "The Traveller Wiki returned an error (HTTP 500). Please try again."},
        {{404, "", "", false},
         "The Traveller Wiki returned an error (HTTP 404). Please try again."},
        {{302, "", "", false},
         "The Traveller Wiki returned an error (HTTP 302). Please try again."},
        // The transport's own description, its full stop left to the sentence.
        {{std::nullopt, "", "Connection refused.", false},
         "Network error: Connection refused. Please try again."},
        {{std::nullopt, "", "The request timed out", true},
         "Network error: The request timed out. Please try again."},
        {{std::nullopt, "", "", false}, "The Traveller Wiki returned data that couldn't be read."},
    };
    for (const Case& c : cases) {
        const auto error = wiki::wikiErrorFor(c.result);
        ASSERT_EQ(error.has_value(), c.text.has_value());
        if (error) {
            EXPECT_EQ(std::string(error->what()), *c.text);
        }
    }
}

TEST(WikiErrors, EveryCaseSaysWhatWentWrongInItsOwnWords) {
    EXPECT_STREQ(WikiError::apiError("Waiting for a database: 5 s lagged.").what(),
                 "Waiting for a database: 5 s lagged.");
    EXPECT_STREQ(WikiError::noResults("Reginald").what(),
                 "No Traveller Wiki articles found for “Reginald”.");
    EXPECT_STREQ(WikiError::emptyQuery().what(), "Enter a search term.");
    // Only a wiki out of reach (or not speaking as one) lets a saved copy stand in.
    EXPECT_TRUE(WikiError::httpStatus(503).isUnreachable());
    EXPECT_TRUE(WikiError::network("Host not found").isUnreachable());
    EXPECT_TRUE(WikiError::badResponse().isUnreachable());
    EXPECT_FALSE(WikiError::apiError("x").isUnreachable());
    EXPECT_FALSE(WikiError::noResults("x").isUnreachable());
    EXPECT_FALSE(WikiError::emptyQuery().isUnreachable());
}
