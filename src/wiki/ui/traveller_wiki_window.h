#pragma once

#include "core/http_client.h"
#include "core/signal.h"

#include <QHash>
#include <QImage>
#include <QUrl>
#include <QWidget>
#include <functional>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace velmora::universe {
class Preferences;
}

namespace velmora::wiki {

class TravellerWikiBrowser;
class WikiArticleView;

// The "Traveller Wiki" window: the search with its results beside the open
// article, the way back and forward, the loading state, what went wrong and
// whether a saved copy is on show, and the wiki's address. It shows the one
// shared browser, so every window and look-up sees the same state.
class TravellerWikiWindow : public QWidget {
    Q_OBJECT
public:
    TravellerWikiWindow(TravellerWikiBrowser& browser, core::HttpClient& http,
                        universe::Preferences* preferences, QWidget* parent = nullptr);
    ~TravellerWikiWindow() override;

    // Links that lead off the wiki; the user's browser unless a test says otherwise.
    void setExternalLinkOpener(std::function<void(const QUrl&)> opener) {
        m_openExternal = std::move(opener);
    }

private:
    void refresh();
    void showArticle();
    void followLink(const QUrl& link);
    void applyAddress();
    void loadImages();
    QUrl apiUrl() const;

    TravellerWikiBrowser& m_browser;
    core::HttpClient& m_http;
    universe::Preferences* m_preferences;
    std::function<void(const QUrl&)> m_openExternal;

    QToolButton* m_back;
    QToolButton* m_forward;
    QLineEdit* m_search;
    QPushButton* m_searchButton;
    QProgressBar* m_loading;
    QLabel* m_error;
    QLabel* m_savedCopy;
    QLabel* m_resultsSummary;
    QListWidget* m_results;
    QLabel* m_articleTitle;
    QPushButton* m_loadImages;
    WikiArticleView* m_article;
    QLineEdit* m_address;

    // What the article pane and the list show, to redraw them only on a change.
    // Starts as no article's text, so the first refresh draws the pane.
    std::string m_shownArticleHtml{"\n\n"};
    std::string m_shownResultsKey;
    QHash<QUrl, QImage> m_images;
    std::vector<std::unique_ptr<core::HttpRequestHandle>> m_imageRequests;
    unsigned m_imageGeneration = 0;
    core::Signal<>::Subscription m_changed;
};

} // namespace velmora::wiki
