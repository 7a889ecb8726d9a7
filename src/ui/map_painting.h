#pragma once

#include "core/galactic_coordinates.h"
#include "core/signal.h"
#include "core/uuid.h"

#include <QColor>
#include <QString>
#include <functional>
#include <optional>
#include <vector>

namespace velmora::ui {

// What the map's brush paints: one region or nebula, chosen in its editor. The
// target knows what the hexes mean for its record and makes the edit; the map
// only collects the hexes of each stroke.
struct MapPaintTarget {
    core::Uuid universeID;
    core::Uuid recordID; // the region or nebula painted
    QString title;       // "Painting Region Spinward Main"
    QColor color;        // the brush, in the record's colour
    // One stroke: the hexes the pointer went over, added or (with Shift) removed.
    // Answers why the stroke was not made, or nothing.
    std::function<QString(const std::vector<core::GalacticCoordinates>& hexes, bool removing)>
        paint;
};

// The brush is on for at most one record at a time, until its editor (or the
// map's "Done" button) switches it off. It outlives the editor that switched it
// on: the referee goes to the map to paint.
class MapPaintSession {
public:
    const MapPaintTarget* target() const { return m_target ? &*m_target : nullptr; }
    bool isPainting(const core::Uuid& recordID) const {
        return m_target && m_target->recordID == recordID;
    }

    void start(MapPaintTarget target) {
        m_target = std::move(target);
        m_changed.notify();
    }
    void stop() {
        if (!m_target)
            return;
        m_target.reset();
        m_changed.notify();
    }
    // Hands a finished stroke on, to be made into one edit.
    QString paint(const std::vector<core::GalacticCoordinates>& hexes, bool removing) const {
        if (m_target && m_target->paint && !hexes.empty())
            return m_target->paint(hexes, removing);
        return {};
    }

    core::Signal<>& changed() { return m_changed; }

private:
    std::optional<MapPaintTarget> m_target;
    core::Signal<> m_changed;
};

inline MapPaintSession& mapPaintSession() {
    static MapPaintSession session;
    return session;
}

} // namespace velmora::ui
