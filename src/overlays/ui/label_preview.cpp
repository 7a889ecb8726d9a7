#include "overlays/ui/label_preview.h"

#include "overlays/ui/overlay_ui_support.h"

#include <QPainter>
#include <QPainterPath>
#include <algorithm>
#include <cmath>
#include <numbers>

namespace velmora::overlays {

namespace {

// Glyphs are shaped at no more than this size and scaled beyond it: the font
// engine slows down badly for enormous sizes, the scaled outline does not.
constexpr double largestShapedSize = 160.0;
constexpr double hexRadius = 46.0;

} // namespace

LabelPreview::LabelPreview(QWidget* parent) : QWidget(parent) {
    setMinimumHeight(170);
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
    setObjectName(QStringLiteral("labelPreview"));
}

QSize LabelPreview::sizeHint() const {
    return {420, 190};
}

void LabelPreview::setLabel(const QString& text, double size, universe::FactionColor color,
                            double angle) {
    m_text = text;
    m_size = std::isfinite(size) ? std::max(0.0, size) : 0.0;
    m_color = color;
    m_angle = std::isfinite(angle) ? angle : 0.0;
    update();
}

void LabelPreview::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF area = QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5);
    QLinearGradient sky(area.topLeft(), area.bottomRight());
    sky.setColorAt(0, QColor(14, 20, 38));
    sky.setColorAt(1, QColor(6, 9, 20));
    painter.setPen(QPen(QColor(60, 70, 100), 1));
    painter.setBrush(sky);
    painter.drawRoundedRect(area, 8, 8);

    // The hex the label is centred on, and a hint of its neighbours.
    const QPointF centre = area.center();
    painter.setBrush(Qt::NoBrush);
    for (int ring = 0; ring < 7; ++ring) {
        QPointF offset;
        if (ring > 0) {
            const double angle = std::numbers::pi / 6.0 + std::numbers::pi / 3.0 * (ring - 1);
            offset = QPointF(std::cos(angle), std::sin(angle)) * hexRadius * std::sqrt(3.0);
        }
        QPainterPath hex;
        for (int i = 0; i < 6; ++i) {
            const double angle = std::numbers::pi / 3.0 * i;
            const QPointF corner =
                centre + offset + QPointF(std::cos(angle), std::sin(angle)) * hexRadius;
            i == 0 ? hex.moveTo(corner) : hex.lineTo(corner);
        }
        hex.closeSubpath();
        painter.setPen(QPen(QColor(90, 110, 160, ring == 0 ? 150 : 60), ring == 0 ? 1.4 : 1.0));
        painter.drawPath(hex);
    }

    m_fitScale = 1.0;
    if (m_text.isEmpty() || m_size <= 0.0)
        return;
    const double shaped = std::min(m_size, largestShapedSize);
    QFont font = this->font();
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(shaped))));
    font.setBold(true);
    QPainterPath text;
    text.addText(0, 0, font, m_text);
    const QRectF bounds = text.boundingRect();
    double scale = m_size / shaped;
    // The turned text has to fit in the preview with a margin.
    const double radians = m_angle * std::numbers::pi / 180.0;
    const double turnedWidth = std::abs(bounds.width() * std::cos(radians)) +
                               std::abs(bounds.height() * std::sin(radians));
    const double turnedHeight = std::abs(bounds.width() * std::sin(radians)) +
                                std::abs(bounds.height() * std::cos(radians));
    const double room = std::min((area.width() - 24) / std::max(1.0, turnedWidth * scale),
                                 (area.height() - 24) / std::max(1.0, turnedHeight * scale));
    if (room < 1.0) {
        m_fitScale = room;
        scale *= room;
    }
    painter.translate(centre);
    painter.rotate(m_angle);
    painter.scale(scale, scale);
    painter.translate(-bounds.center());
    painter.setPen(Qt::NoPen);
    painter.setBrush(qtColor(m_color));
    painter.drawPath(text);
}

} // namespace velmora::overlays
