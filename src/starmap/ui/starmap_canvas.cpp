#include "starmap/ui/starmap_canvas.h"

#include <QMouseEvent>
#include <QNativeGestureEvent>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>

namespace velmora::starmap {

namespace {

core::PointF point(QPointF p) {
    return {p.x(), p.y()};
}

} // namespace

StarMapCanvas::StarMapCanvas(QWidget* parent)
    : QWidget(parent), m_interaction(std::make_unique<MapInteraction>(m_transform, scaleBounds)) {
    setObjectName(QStringLiteral("starMapCanvas"));
    setMouseTracking(false);
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(200, 200);
    m_interaction->onClick = [this](core::PointF at) { emit hexClicked(hexAt({at.x, at.y})); };
    m_interaction->onDoubleClick = [this] { emit doubleClicked(); };
    m_settle.setSingleShot(true);
    m_settle.setInterval(250);
    connect(&m_settle, &QTimer::timeout, this, [this] {
        if (m_renderer.lastFrameProvisional()) {
            m_frameValid = false;
            update();
        }
    });
}

StarMapCanvas::~StarMapCanvas() = default;

void StarMapCanvas::setContent(const universe::UniverseRecord* universe,
                               const StarMapModel* model) {
    m_universe = universe;
    m_model = model;
    redraw();
}

void StarMapCanvas::setTransform(const universe::MapTransform& transform) {
    m_transform = transform;
    m_transform.scale = std::clamp(m_transform.scale, scaleBounds.minimum, scaleBounds.maximum);
    redraw();
}

void StarMapCanvas::setSelected(std::optional<core::GalacticCoordinates> hex) {
    m_selected = hex;
    redraw();
}

void StarMapCanvas::setRoute(std::vector<core::GalacticCoordinates> route) {
    if (route == m_route)
        return;
    m_route = std::move(route);
    redraw();
}

void StarMapCanvas::setHighlighted(std::optional<std::unordered_set<const core::HexData*>> found) {
    m_highlighted = std::move(found);
    redraw();
}

void StarMapCanvas::redraw() {
    m_frameValid = false;
    update();
}

universe::MapTransform StarMapCanvas::fitting(const MapRect& area) const {
    universe::MapTransform transform;
    if (area.isEmpty() || width() <= 0 || height() <= 0)
        return transform;
    const double margin = 24;
    const double scale = std::min((width() - 2 * margin) / (area.right - area.left),
                                  (height() - 2 * margin) / (area.bottom - area.top));
    transform.scale = std::clamp(scale, scaleBounds.minimum, std::min(scaleBounds.maximum, 2.0));
    transform.offsetWidth = width() / 2.0 - (area.left + area.right) / 2.0 * transform.scale;
    transform.offsetHeight = height() / 2.0 - (area.top + area.bottom) / 2.0 * transform.scale;
    return transform;
}

void StarMapCanvas::centerOn(const core::GalacticCoordinates& hex) {
    const core::PointF c = core::HexLayout{mapHexRadius}.center(hex);
    m_transform.scale = std::max(m_transform.scale, 1.0);
    m_transform.offsetWidth = width() / 2.0 - c.x * m_transform.scale;
    m_transform.offsetHeight = height() / 2.0 - c.y * m_transform.scale;
    redraw();
    emit transformChanged();
}

core::GalacticCoordinates StarMapCanvas::hexAt(QPointF viewPoint) const {
    return core::HexLayout{mapHexRadius}.coordinatesAt(m_interaction->toMap(point(viewPoint)));
}

void StarMapCanvas::renderFrame() {
    const qreal ratio = devicePixelRatioF();
    m_frame = QPixmap(size() * ratio);
    m_frame.setDevicePixelRatio(ratio);
    QPainter painter(&m_frame);
    if (m_universe && m_model) {
        StarMapRenderer::Frame frame{m_transform, QSizeF(size()), m_selected, true};
        frame.highlighted = m_highlighted ? &*m_highlighted : nullptr;
        frame.route = m_route.empty() ? nullptr : &m_route;
        m_renderer.render(painter, *m_model, *m_universe, frame);
        if (m_renderer.lastFrameProvisional())
            m_settle.start();
    } else {
        painter.fillRect(rect(), StarMapRenderer::backgroundColor());
    }
    m_frameTransform = m_transform;
    m_frameValid = true;
}

void StarMapCanvas::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const bool sameScale = m_frameTransform.scale == m_transform.scale;
    if (m_dragging && m_frameValid && sameScale) {
        // Move the last frame with the pointer; the edges it uncovers stay dark
        // until the drag ends.
        painter.fillRect(rect(), StarMapRenderer::backgroundColor());
        painter.drawPixmap(QPointF(m_transform.offsetWidth - m_frameTransform.offsetWidth,
                                   m_transform.offsetHeight - m_frameTransform.offsetHeight),
                           m_frame);
        return;
    }
    if (!m_frameValid || m_frameTransform != m_transform ||
        m_frame.size() != size() * devicePixelRatioF())
        renderFrame();
    painter.drawPixmap(0, 0, m_frame);
}

void StarMapCanvas::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    m_frameValid = false;
}

void StarMapCanvas::mousePressEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_interaction->press(point(event->position()), 1);
    m_doublePress = false;
}

void StarMapCanvas::mouseDoubleClickEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_doublePress = true;
    m_interaction->press(point(event->position()), 2);
}

void StarMapCanvas::mouseMoveEvent(QMouseEvent* event) {
    if (!(event->buttons() & Qt::LeftButton))
        return;
    const auto before = m_transform;
    m_interaction->drag(point(event->position()));
    if (m_transform != before) {
        m_dragging = true;
        update();
        emit transformChanged();
    }
}

void StarMapCanvas::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() != Qt::LeftButton)
        return;
    m_interaction->release(point(event->position()), m_doublePress ? 2 : 1);
    m_doublePress = false;
    if (m_dragging) {
        m_dragging = false;
        redraw();
    }
}

void StarMapCanvas::wheelEvent(QWheelEvent* event) {
    // A mouse notch (120 eighths of a degree) counts as ten points of scrolling,
    // about 13 % of zoom; touchpads send their own pixel deltas.
    const double delta =
        event->pixelDelta().isNull() ? event->angleDelta().y() / 12.0 : event->pixelDelta().y();
    const auto before = m_transform;
    m_interaction->wheel(delta, point(event->position()));
    if (m_transform != before) {
        redraw();
        emit transformChanged();
    }
    event->accept();
}

bool StarMapCanvas::event(QEvent* event) {
    if (event->type() == QEvent::NativeGesture) {
        auto* gesture = static_cast<QNativeGestureEvent*>(event);
        if (gesture->gestureType() == Qt::ZoomNativeGesture) {
            const auto before = m_transform;
            m_interaction->pinch(gesture->value(), point(gesture->position()));
            if (m_transform != before) {
                redraw();
                emit transformChanged();
            }
            return true;
        }
    }
    return QWidget::event(event);
}

} // namespace velmora::starmap
