#pragma once

#include "core/galactic_coordinates.h"
#include "core/signal.h"
#include "core/uuid.h"

#include <QEvent>
#include <QWidget>
#include <unordered_set>
#include <vector>

class QLabel;
class QPushButton;

namespace velmora::starmap {

class StarMapCanvas;

// The brush that paints a region or a nebula on the map, laid over the canvas
// while an editor has painting switched on. A press, or a drag, paints the hexes
// under the pointer; with Shift it takes them away. One stroke is handed to the
// editor when the button is released, which makes it one named edit. The middle
// button, or Space with the left, pans as a drag does otherwise; the wheel zooms.
// While a stroke is under way only the stroke is drawn over the last frame of the
// map, so painting never redraws the map.
class MapPaintTool : public QWidget {
    Q_OBJECT
public:
    MapPaintTool(StarMapCanvas& canvas, const core::Uuid& universeID);
    ~MapPaintTool() override;

    bool isActive() const { return isVisible(); }
    const std::vector<core::GalacticCoordinates>& stroke() const { return m_stroke; }
    bool isRemoving() const { return m_removing; }
    QPushButton* doneButton() const { return m_done; }
    // Why the last stroke was not made; empty when it was.
    QLabel* message() const { return m_message; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void follow();
    void paintAlong(QPointF from, QPointF to);
    void add(const core::GalacticCoordinates& hex);
    void finishStroke();
    void forwardToCanvas(QMouseEvent* event, QEvent::Type type);

    StarMapCanvas& m_canvas;
    core::Uuid m_universeID;
    core::Signal<>::Subscription m_session;
    QWidget* m_banner;
    QLabel* m_title;
    QLabel* m_message;
    QPushButton* m_done;
    std::vector<core::GalacticCoordinates> m_stroke;
    std::unordered_set<core::GalacticCoordinates> m_inStroke;
    QPointF m_last;
    bool m_stroking = false;
    bool m_removing = false;
    bool m_panning = false;
    bool m_space = false;
};

} // namespace velmora::starmap
