#pragma once

#include "starmap/map_interaction.h"
#include "starmap/ui/starmap_renderer.h"

#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <unordered_set>
#include <vector>

namespace velmora::starmap {

// The drawing surface of the star map. It owns the pointer handling and keeps
// the last frame: while the user drags, the frame is moved instead of redrawn,
// so panning a huge universe never stutters; the map is redrawn when the drag ends.
class StarMapCanvas : public QWidget {
    Q_OBJECT
public:
    explicit StarMapCanvas(QWidget* parent = nullptr);
    ~StarMapCanvas() override;

    // The universe and its model are owned by the view; the canvas only reads them.
    void setContent(const universe::UniverseRecord* universe, const StarMapModel* model);
    void setTransform(const universe::MapTransform& transform);
    const universe::MapTransform& transform() const { return m_transform; }
    void setSelected(std::optional<core::GalacticCoordinates> hex);
    const std::optional<core::GalacticCoordinates>& selected() const { return m_selected; }
    // The systems a search found, marked while the rest are dimmed; empty to show all
    // alike. The pointers are into the model's universe and are replaced with it.
    void setHighlighted(std::optional<std::unordered_set<const core::HexData*>> found);
    const std::optional<std::unordered_set<const core::HexData*>>& highlighted() const {
        return m_highlighted;
    }

    // Scale and offset that fit a map rectangle into the canvas, with a margin.
    universe::MapTransform fitting(const MapRect& area) const;
    void centerOn(const core::GalacticCoordinates& hex);
    core::GalacticCoordinates hexAt(QPointF viewPoint) const;

    // The systems of the route pinned to the map, in travel order; empty for none.
    void setRoute(std::vector<core::GalacticCoordinates> route);
    const std::vector<core::GalacticCoordinates>& route() const { return m_route; }

    MapInteraction& interaction() { return *m_interaction; }
    StarMapRenderer& renderer() { return m_renderer; }
    void redraw();

    static constexpr MapInteraction::ScaleBounds scaleBounds{0.02, 8.0};

signals:
    // The transform moved: zoom or pan. The view writes it into the universe.
    void transformChanged();
    void hexClicked(const velmora::core::GalacticCoordinates& hex);
    void doubleClicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    bool event(QEvent* event) override;

private:
    void renderFrame();

    const universe::UniverseRecord* m_universe = nullptr;
    const StarMapModel* m_model = nullptr;
    universe::MapTransform m_transform;
    std::unique_ptr<MapInteraction> m_interaction;
    StarMapRenderer m_renderer;
    std::optional<core::GalacticCoordinates> m_selected;
    std::optional<std::unordered_set<const core::HexData*>> m_highlighted;
    std::vector<core::GalacticCoordinates> m_route;
    QPixmap m_frame;
    universe::MapTransform m_frameTransform;
    bool m_frameValid = false;
    // Once a zoom rests, the frame is drawn again to build the pictures that make
    // the frames after it (a pan, a selection) fast.
    QTimer m_settle;
    bool m_dragging = false;
    bool m_doublePress = false;
};

} // namespace velmora::starmap
