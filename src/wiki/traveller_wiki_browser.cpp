#include "wiki/traveller_wiki_browser.h"

#include "wiki/wiki_requests.h"

#include <utility>

namespace velmora::wiki {

std::optional<SearchResult> lookUpMatch(const std::string& name,
                                        const std::vector<SearchResult>& results) {
    for (const SearchResult& result : results) {
        if (result.title == name || result.title == name + " (world)" ||
            result.title == name + " (system)")
            return result;
    }
    return std::nullopt;
}

TravellerWikiBrowser::TravellerWikiBrowser(TravellerWikiService& service) : m_service(service) {}

TravellerWikiBrowser::~TravellerWikiBrowser() {
    if (m_pending)
        m_pending->cancel();
}

void TravellerWikiBrowser::setSearchText(std::string text) {
    if (text == m_searchText)
        return;
    m_searchText = std::move(text);
    m_changed.notify();
}

void TravellerWikiBrowser::cancel() {
    ++m_generation;
    if (m_pending)
        m_pending->cancel();
    m_pending.reset();
    if (m_isLoading) {
        m_isLoading = false;
        m_changed.notify();
    }
}

void TravellerWikiBrowser::begin() {
    ++m_generation;
    if (m_pending)
        m_pending->cancel();
    m_pending.reset();
    m_isLoading = true;
    m_changed.notify();
}

void TravellerWikiBrowser::runSearch() {
    startSearch(std::nullopt);
}

void TravellerWikiBrowser::lookUp(const std::string& name) {
    setSearchText(name);
    startSearch(name);
}

void TravellerWikiBrowser::startSearch(std::optional<std::string> lookUpName) {
    const std::string query = trimmed(m_searchText);
    if (query.empty()) {
        // Nothing is asked of the wiki; a request still running is dropped.
        cancel();
        m_errorMessage = WikiError::emptyQuery().what();
        m_changed.notify();
        return;
    }
    begin();
    const unsigned generation = m_generation;
    auto handle = m_service.search(
        query, browserSearchLimit,
        [this, generation, query, lookUpName = std::move(lookUpName)](SearchAnswer answer) {
            if (generation != m_generation)
                return;
            m_pending.reset();
            m_isLoading = false;
            m_errorMessage.reset();
            if (answer.error)
                m_errorMessage = answer.error->what();
            if (answer.value) {
                m_results = std::move(*answer.value);
                m_resultsQuery = query;
                m_resultsSavedAt = answer.savedAt;
                if (m_results.empty() && !answer.error)
                    m_errorMessage = WikiError::noResults(query).what();
            }
            std::optional<SearchResult> match;
            if (lookUpName && answer.value)
                match = lookUpMatch(*lookUpName, m_results);
            if (match) {
                startArticle(match->title, Move::open);
                return;
            }
            m_changed.notify();
        });
    if (generation == m_generation && m_isLoading)
        m_pending = std::move(handle);
}

void TravellerWikiBrowser::open(const std::string& title) {
    startArticle(title, Move::open);
}

void TravellerWikiBrowser::goBack() {
    if (canGoBack())
        startArticle(m_history[m_history.size() - 2], Move::back);
}

void TravellerWikiBrowser::goForward() {
    if (canGoForward())
        startArticle(m_forward.back(), Move::forward);
}

void TravellerWikiBrowser::startArticle(const std::string& title, Move move) {
    begin();
    const unsigned generation = m_generation;
    auto handle = m_service.fetchArticle(title, [this, generation, move](ArticleAnswer answer) {
        if (generation != m_generation)
            return;
        applyArticle(std::move(answer), move);
    });
    if (generation == m_generation && m_isLoading)
        m_pending = std::move(handle);
}

void TravellerWikiBrowser::applyArticle(ArticleAnswer answer, Move move) {
    m_pending.reset();
    m_isLoading = false;
    m_errorMessage.reset();
    if (answer.error)
        m_errorMessage = answer.error->what();
    if (answer.value) {
        // The way back and forward moves only when there is an article to show.
        switch (move) {
        case Move::open:
            if (m_history.empty() || m_history.back() != answer.value->title)
                m_history.push_back(answer.value->title);
            m_forward.clear();
            break;
        case Move::back:
            m_forward.push_back(m_history.back());
            m_history.pop_back();
            break;
        case Move::forward:
            m_history.push_back(m_forward.back());
            m_forward.pop_back();
            break;
        }
        m_article = std::move(answer.value);
        m_articleSavedAt = answer.savedAt;
    }
    m_changed.notify();
}

} // namespace velmora::wiki
