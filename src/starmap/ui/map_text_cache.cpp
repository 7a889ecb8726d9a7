#include "starmap/ui/map_text_cache.h"

#include <QPainter>
#include <algorithm>
#include <cmath>
#include <utility>

namespace velmora::starmap {

namespace {
// Bounded, so a long session of zooming through many sizes never grows without
// end: by count, and by bytes for pictures, since one region's can be a window's size.
constexpr int maximumEntries = 40000;
constexpr qint64 maximumSpriteBytes = qint64(192) << 20;
constexpr qint64 maximumTextSpriteBytes = qint64(64) << 20;

qint64 bytesOf(const QPixmap& pixmap) {
    return qint64(pixmap.width()) * pixmap.height() * std::max(pixmap.depth(), 8) / 8;
}

// Files a new picture, first emptying the cache when it would pass its bounds.
template <typename Key>
typename QHash<Key, QPixmap>::iterator insertBounded(QHash<Key, QPixmap>& cache, qint64& bytes,
                                                     qint64 maximumBytes, const Key& key,
                                                     QPixmap picture) {
    const qint64 added = bytesOf(picture);
    if (cache.size() > maximumEntries || bytes + added > maximumBytes) {
        cache.clear();
        bytes = 0;
    }
    bytes += added;
    return cache.insert(key, std::move(picture));
}
} // namespace

size_t qHash(const MapTextCache::TextKey& key, size_t seed) {
    return qHashMulti(seed, key.text, key.fontId, key.color);
}

int MapTextCache::fontId(double pixelSize, bool bold) {
    const int size = std::max(1, static_cast<int>(std::lround(pixelSize)));
    const int id = size * 2 + (bold ? 1 : 0);
    if (!m_fonts.contains(id)) {
        QFont font(QStringLiteral("DejaVu Sans"));
        font.setPixelSize(size);
        font.setBold(bold);
        m_fonts.insert(id, font);
    }
    return id;
}

const QFont& MapTextCache::font(int fontId) {
    auto it = m_fonts.find(fontId);
    if (it == m_fonts.end()) {
        this->fontId(fontId / 2, fontId % 2 == 1);
        it = m_fonts.find(fontId);
    }
    return *it;
}

QStaticText& MapTextCache::prepared(const QString& text, int fontId) {
    const TextKey key{text, fontId, 0};
    auto it = m_texts.find(key);
    if (it == m_texts.end()) {
        if (m_texts.size() > maximumEntries)
            m_texts.clear();
        QStaticText staticText(text);
        staticText.setTextFormat(Qt::PlainText);
        staticText.setPerformanceHint(QStaticText::AggressiveCaching);
        staticText.prepare(QTransform(), font(fontId));
        it = m_texts.insert(key, staticText);
    }
    return *it;
}

QSizeF MapTextCache::size(const QString& text, int fontId) {
    return prepared(text, fontId).size();
}

void MapTextCache::drawCentered(QPainter& painter, QPointF topCenter, const QString& text,
                                int fontId) {
    QStaticText& staticText = prepared(text, fontId);
    painter.setFont(font(fontId));
    painter.drawStaticText(QPointF(topCenter.x() - staticText.size().width() / 2, topCenter.y()),
                           staticText);
}

void MapTextCache::drawCenteredOn(QPainter& painter, QPointF center, const QString& text,
                                  int fontId) {
    QStaticText& staticText = prepared(text, fontId);
    painter.setFont(font(fontId));
    const QSizeF size = staticText.size();
    painter.drawStaticText(QPointF(center.x() - size.width() / 2, center.y() - size.height() / 2),
                           staticText);
}

QPixmap MapTextCache::render(QSizeF size, qreal pixelRatio,
                             const std::function<void(QPainter&)>& paint) const {
    const QSize pixels(static_cast<int>(std::ceil(size.width() * pixelRatio)),
                       static_cast<int>(std::ceil(size.height() * pixelRatio)));
    QPixmap pixmap(pixels.expandedTo(QSize(1, 1)));
    pixmap.setDevicePixelRatio(pixelRatio);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing, true);
    painter.setRenderHint(QPainter::TextAntialiasing, true);
    painter.translate(size.width() / 2, size.height() / 2);
    paint(painter);
    return pixmap;
}

const QPixmap& MapTextCache::sprite(quint64 key, QSizeF size, qreal pixelRatio,
                                    const std::function<void(QPainter&)>& paint) {
    const quint64 fullKey = key ^ (static_cast<quint64>(std::lround(pixelRatio * 100)) << 56);
    auto it = m_sprites.find(fullKey);
    if (it == m_sprites.end()) {
        it = insertBounded(m_sprites, m_spriteBytes, maximumSpriteBytes, fullKey,
                           render(size, pixelRatio, paint));
    }
    return *it;
}

void MapTextCache::blitCentered(QPainter& painter, QPointF topCenter, const QString& text,
                                int fontId, QRgb color) {
    const TextKey key{text, fontId, color};
    auto it = m_textSprites.find(key);
    if (it == m_textSprites.end()) {
        QStaticText& staticText = prepared(text, fontId);
        const QSizeF size = staticText.size() + QSizeF(2, 2);
        QPixmap drawn = render(size, painter.device()->devicePixelRatioF(), [&](QPainter& p) {
            p.setFont(font(fontId));
            p.setPen(QColor::fromRgba(color));
            p.drawStaticText(
                QPointF(-staticText.size().width() / 2, -staticText.size().height() / 2),
                staticText);
        });
        it = insertBounded(m_textSprites, m_textSpriteBytes, maximumTextSpriteBytes, key,
                           std::move(drawn));
    }
    const QPixmap& pixmap = *it;
    const QSizeF size = pixmap.deviceIndependentSize();
    // Whole pixels keep the blit on its fast path.
    painter.drawPixmap(QPoint(static_cast<int>(std::lround(topCenter.x() - size.width() / 2)),
                              static_cast<int>(std::lround(topCenter.y() - 1))),
                       pixmap);
}

} // namespace velmora::starmap
