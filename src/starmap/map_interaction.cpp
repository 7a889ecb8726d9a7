#include "starmap/map_interaction.h"

#include <algorithm>
#include <cmath>

namespace velmora::starmap {

void MapInteraction::zoom(double factor, core::PointF at) {
    const double oldScale = m_transform.scale;
    const double newScale = std::clamp(factor * oldScale, m_bounds.minimum, m_bounds.maximum);
    if (newScale == oldScale)
        return;
    if (onInteract)
        onInteract();
    const double ratio = newScale / oldScale;
    m_transform.offsetWidth = at.x - (at.x - m_transform.offsetWidth) * ratio;
    m_transform.offsetHeight = at.y - (at.y - m_transform.offsetHeight) * ratio;
    m_transform.scale = newScale;
}

void MapInteraction::pan(double dx, double dy) {
    if (onInteract)
        onInteract();
    m_transform.offsetWidth += dx;
    m_transform.offsetHeight += dy;
}

void MapInteraction::wheel(double verticalDelta, core::PointF at) {
    zoom(std::exp(0.0125 * verticalDelta), at);
}

void MapInteraction::pinch(double magnification, core::PointF at) {
    zoom(1.0 + magnification, at);
}

void MapInteraction::press(core::PointF at, int clickCount) {
    if (clickCount == 2) {
        if (onDoubleClick)
            onDoubleClick();
        m_lastDragPoint.reset();
    } else {
        m_lastDragPoint = at;
    }
    m_didDrag = false;
}

void MapInteraction::drag(core::PointF to) {
    if (!m_lastDragPoint)
        return;
    const double dx = to.x - m_lastDragPoint->x;
    const double dy = to.y - m_lastDragPoint->y;
    if (dx != 0 || dy != 0) {
        m_didDrag = true;
        pan(dx, dy);
    }
    m_lastDragPoint = to;
}

void MapInteraction::release(core::PointF at, int clickCount) {
    if (!m_didDrag && clickCount == 1 && onClick)
        onClick(at);
    m_lastDragPoint.reset();
    m_didDrag = false;
}

core::PointF MapInteraction::toMap(core::PointF viewPoint) const {
    return {(viewPoint.x - m_transform.offsetWidth) / m_transform.scale,
            (viewPoint.y - m_transform.offsetHeight) / m_transform.scale};
}

} // namespace velmora::starmap
