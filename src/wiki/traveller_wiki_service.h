#pragma once

#include "core/http_client.h"
#include "core/timestamp.h"
#include "wiki/wiki_error.h"
#include "wiki/wiki_records.h"
#include "wiki/wiki_requests.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::wiki {

class WikiCache;

// How a request ended. A fresh answer has a value and nothing else; a failure has
// an error, and, when the wiki could not be reached and the same question was
// answered before, also the saved value and when it was saved.
template <typename T>
struct WikiAnswer {
    std::optional<T> value;
    std::optional<WikiError> error;
    std::optional<core::Timestamp> savedAt;

    bool isSavedCopy() const { return savedAt.has_value(); }
};

using SearchAnswer = WikiAnswer<std::vector<SearchResult>>;
using ArticleAnswer = WikiAnswer<Article>;

// The client for the wiki's two questions. It keeps no browsing state; with a
// cache it saves every fresh answer and falls back on the saved one when the
// wiki cannot be reached.
class TravellerWikiService {
public:
    using SearchCompletion = std::function<void(SearchAnswer)>;
    using ArticleCompletion = std::function<void(ArticleAnswer)>;

    explicit TravellerWikiService(core::HttpClient& http, WikiCache* cache = nullptr);

    const WikiEndpoint& endpoint() const { return m_endpoint; }
    void setEndpoint(WikiEndpoint endpoint) { m_endpoint = std::move(endpoint); }

    // The completion comes on the network client's thread, or at once (and the
    // handle is null) when no request could be made. Cancelling the handle, or
    // dropping the service, means it never comes.
    std::unique_ptr<core::HttpRequestHandle> search(std::string_view query, int limit,
                                                    SearchCompletion completion);
    std::unique_ptr<core::HttpRequestHandle> fetchArticle(const std::string& title,
                                                          ArticleCompletion completion);

private:
    core::HttpClient& m_http;
    WikiCache* m_cache;
    WikiEndpoint m_endpoint;
    std::shared_ptr<bool> m_alive = std::make_shared<bool>(true);
};

} // namespace velmora::wiki
