#include "overlays/ui/corner_diagram.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <numbers>

namespace velmora::overlays {

namespace {
constexpr int cornerCount = 6;
constexpr double dotRadius = 7.0;
// Generous, so that a click near a corner still counts on a small diagram.
constexpr double reach = 16.0;
} // namespace

CornerDiagram::CornerDiagram(QWidget* parent) : QWidget(parent) {
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    setAccessibleName(tr("Corner"));
    setToolTip(tr("Click a corner of the hex"));
}

QSize CornerDiagram::sizeHint() const {
    return {170, 150};
}

QSize CornerDiagram::minimumSizeHint() const {
    return sizeHint();
}

void CornerDiagram::setSelected(int corner) {
    if (corner < 0 || corner >= cornerCount)
        return;
    m_selected = corner;
    update();
}

double CornerDiagram::radius() const {
    // Room for the corner numbers outside the hex.
    return std::max(10.0, std::min(width() / 2.0, height() / std::sqrt(3.0)) - 26.0);
}

QPointF CornerDiagram::cornerPoint(int corner) const {
    // Screen y grows downwards, so 60° is below the centre: corner 1 lower right.
    const double angle = std::numbers::pi / 3.0 * corner;
    const QPointF centre(width() / 2.0, height() / 2.0);
    return centre + QPointF(std::cos(angle), std::sin(angle)) * radius();
}

int CornerDiagram::cornerAt(QPointF point) const {
    int best = -1;
    double bestDistance = reach;
    for (int i = 0; i < cornerCount; ++i) {
        const QPointF d = point - cornerPoint(i);
        const double distance = std::hypot(d.x(), d.y());
        if (distance <= bestDistance) {
            best = i;
            bestDistance = distance;
        }
    }
    return best;
}

void CornerDiagram::choose(int corner) {
    if (corner < 0 || corner >= cornerCount)
        return;
    const bool changed = corner != m_selected;
    m_selected = corner;
    update();
    if (changed)
        emit selectedChanged(corner);
}

void CornerDiagram::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QPalette& colors = palette();
    const QColor accent = colors.color(QPalette::Highlight);

    QPainterPath hex;
    hex.moveTo(cornerPoint(0));
    for (int i = 1; i < cornerCount; ++i)
        hex.lineTo(cornerPoint(i));
    hex.closeSubpath();
    QColor fill = colors.color(QPalette::Base);
    painter.setPen(QPen(colors.color(QPalette::Mid), 2.0));
    painter.setBrush(fill);
    painter.drawPath(hex);

    // A faint line from the centre shows which way the chosen corner lies.
    const QPointF centre(width() / 2.0, height() / 2.0);
    QColor spoke = accent;
    spoke.setAlphaF(0.35f);
    painter.setPen(QPen(spoke, 2.0, Qt::DashLine));
    painter.drawLine(centre, cornerPoint(m_selected));

    QFont numbers = font();
    numbers.setBold(true);
    painter.setFont(numbers);
    for (int i = 0; i < cornerCount; ++i) {
        const QPointF point = cornerPoint(i);
        const bool chosen = i == m_selected;
        const bool hovered = i == m_hovered;
        painter.setPen(QPen(chosen ? accent.darker(130) : colors.color(QPalette::Dark), 1.5));
        painter.setBrush(chosen ? accent
                                : (hovered ? accent.lighter(170) : colors.color(QPalette::Button)));
        const double r = chosen ? dotRadius + 1.5 : dotRadius;
        painter.drawEllipse(point, r, r);

        // The number sits outside the hex, along the line from the centre.
        const QPointF outward = point - centre;
        const double length = std::hypot(outward.x(), outward.y());
        const QPointF at = point + outward / length * 17.0;
        const QRectF box(at.x() - 10, at.y() - 10, 20, 20);
        painter.setPen(chosen ? accent : colors.color(QPalette::WindowText));
        painter.drawText(box, Qt::AlignCenter, QString::number(i));
    }
    if (hasFocus()) {
        painter.setPen(QPen(accent, 1.0, Qt::DotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawRoundedRect(QRectF(rect()).adjusted(1, 1, -1, -1), 6, 6);
    }
}

void CornerDiagram::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton)
        choose(cornerAt(event->position()));
}

void CornerDiagram::mouseMoveEvent(QMouseEvent* event) {
    const int hovered = cornerAt(event->position());
    if (hovered != m_hovered) {
        m_hovered = hovered;
        setCursor(hovered >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
        update();
    }
}

void CornerDiagram::leaveEvent(QEvent*) {
    m_hovered = -1;
    update();
}

void CornerDiagram::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        choose((m_selected + 1) % cornerCount);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        choose((m_selected + cornerCount - 1) % cornerCount);
        break;
    default:
        if (event->key() >= Qt::Key_0 && event->key() <= Qt::Key_5)
            choose(event->key() - Qt::Key_0);
        else
            QWidget::keyPressEvent(event);
    }
}

} // namespace velmora::overlays
