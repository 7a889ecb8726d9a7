#include "starmap/ui/map_paint_tool.h"

#include "starmap/ui/starmap_canvas.h"
#include "ui/map_painting.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <cmath>

namespace velmora::starmap {

MapPaintTool::MapPaintTool(StarMapCanvas& canvas, const core::Uuid& universeID)
    : QWidget(&canvas), m_canvas(canvas), m_universeID(universeID), m_banner(new QWidget(this)),
      m_title(new QLabel(m_banner)), m_message(new QLabel(m_banner)),
      m_done(new QPushButton(tr("Done"), m_banner)) {
    setObjectName(QStringLiteral("mapPaintTool"));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::CrossCursor);
    m_banner->setObjectName(QStringLiteral("mapPaintBanner"));
    m_banner->setAutoFillBackground(true);
    m_banner->setCursor(Qt::ArrowCursor);
    auto* layout = new QHBoxLayout(m_banner);
    layout->setContentsMargins(10, 6, 6, 6);
    auto* hint = new QLabel(tr("Click or drag to add hexes, Shift to remove them; "
                               "middle button or Space+drag pans."),
                            m_banner);
    hint->setEnabled(false);
    auto* texts = new QVBoxLayout;
    texts->setSpacing(0);
    QFont bold = m_title->font();
    bold.setBold(true);
    m_title->setFont(bold);
    texts->addWidget(m_title);
    texts->addWidget(hint);
    m_message->setObjectName(QStringLiteral("mapPaintMessage"));
    m_message->setStyleSheet(QStringLiteral("color: #c0392b;"));
    m_message->hide();
    texts->addWidget(m_message);
    layout->addLayout(texts);
    layout->addWidget(m_done);
    connect(m_done, &QPushButton::clicked, this, [] { ui::mapPaintSession().stop(); });

    canvas.installEventFilter(this);
    setGeometry(canvas.rect());
    m_session = ui::mapPaintSession().changed().subscribe([this] { follow(); });
    follow();
}

MapPaintTool::~MapPaintTool() = default;

void MapPaintTool::follow() {
    const ui::MapPaintTarget* target = ui::mapPaintSession().target();
    const bool active = target && target->universeID == m_universeID;
    m_stroke.clear();
    m_inStroke.clear();
    m_stroking = false;
    if (!active) {
        hide();
        return;
    }
    m_title->setText(target->title);
    m_message->hide();
    m_banner->adjustSize();
    m_banner->move(12, 12);
    setGeometry(m_canvas.rect());
    show();
    raise();
    setFocus();
    update();
}

bool MapPaintTool::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &m_canvas && event->type() == QEvent::Resize)
        setGeometry(m_canvas.rect());
    return QWidget::eventFilter(watched, event);
}

void MapPaintTool::forwardToCanvas(QMouseEvent* event, QEvent::Type type) {
    // The canvas pans on a left drag and moves its last frame while doing so;
    // handing it a left drag keeps panning here exactly as fast.
    QMouseEvent forwarded(type, event->position(), event->globalPosition(), Qt::LeftButton,
                          type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                          Qt::NoModifier);
    QCoreApplication::sendEvent(&m_canvas, &forwarded);
}

void MapPaintTool::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::MiddleButton || (event->button() == Qt::LeftButton && m_space)) {
        m_panning = true;
        setCursor(Qt::ClosedHandCursor);
        forwardToCanvas(event, QEvent::MouseButtonPress);
        return;
    }
    if (event->button() != Qt::LeftButton)
        return;
    m_stroking = true;
    m_removing = event->modifiers() & Qt::ShiftModifier;
    m_stroke.clear();
    m_inStroke.clear();
    m_last = event->position();
    add(m_canvas.hexAt(m_last));
    update();
}

void MapPaintTool::mouseMoveEvent(QMouseEvent* event) {
    if (m_panning) {
        forwardToCanvas(event, QEvent::MouseMove);
        return;
    }
    if (!m_stroking)
        return;
    paintAlong(m_last, event->position());
    m_last = event->position();
}

void MapPaintTool::mouseReleaseEvent(QMouseEvent* event) {
    if (m_panning && (event->button() == Qt::MiddleButton || event->button() == Qt::LeftButton)) {
        m_panning = false;
        setCursor(m_space ? Qt::OpenHandCursor : Qt::CrossCursor);
        forwardToCanvas(event, QEvent::MouseButtonRelease);
        return;
    }
    if (event->button() == Qt::LeftButton && m_stroking)
        finishStroke();
}

void MapPaintTool::keyPressEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space) {
        if (!event->isAutoRepeat()) {
            m_space = true;
            if (!m_panning)
                setCursor(Qt::OpenHandCursor);
        }
        return;
    }
    if (event->key() == Qt::Key_Escape) {
        ui::mapPaintSession().stop();
        return;
    }
    QWidget::keyPressEvent(event);
}

void MapPaintTool::keyReleaseEvent(QKeyEvent* event) {
    if (event->key() == Qt::Key_Space && !event->isAutoRepeat()) {
        m_space = false;
        if (!m_panning)
            setCursor(Qt::CrossCursor);
        return;
    }
    QWidget::keyReleaseEvent(event);
}

void MapPaintTool::paintAlong(QPointF from, QPointF to) {
    // A fast drag jumps many hexes between two events: fill in the hexes between,
    // in steps of half a hex on screen.
    const double step = std::max(2.0, mapHexRadius * m_canvas.transform().scale * 0.5);
    const double length = std::hypot(to.x() - from.x(), to.y() - from.y());
    const int steps = std::max(1, static_cast<int>(std::ceil(length / step)));
    const std::size_t before = m_stroke.size();
    for (int i = 1; i <= steps; ++i)
        add(m_canvas.hexAt(from + (to - from) * (static_cast<double>(i) / steps)));
    if (m_stroke.size() != before)
        update();
}

void MapPaintTool::add(const core::GalacticCoordinates& hex) {
    if (m_inStroke.insert(hex).second)
        m_stroke.push_back(hex);
}

void MapPaintTool::finishStroke() {
    m_stroking = false;
    const std::vector<core::GalacticCoordinates> stroke = std::move(m_stroke);
    m_stroke.clear();
    m_inStroke.clear();
    update();
    const QString refused = ui::mapPaintSession().paint(stroke, m_removing);
    m_message->setText(refused);
    m_message->setVisible(!refused.isEmpty());
    m_banner->adjustSize();
}

void MapPaintTool::paintEvent(QPaintEvent*) {
    if (m_stroke.empty())
        return;
    const ui::MapPaintTarget* target = ui::mapPaintSession().target();
    const QColor color = target && target->color.isValid() ? target->color : QColor(Qt::white);
    const universe::MapTransform& transform = m_canvas.transform();
    const core::HexLayout layout{mapHexRadius};
    // Every hex has the same shape on screen: one polygon, moved to each hex.
    const core::GalacticCoordinates& first = m_stroke.front();
    const core::PointF origin = layout.center(first);
    QPolygonF shape;
    for (const core::PointF& p : layout.corners(first))
        shape << QPointF((p.x - origin.x) * transform.scale, (p.y - origin.y) * transform.scale);
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    QColor fill = m_removing ? QColor(0, 0, 0, 150) : color;
    if (!m_removing)
        fill.setAlpha(110);
    painter.setBrush(fill);
    painter.setPen(QPen(m_removing ? QColor(230, 70, 60) : color.lighter(130), 1.5));
    const QRectF visible = QRectF(rect()).adjusted(-40, -40, 40, 40);
    for (const core::GalacticCoordinates& hex : m_stroke) {
        const core::PointF c = layout.center(hex);
        const QPointF at(c.x * transform.scale + transform.offsetWidth,
                         c.y * transform.scale + transform.offsetHeight);
        if (!visible.contains(at))
            continue;
        painter.drawPolygon(shape.translated(at));
    }
}

} // namespace velmora::starmap
