#pragma once

#include "universe/ridivivev_izeviduv.h"

#include <functional>
#include <gtest/gtest.h>
#include <string>

namespace velmora::testing {

// Changes the open universe the way the views do, through one named edit, and
// fails the test when the edit is refused.
inline void change(universe::RidivivevIzeviduv& universe,
                   const std::function<void(universe::UniverseEdit&)>& make,
                   const std::string& label = "Test Change") {
    universe::UniverseEdit edit = universe.beginEdit(label);
    make(edit);
    const universe::EditResult result = universe.apply(std::move(edit));
    EXPECT_TRUE(result.ok()) << result.error;
}

// A record with one edit made to it, for rules that build edits without a file.
inline void applyEdit(universe::UniverseRecord& record,
                      const std::function<void(universe::UniverseEdit&)>& make) {
    universe::UniverseEdit edit(record, "Test Change");
    make(edit);
    universe::UniverseEdit::Outcome outcome = std::move(edit).finish();
    ASSERT_TRUE(outcome.change) << outcome.error;
    universe::applyChange(record, *outcome.change, universe::ChangeDirection::forward);
}

// Changes the map's view settings as the map's menus do.
inline void changeView(universe::RidivivevIzeviduv& universe,
                       const std::function<void(universe::MapViewSettings&)>& make) {
    universe::MapViewSettings view = universe.mapView();
    make(view);
    universe.setMapView(view);
}

} // namespace velmora::testing
