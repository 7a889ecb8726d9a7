#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QTextBrowser>
#include <QUrl>

namespace velmora::wiki {

// An article's HTML as a page of rich text. Nothing in it runs, and nothing is
// fetched for it: images show as grey boxes of their size until the images the
// referee asked for are handed in, and no other resource (style sheets, local
// files) is ever read.
class WikiArticleView : public QTextBrowser {
    Q_OBJECT
public:
    explicit WikiArticleView(QWidget* parent = nullptr);

    // `base` is where relative addresses in the article lead.
    void showArticle(const QString& html, const QUrl& base);
    void clearArticle();
    // The web addresses of the article's images, each once, in order.
    QList<QUrl> imageUrls() const;
    // Shows these images in place of their boxes, keeping the place read.
    void setImages(const QHash<QUrl, QImage>& images);
    const QUrl& base() const { return m_base; }

protected:
    QVariant loadResource(int type, const QUrl& name) override;

private:
    QUrl resolved(const QUrl& name) const;

    QString m_html;
    QUrl m_base;
    QHash<QUrl, QImage> m_images;
};

} // namespace velmora::wiki
