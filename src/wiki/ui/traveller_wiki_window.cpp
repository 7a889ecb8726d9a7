#include "wiki/ui/traveller_wiki_window.h"

#include "ui/view_helpers.h"
#include "universe/preferences.h"
#include "wiki/traveller_wiki_browser.h"
#include "wiki/ui/wiki_article_view.h"
#include "wiki/ui/wiki_result_delegate.h"
#include "wiki/wiki_html.h"
#include "wiki/wiki_requests.h"
#include "wiki/wiki_responses.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSplitter>
#include <QToolButton>
#include <QVBoxLayout>

namespace velmora::wiki {

namespace {

constexpr int titleRole = Qt::UserRole;

QString savedTimeText(core::Timestamp time) {
    const QDateTime moment = QDateTime::fromSecsSinceEpoch(
        std::chrono::duration_cast<std::chrono::seconds>(time.time_since_epoch()).count());
    return QLocale().toString(moment.toLocalTime(), QStringLiteral("d MMMM yyyy, HH:mm"));
}

// The display title is a piece of HTML; read as text, so nothing in it is loaded.
QString plainTitle(const Article& article) {
    const QString shown = qt(cleanedSnippet(article.displayTitle)).trimmed();
    return shown.isEmpty() ? qt(article.title) : shown;
}

QString counted(int count, const QString& noun) {
    return QStringLiteral("%1 %2%3").arg(count).arg(noun,
                                                    count == 1 ? QString() : QStringLiteral("s"));
}

const char* const articleStyle = R"(<style>
  table { border-collapse: collapse; margin: 6px 0; }
  td, th { border: 1px solid #c8ccd1; padding: 3px 6px; vertical-align: top; }
  th { background: #eaecf0; }
  h2, h3 { margin-top: 14px; }
</style>)";

} // namespace

TravellerWikiWindow::TravellerWikiWindow(TravellerWikiBrowser& browser, core::HttpClient& http,
                                         universe::Preferences* preferences, QWidget* parent)
    : QWidget(parent, Qt::Window), m_browser(browser), m_http(http), m_preferences(preferences),
      m_openExternal([](const QUrl& url) { QDesktopServices::openUrl(url); }),
      m_back(new QToolButton(this)), m_forward(new QToolButton(this)),
      m_search(new QLineEdit(this)), m_searchButton(new QPushButton(tr("Search"), this)),
      m_loading(new QProgressBar(this)),
      m_error(ui::messageLine(QStringLiteral("wikiError"), true)),
      m_savedCopy(ui::messageLine(QStringLiteral("savedCopyNote"), false)),
      m_resultsSummary(ui::quietNote(QString(), this)), m_results(new QListWidget(this)),
      m_articleTitle(new QLabel(this)), m_loadImages(new QPushButton(tr("Load Images"), this)),
      m_article(new WikiArticleView(this)), m_address(new QLineEdit(this)) {
    setWindowTitle(tr("Traveller Wiki"));
    setObjectName(QStringLiteral("travellerWikiWindow"));
    m_back->setObjectName(QStringLiteral("wikiBack"));
    m_back->setArrowType(Qt::LeftArrow);
    m_back->setToolTip(tr("Back"));
    m_forward->setObjectName(QStringLiteral("wikiForward"));
    m_forward->setArrowType(Qt::RightArrow);
    m_forward->setToolTip(tr("Forward"));
    m_search->setObjectName(QStringLiteral("wikiSearch"));
    m_search->setPlaceholderText(tr("Search the Traveller Wiki"));
    m_search->setClearButtonEnabled(true);
    m_searchButton->setObjectName(QStringLiteral("wikiSearchButton"));
    m_loading->setObjectName(QStringLiteral("wikiLoading"));
    m_loading->setRange(0, 0);
    m_loading->setMaximumWidth(120);
    m_loading->setFormat(tr("Loading…"));
    m_loading->setTextVisible(true);
    m_resultsSummary->setObjectName(QStringLiteral("wikiResultsSummary"));
    m_results->setObjectName(QStringLiteral("wikiResults"));
    m_results->setWordWrap(true);
    m_results->setItemDelegate(new WikiResultDelegate(m_results));
    // Rows are as tall as their wrapped text at the list's width.
    m_results->setResizeMode(QListView::Adjust);
    m_results->setUniformItemSizes(false);
    m_results->setSpacing(3);
    m_results->setMinimumWidth(240);
    m_articleTitle->setObjectName(QStringLiteral("wikiArticleTitle"));
    ui::makeTitle(m_articleTitle);
    m_articleTitle->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_loadImages->setObjectName(QStringLiteral("wikiLoadImages"));
    m_loadImages->setToolTip(
        tr("Fetch this article's pictures from the wiki. Nothing else is ever fetched."));
    m_article->setObjectName(QStringLiteral("wikiArticle"));
    m_article->setPlaceholderText(tr("Search the wiki, then choose a result to read it here."));
    m_address->setObjectName(QStringLiteral("wikiAddress"));
    m_address->setText(qt(m_browser.service().endpoint().address));

    auto* bar = new QHBoxLayout;
    bar->addWidget(m_back);
    bar->addWidget(m_forward);
    bar->addWidget(m_search, 1);
    bar->addWidget(m_searchButton);
    bar->addWidget(m_loading);

    auto* resultsPane = new QWidget(this);
    auto* resultsColumn = new QVBoxLayout(resultsPane);
    resultsColumn->setContentsMargins(0, 0, 0, 0);
    resultsColumn->addWidget(m_resultsSummary);
    resultsColumn->addWidget(m_results, 1);

    auto* articlePane = new QWidget(this);
    auto* articleColumn = new QVBoxLayout(articlePane);
    articleColumn->setContentsMargins(0, 0, 0, 0);
    auto* articleHeader = new QHBoxLayout;
    articleHeader->addWidget(m_articleTitle, 1);
    articleHeader->addWidget(m_loadImages);
    articleColumn->addLayout(articleHeader);
    articleColumn->addWidget(m_article, 1);

    auto* split = new QSplitter(Qt::Horizontal, this);
    split->addWidget(resultsPane);
    split->addWidget(articlePane);
    split->setStretchFactor(0, 1);
    split->setStretchFactor(1, 3);

    auto* addressRow = new QHBoxLayout;
    auto* addressLabel = new QLabel(tr("Wiki address:"), this);
    addressRow->addWidget(addressLabel);
    addressRow->addWidget(m_address, 1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(bar);
    layout->addWidget(m_error);
    layout->addWidget(m_savedCopy);
    layout->addWidget(split, 1);
    layout->addLayout(addressRow);
    resize(1000, 720);

    connect(m_search, &QLineEdit::textEdited, this,
            [this](const QString& text) { m_browser.setSearchText(text.toStdString()); });
    const auto search = [this] {
        m_browser.setSearchText(m_search->text().toStdString());
        m_browser.runSearch();
    };
    connect(m_search, &QLineEdit::returnPressed, this, search);
    connect(m_searchButton, &QPushButton::clicked, this, search);
    connect(m_back, &QToolButton::clicked, this, [this] { m_browser.goBack(); });
    connect(m_forward, &QToolButton::clicked, this, [this] { m_browser.goForward(); });
    connect(m_results, &QListWidget::itemClicked, this, [this](QListWidgetItem* item) {
        m_browser.open(item->data(titleRole).toString().toStdString());
    });
    connect(m_results, &QListWidget::itemActivated, this, [this](QListWidgetItem* item) {
        m_browser.open(item->data(titleRole).toString().toStdString());
    });
    connect(m_article, &QTextBrowser::anchorClicked, this, &TravellerWikiWindow::followLink);
    connect(m_loadImages, &QPushButton::clicked, this, &TravellerWikiWindow::loadImages);
    connect(m_address, &QLineEdit::editingFinished, this, &TravellerWikiWindow::applyAddress);

    m_changed = m_browser.changed().subscribe([this] { refresh(); });
    refresh();
}

TravellerWikiWindow::~TravellerWikiWindow() {
    for (auto& request : m_imageRequests) {
        if (request)
            request->cancel();
    }
}

QUrl TravellerWikiWindow::apiUrl() const {
    QString address = qt(m_browser.service().endpoint().address).trimmed();
    if (!address.contains(QLatin1String("://")))
        address.prepend(QLatin1String("https://"));
    return QUrl(address);
}

void TravellerWikiWindow::applyAddress() {
    QString address = m_address->text().trimmed();
    if (address.isEmpty())
        address = qt(defaultWikiAddress);
    m_address->setText(address);
    if (address.toStdString() == m_browser.service().endpoint().address)
        return;
    WikiEndpoint endpoint = m_browser.service().endpoint();
    endpoint.address = address.toStdString();
    m_browser.service().setEndpoint(endpoint);
    if (m_preferences)
        m_preferences->setText(wikiAddressKey, endpoint.address);
}

void TravellerWikiWindow::refresh() {
    const TravellerWikiBrowser& browser = m_browser;
    if (m_search->text().toStdString() != browser.searchText())
        m_search->setText(qt(browser.searchText()));
    m_back->setEnabled(browser.canGoBack());
    m_forward->setEnabled(browser.canGoForward());
    m_loading->setVisible(browser.isLoading());
    ui::showMessage(m_error, browser.errorMessage() ? qt(*browser.errorMessage()) : QString());

    // The results list.
    std::string key = browser.resultsQuery();
    for (const SearchResult& result : browser.results())
        key += "\n" + result.title + "\t" + result.snippet;
    if (key != m_shownResultsKey) {
        m_shownResultsKey = key;
        m_results->clear();
        for (const SearchResult& result : browser.results()) {
            auto* item =
                new QListWidgetItem(qt(result.title) + QLatin1Char('\n') + qt(result.snippet));
            item->setData(titleRole, qt(result.title));
            item->setToolTip(counted(result.wordCount, tr("word")));
            m_results->addItem(item);
        }
    }
    const int count = static_cast<int>(browser.results().size());
    m_resultsSummary->setText(
        browser.resultsQuery().empty()
            ? tr("Search for a world, a system, a faction or anything "
                 "else of the Traveller universe.")
            : tr("%1 for “%2”").arg(counted(count, tr("result")), qt(browser.resultsQuery())));

    // What is on show may be a saved copy.
    QStringList saved;
    if (browser.resultsSavedAt())
        saved << tr("Showing a saved copy of the results for “%1” from %2.")
                     .arg(qt(browser.resultsQuery()), savedTimeText(*browser.resultsSavedAt()));
    if (browser.article() && browser.articleSavedAt())
        saved << tr("Showing a saved copy of “%1” from %2.")
                     .arg(plainTitle(*browser.article()), savedTimeText(*browser.articleSavedAt()));
    ui::showMessage(m_savedCopy, saved.join(QLatin1Char(' ')));

    showArticle();
}

void TravellerWikiWindow::showArticle() {
    const auto& article = m_browser.article();
    const std::string shown = article ? article->title + '\n' + article->html : std::string();
    if (shown == m_shownArticleHtml && !(article && m_article->document()->isEmpty()))
        return;
    m_shownArticleHtml = shown;
    // Images asked for belong to the article they were asked for.
    ++m_imageGeneration;
    for (auto& request : m_imageRequests) {
        if (request)
            request->cancel();
    }
    m_imageRequests.clear();
    m_images.clear();
    if (!article) {
        m_articleTitle->clear();
        m_article->clearArticle();
        m_loadImages->setEnabled(false);
        return;
    }
    m_articleTitle->setText(plainTitle(*article));
    m_article->showArticle(
        QString::fromLatin1(articleStyle) + qt(sanitizedArticleHtml(article->html)), apiUrl());
    m_loadImages->setEnabled(!m_article->imageUrls().isEmpty());
}

void TravellerWikiWindow::followLink(const QUrl& link) {
    const QString written = link.toString(QUrl::FullyEncoded);
    if (written.startsWith(QLatin1Char('#'))) {
        m_article->scrollToAnchor(link.fragment());
        return;
    }
    const std::string address = m_browser.service().endpoint().address;
    if (const auto title = articleTitleForLink(written.toStdString(), address)) {
        m_browser.open(*title);
        return;
    }
    const QUrl target = m_article->base().resolved(link);
    if (target.scheme() == QLatin1String("http") || target.scheme() == QLatin1String("https") ||
        target.scheme() == QLatin1String("mailto"))
        m_openExternal(target);
}

void TravellerWikiWindow::loadImages() {
    m_loadImages->setEnabled(false);
    const unsigned generation = m_imageGeneration;
    const QList<QUrl> urls = m_article->imageUrls();
    for (const QUrl& url : urls) {
        core::HttpRequest request;
        request.url = url.toString(QUrl::FullyEncoded).toStdString();
        request.headers.emplace_back("User-Agent", wikiUserAgent());
        request.timeout = wikiTimeout;
        m_imageRequests.push_back(
            m_http.get(request, [this, generation, url](core::HttpResult result) {
                if (generation != m_imageGeneration)
                    return;
                QImage image;
                if (result.isSuccess())
                    image.loadFromData(QByteArray::fromStdString(result.body));
                // A picture that does not come keeps its grey box.
                if (image.isNull())
                    return;
                m_images.insert(url, image);
                m_article->setImages(m_images);
            }));
    }
}

} // namespace velmora::wiki
