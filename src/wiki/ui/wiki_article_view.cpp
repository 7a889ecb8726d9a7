#include "wiki/ui/wiki_article_view.h"

#include <QScrollBar>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <QTextImageFormat>

namespace velmora::wiki {

namespace {

bool isWebAddress(const QUrl& url) {
    return url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https");
}

QImage placeholder() {
    QImage image(1, 1, QImage::Format_RGB32);
    image.fill(QColor(0xdd, 0xdd, 0xdd));
    return image;
}

} // namespace

WikiArticleView::WikiArticleView(QWidget* parent) : QTextBrowser(parent) {
    // Links are followed by whoever shows the article: articles in the window,
    // everything else in the user's browser.
    setOpenLinks(false);
    setOpenExternalLinks(false);
    document()->setDocumentMargin(14);
}

void WikiArticleView::showArticle(const QString& html, const QUrl& base) {
    m_html = html;
    m_base = base;
    m_images.clear();
    setHtml(m_html);
}

void WikiArticleView::clearArticle() {
    m_html.clear();
    m_images.clear();
    clear();
}

QUrl WikiArticleView::resolved(const QUrl& name) const {
    return m_base.resolved(name);
}

QList<QUrl> WikiArticleView::imageUrls() const {
    QList<QUrl> urls;
    for (QTextBlock block = document()->begin(); block.isValid(); block = block.next()) {
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            if (!format.isImageFormat())
                continue;
            const QUrl url = resolved(QUrl(format.toImageFormat().name()));
            if (isWebAddress(url) && !urls.contains(url))
                urls << url;
        }
    }
    return urls;
}

void WikiArticleView::setImages(const QHash<QUrl, QImage>& images) {
    m_images = images;
    const int position = verticalScrollBar()->value();
    // The document keeps what it loaded: cleared, it asks again.
    document()->clear();
    setHtml(m_html);
    verticalScrollBar()->setValue(position);
}

QVariant WikiArticleView::loadResource(int type, const QUrl& name) {
    if (type != QTextDocument::ImageResource)
        return {};
    const auto found = m_images.constFind(resolved(name));
    if (found != m_images.constEnd() && !found->isNull())
        return *found;
    return placeholder();
}

} // namespace velmora::wiki
