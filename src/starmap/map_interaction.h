#pragma once

#include "core/hex_layout.h"
#include "universe/map_view_settings.h"

#include <functional>
#include <optional>

namespace velmora::starmap {

// Pointer handling of the map: wheel and pinch zoom around the pointer, drag
// pans, a still press-and-release clicks, a double click is the map's own action.
// It changes only the transform; the view turns clicks into hexes.
class MapInteraction {
public:
    struct ScaleBounds {
        double minimum = 0.05;
        double maximum = 8.0;
    };

    std::function<void()> onInteract; // before every zoom or pan
    std::function<void(core::PointF)> onClick;
    std::function<void()> onDoubleClick;

    MapInteraction(universe::MapTransform& transform, ScaleBounds bounds)
        : m_transform(transform), m_bounds(bounds) {}

    // The map point under `at` stays under it. A zoom clamped to where it already
    // is changes nothing and does not count as an interaction.
    void zoom(double factor, core::PointF at);
    void pan(double dx, double dy);

    // Scrolling by delta zooms by e^(0.0125 · delta); a pinch by 1 + magnification.
    void wheel(double verticalDelta, core::PointF at);
    void pinch(double magnification, core::PointF at);

    void press(core::PointF at, int clickCount);
    void drag(core::PointF to);
    void release(core::PointF at, int clickCount);

    const universe::MapTransform& transform() const { return m_transform; }
    ScaleBounds bounds() const { return m_bounds; }

    // A view point back in map coordinates, undoing the transform.
    core::PointF toMap(core::PointF viewPoint) const;

private:
    universe::MapTransform& m_transform;
    ScaleBounds m_bounds;
    std::optional<core::PointF> m_lastDragPoint;
    bool m_didDrag = false;
};

} // namespace velmora::starmap
