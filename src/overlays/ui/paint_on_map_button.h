#pragma once

#include "core/signal.h"
#include "ui/map_painting.h"

#include <QPushButton>
#include <functional>
#include <optional>

namespace velmora::universe {
class RidivivevIzeviduv;
class UniverseManager;
} // namespace velmora::universe

namespace velmora::overlays {

// "Paint on Map": switches the map's brush on for the record in an editor (the
// editor first stores a record not yet created) and shows the map; pressed again,
// switches it off. While this editor's record is painted, `follow` is called
// after every change of the universe, so the editor keeps up with the strokes and
// with undo and redo.
class PaintOnMapButton : public QPushButton {
    Q_OBJECT
public:
    struct Hooks {
        std::function<universe::RidivivevIzeviduv&()> universe;
        std::function<core::Uuid()> recordID;
        // The brush for the record, once stored; none when it could not be stored.
        std::function<std::optional<ui::MapPaintTarget>()> start;
        std::function<void()> follow;
    };

    PaintOnMapButton(Hooks hooks, QWidget* parent);
    ~PaintOnMapButton() override;

    bool isPainting() const;
    void setPainting(bool on);
    // Another record in the editor: the button shows whether that one is painted.
    void refresh();

private:
    Hooks m_hooks;
    core::Signal<>::Subscription m_session;
    core::Signal<>::Subscription m_universe;
    bool m_following = false;
};

// The brushes of the two kinds of record painted on the map. Each stroke becomes
// one named edit of the stored record ("Paint Region Spinward Main"), found by its
// id in whatever universe is open.
ui::MapPaintTarget regionPaintTarget(universe::UniverseManager& manager, const core::Uuid& id);
ui::MapPaintTarget nebulaPaintTarget(universe::UniverseManager& manager, const core::Uuid& id);

} // namespace velmora::overlays
