#pragma once

#include "core/http_client.h"
#include "core/signal.h"
#include "core/timestamp.h"
#include "wiki/traveller_wiki_service.h"
#include "wiki/wiki_records.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora::wiki {

// The result a look-up of `name` opens at once: the first, in the order found,
// titled the name itself, or the name followed by " (world)" or " (system)".
std::optional<SearchResult> lookUpMatch(const std::string& name,
                                        const std::vector<SearchResult>& results);

// The one wiki browser of the application, shared by every window that shows it:
// the search, its results, the open article and the way back and forward. One
// request runs at a time: a new one cancels the one before, whose answer is then
// never applied. Every change is announced through changed().
class TravellerWikiBrowser {
public:
    explicit TravellerWikiBrowser(TravellerWikiService& service);
    ~TravellerWikiBrowser();
    TravellerWikiBrowser(const TravellerWikiBrowser&) = delete;
    TravellerWikiBrowser& operator=(const TravellerWikiBrowser&) = delete;

    TravellerWikiService& service() { return m_service; }

    const std::string& searchText() const { return m_searchText; }
    const std::vector<SearchResult>& results() const { return m_results; }
    const std::optional<Article>& article() const { return m_article; }
    bool isLoading() const { return m_isLoading; }
    const std::optional<std::string>& errorMessage() const { return m_errorMessage; }
    // The titles of the articles opened, the open one last.
    const std::vector<std::string>& history() const { return m_history; }
    // The titles gone back from, the next one to go forward to last.
    const std::vector<std::string>& forward() const { return m_forward; }
    // Set while what is shown is a saved copy, with the time it was saved.
    const std::optional<core::Timestamp>& resultsSavedAt() const { return m_resultsSavedAt; }
    const std::optional<core::Timestamp>& articleSavedAt() const { return m_articleSavedAt; }
    // The query the results answer.
    const std::string& resultsQuery() const { return m_resultsQuery; }

    bool canGoBack() const { return m_history.size() > 1; }
    bool canGoForward() const { return !m_forward.empty(); }

    void setSearchText(std::string text);
    void runSearch();
    void open(const std::string& title);
    void goBack();
    void goForward();
    // Searches for the name and opens the matching article at once, if there is
    // one; otherwise the results stay on show.
    void lookUp(const std::string& name);
    // Stops the running request; nothing it brings is applied.
    void cancel();

    core::Signal<>& changed() { return m_changed; }

private:
    enum class Move { open, back, forward };
    void startSearch(std::optional<std::string> lookUpName);
    void startArticle(const std::string& title, Move move);
    void begin();
    void applyArticle(ArticleAnswer answer, Move move);

    TravellerWikiService& m_service;
    std::string m_searchText;
    std::vector<SearchResult> m_results;
    std::string m_resultsQuery;
    std::optional<Article> m_article;
    bool m_isLoading = false;
    std::optional<std::string> m_errorMessage;
    std::vector<std::string> m_history;
    std::vector<std::string> m_forward;
    std::optional<core::Timestamp> m_resultsSavedAt;
    std::optional<core::Timestamp> m_articleSavedAt;
    std::unique_ptr<core::HttpRequestHandle> m_pending;
    unsigned m_generation = 0;
    core::Signal<> m_changed;
};

} // namespace velmora::wiki
