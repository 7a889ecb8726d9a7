#pragma once

#include "core/http_client.h"
#include "core/percent_encoding.h"
#include "wiki/wiki_error.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The two questions Velmora asks the wiki's API, and what a transfer's failure means.
namespace velmora::wiki {

// The public wiki; a mirror or a local copy can stand in.
inline constexpr std::string_view defaultWikiAddress = "https://wiki.travellerrpg.com/api.php";
// The preference that holds another address.
inline constexpr const char* wikiAddressKey = "travellerWikiAddress";
inline constexpr std::chrono::milliseconds wikiTimeout = std::chrono::seconds(60);
inline constexpr int browserSearchLimit = 25;

// The platform named in the user agent.
#if defined(__APPLE__)
inline constexpr std::string_view wikiPlatformName = "macOS app";
#elif defined(_WIN32)
inline constexpr std::string_view wikiPlatformName = "Windows app";
#else
inline constexpr std::string_view wikiPlatformName = "Linux app";
#endif

std::string wikiUserAgent();

using core::QueryItems;

using core::percentEncoded;

// The address of api.php with the query appended, or nothing when no request can
// be made of it: empty, a scheme other than http or https, no host, or blanks
// inside. An address without a scheme is taken as https.
std::optional<std::string> wikiRequestUrl(std::string_view address, const QueryItems& query);

// Blanks and line breaks gone from both ends.
std::string trimmed(std::string_view text);

struct WikiEndpoint {
    std::string address{defaultWikiAddress};
    std::chrono::milliseconds timeout = wikiTimeout;

    // Throws WikiError: emptyQuery for a query of blanks only, badResponse when
    // the address cannot make a request.
    core::HttpRequest search(std::string_view query, int limit) const;
    core::HttpRequest parse(std::string_view title) const;

private:
    core::HttpRequest request(const QueryItems& query) const;
};

// Nothing for a 2xx answer; otherwise the error it stands for.
std::optional<WikiError> wikiErrorFor(const core::HttpResult& result);

} // namespace velmora::wiki
