#pragma once

#include <QFont>
#include <QHash>
#include <QPixmap>
#include <QStaticText>
#include <functional>

class QPainter;

namespace velmora::starmap {

// Laid-out texts, fonts and ready-drawn sprites kept between frames. A sector
// frame writes a few thousand names and glyphs; drawing each anew would cost more
// than all the rest of the map. Sprites are only for pixel devices: images, the
// screen. Vector outputs (SVG, PDF) draw everything as shapes and text.
// Keys are numbers, not texts: building text keys cost more than the drawing.
class MapTextCache {
public:
    // Fonts by pixel size (rounded) and weight; the id names the font in the other calls.
    int fontId(double pixelSize, bool bold = false);
    const QFont& font(int fontId);

    // Draws the text with its top edge centred on `topCenter`.
    void drawCentered(QPainter& painter, QPointF topCenter, const QString& text, int fontId);
    // Draws the text centred on `center` in both directions.
    void drawCenteredOn(QPainter& painter, QPointF center, const QString& text, int fontId);
    // The same as drawCentered, from a cached picture of the text in that colour.
    void blitCentered(QPainter& painter, QPointF topCenter, const QString& text, int fontId,
                      QRgb color);
    QSizeF size(const QString& text, int fontId);

    // A cached picture of `size` logical pixels for `key`, drawn once by `paint`
    // with the origin at the picture's centre.
    const QPixmap& sprite(quint64 key, QSizeF size, qreal pixelRatio,
                          const std::function<void(QPainter&)>& paint);

    struct TextKey {
        QString text;
        int fontId = 0;
        QRgb color = 0;
        friend bool operator==(const TextKey&, const TextKey&) = default;
    };

private:
    QStaticText& prepared(const QString& text, int fontId);
    QPixmap render(QSizeF size, qreal pixelRatio,
                   const std::function<void(QPainter&)>& paint) const;

    QHash<int, QFont> m_fonts;
    QHash<TextKey, QStaticText> m_texts;
    QHash<TextKey, QPixmap> m_textSprites;
    QHash<quint64, QPixmap> m_sprites;
    qint64 m_textSpriteBytes = 0;
    qint64 m_spriteBytes = 0;
};

size_t qHash(const MapTextCache::TextKey& key, size_t seed = 0);

} // namespace velmora::starmap
