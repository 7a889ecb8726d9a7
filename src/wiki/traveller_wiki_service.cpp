#include "wiki/traveller_wiki_service.h"

#include "wiki/wiki_cache.h"
#include "wiki/wiki_responses.h"

#include <utility>

namespace velmora::wiki {

TravellerWikiService::TravellerWikiService(core::HttpClient& http, WikiCache* cache)
    : m_http(http), m_cache(cache) {}

std::unique_ptr<core::HttpRequestHandle>
TravellerWikiService::search(std::string_view query, int limit, SearchCompletion completion) {
    const std::string text = trimmed(query);
    core::HttpRequest request;
    try {
        request = m_endpoint.search(text, limit);
    } catch (const WikiError& error) {
        completion(SearchAnswer{std::nullopt, error, std::nullopt});
        return nullptr;
    }
    const std::string address = m_endpoint.address;
    std::weak_ptr<bool> alive = m_alive;
    return m_http.get(request, [this, alive, address, text, limit,
                                completion = std::move(completion)](core::HttpResult result) {
        if (alive.expired())
            return;
        SearchAnswer answer;
        try {
            if (const auto error = wikiErrorFor(result))
                throw *error;
            answer.value = decodeSearchResponse(result.body);
            if (m_cache)
                m_cache->storeSearch(address, text, limit, *answer.value);
        } catch (const WikiError& error) {
            answer.error = error;
            if (m_cache && error.isUnreachable()) {
                if (auto saved = m_cache->search(address, text, limit)) {
                    answer.value = std::move(saved->value);
                    answer.savedAt = saved->savedAt;
                }
            }
        }
        completion(std::move(answer));
    });
}

std::unique_ptr<core::HttpRequestHandle>
TravellerWikiService::fetchArticle(const std::string& title, ArticleCompletion completion) {
    core::HttpRequest request;
    try {
        request = m_endpoint.parse(title);
    } catch (const WikiError& error) {
        completion(ArticleAnswer{std::nullopt, error, std::nullopt});
        return nullptr;
    }
    const std::string address = m_endpoint.address;
    std::weak_ptr<bool> alive = m_alive;
    return m_http.get(request, [this, alive, address, title,
                                completion = std::move(completion)](core::HttpResult result) {
        if (alive.expired())
            return;
        ArticleAnswer answer;
        try {
            if (const auto error = wikiErrorFor(result))
                throw *error;
            answer.value = decodeParseResponse(result.body, title);
            if (m_cache)
                m_cache->storeArticle(address, title, *answer.value);
        } catch (const WikiError& error) {
            answer.error = error;
            if (m_cache && error.isUnreachable()) {
                if (auto saved = m_cache->article(address, title)) {
                    answer.value = std::move(saved->value);
                    answer.savedAt = saved->savedAt;
                }
            }
        }
        completion(std::move(answer));
    });
}

} // namespace velmora::wiki
