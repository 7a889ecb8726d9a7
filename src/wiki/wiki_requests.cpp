#include "wiki/wiki_requests.h"

namespace velmora::wiki {

namespace {

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

} // namespace

std::string wikiUserAgent() {
    return "Velmora/1.0 (https://velmora.app; " + std::string(wikiPlatformName) + "; wiki lookup)";
}

std::string trimmed(std::string_view text) {
    while (!text.empty() && isBlank(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isBlank(text.back()))
        text.remove_suffix(1);
    return std::string(text);
}

std::optional<std::string> wikiRequestUrl(std::string_view address, const QueryItems& query) {
    std::string url = trimmed(address);
    if (url.empty())
        return std::nullopt;
    for (const char c : url) {
        if (static_cast<unsigned char>(c) <= ' ' || c == 0x7F)
            return std::nullopt;
    }
    const auto schemeEnd = url.find("://");
    if (schemeEnd == std::string::npos) {
        url = "https://" + url;
    } else {
        std::string scheme = url.substr(0, schemeEnd);
        for (char& c : scheme)
            c = static_cast<char>(c >= 'A' && c <= 'Z' ? c + 32 : c);
        if (scheme != "http" && scheme != "https")
            return std::nullopt;
    }
    const std::size_t hostStart = url.find("://") + 3;
    if (hostStart >= url.size() || url[hostStart] == '/' || url[hostStart] == '?' ||
        url[hostStart] == '#')
        return std::nullopt;
    // A fragment would swallow the query.
    if (url.find('#') != std::string::npos)
        return std::nullopt;
    return core::urlWithQuery(std::move(url), query);
}

core::HttpRequest WikiEndpoint::request(const QueryItems& query) const {
    const auto url = wikiRequestUrl(address, query);
    if (!url)
        throw WikiError::badResponse();
    core::HttpRequest request;
    request.url = *url;
    request.headers.emplace_back("User-Agent", wikiUserAgent());
    request.timeout = timeout;
    return request;
}

core::HttpRequest WikiEndpoint::search(std::string_view query, int limit) const {
    const std::string text = trimmed(query);
    if (text.empty())
        throw WikiError::emptyQuery();
    return request({{"action", "query"},
                    {"list", "search"},
                    {"srsearch", text},
                    {"srnamespace", "0"},
                    {"srlimit", std::to_string(limit)},
                    {"srprop", "snippet|wordcount"},
                    {"format", "json"},
                    {"formatversion", "2"}});
}

core::HttpRequest WikiEndpoint::parse(std::string_view title) const {
    return request({{"action", "parse"},
                    {"page", std::string(title)},
                    {"prop", "text|displaytitle"},
                    {"redirects", "1"},
                    {"disableeditsection", "1"},
                    {"disabletoc", "1"},
                    {"format", "json"},
                    {"formatversion", "2"}});
}

std::optional<WikiError> wikiErrorFor(const core::HttpResult& result) {
    if (result.isSuccess())
        return std::nullopt;
    if (result.status)
        return WikiError::httpStatus(*result.status);
    if (result.transportError.empty())
        return WikiError::badResponse();
    // The message adds its own full stop.
    std::string description = result.transportError;
    while (!description.empty() && (description.back() == '.' || description.back() == ' '))
        description.pop_back();
    return WikiError::network(description);
}

} // namespace velmora::wiki
