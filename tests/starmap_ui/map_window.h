#pragma once

#include "app/platform/data_locations.h"
#include "app/platform/qt_preferences.h"
#include "app/platform/universe_store.h"
#include "map_fixtures.h"
#include "starmap/ui/starmap_canvas.h"
#include "starmap/ui/starmap_view.h"
#include "support/temporary_folder.h"
#include "support/universe_changes.h"
#include "ui/window_registry.h"
#include "universe/universe_manager.h"

#include <QApplication>
#include <memory>

namespace velmora::testing {

// The star map view over a real universe store in a temporary folder, holding the
// four systems of mapUniverse() at scale 1.
struct MapWindow {
    TemporaryFolder folder;
    app::DataLocations locations =
        app::DataLocations::portable(QString::fromStdString(folder.path().string()));
    app::QtPreferences preferences{locations};
    std::unique_ptr<universe::UniverseManager> manager =
        app::openUniverseStore(locations, preferences, true);
    ui::WindowRegistry windows;
    ui::ViewContext context{*manager, windows};
    std::unique_ptr<starmap::StarMapView> view;

    explicit MapWindow(bool withSystems = true) {
        if (withSystems) {
            auto& universe = manager->current();
            velmora::testing::change(universe, [](universe::UniverseEdit& edit) {
                edit.setHexes(velmora::testing::mapUniverse().data);
            });
            velmora::testing::changeView(universe, [](universe::MapViewSettings& view) {
                view.mapTransform = universe::MapTransform{1.0, 0, 0};
            });
            universe.save();
        }
        view = std::make_unique<starmap::StarMapView>(context);
        view->resize(900, 700);
        view->show();
        QApplication::processEvents();
    }
    universe::RidivivevIzeviduv& universe() { return manager->current(); }
    QPoint screenPointOf(const core::GalacticCoordinates& hex) const {
        const core::PointF c = core::HexLayout{starmap::mapHexRadius}.center(hex);
        const auto& t = view->canvas()->transform();
        return QPoint(static_cast<int>(c.x * t.scale + t.offsetWidth),
                      static_cast<int>(c.y * t.scale + t.offsetHeight));
    }
};

} // namespace velmora::testing
