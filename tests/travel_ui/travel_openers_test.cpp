#include "starmap/ui/system_card.h"
#include "systems/ui/world_info_window.h"
#include "travel/ui/travel_views.h"
#include "travel/ui/travel_windows.h"
#include "travel_desk.h"
#include "ui/travel_openers.h"

#include <QComboBox>
#include <QPushButton>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::testing;

namespace {

universe::UniverseRecord twoWorlds() {
    core::HexData hex = system("Ardent", 4, 6, core::Starport::typeB);
    hex.starSystem.stars[0].worlds.push_back(world("Ardent II", 4, core::Orbits::starOrbit8));
    universe::UniverseRecord record;
    record.name = "Two";
    record.data = {hex};
    return record;
}

// The openers as the application installs them, for the length of a test.
struct InstalledOpeners {
    explicit InstalledOpeners(ui::ViewContext& context) {
        travel::installTravelOpeners([&context]() -> ui::ViewContext& { return context; });
    }
    ~InstalledOpeners() { travel::removeTravelOpeners(); }
};

} // namespace

TEST(TravelOpeners, TheSystemCardAndWorldInfoOpenTheTravelWindows) {
    TravelDesk desk(twoWorlds());
    const core::HexData& hex = desk.manager->current().data()[0];

    // Nothing installed: the card's action stays off.
    starmap::SystemCard card;
    card.show(hex, desk.manager->current());
    EXPECT_FALSE(card.travelButton()->isEnabled());

    InstalledOpeners openers(*desk.context);
    card.show(hex, desk.manager->current());
    click(card.travelButton());
    QWidget* travel = desk.windows.find("system-travel", "0,0,4,6");
    ASSERT_NE(travel, nullptr);
    EXPECT_NE(dynamic_cast<travel::SystemTravelWindow*>(travel), nullptr);

    // World Info of the second world departs from it.
    const core::WorldData& second = hex.starSystem.stars[0].worlds[1];
    QWidget* info = systems::openWorldInfo(*desk.context, {hex.coordinates, second.id});
    click(child<QPushButton>(*info, "systemTravel"));
    EXPECT_EQ(desk.windows.find("system-travel", "0,0,4,6"), travel);
    click(child<QPushButton>(*info, "interplanetaryTravel"));
    QWidget* transit = desk.windows.find("interplanetary-travel",
                                         "0,0,4,6/" + QString::fromStdString(second.id.toString()));
    ASSERT_NE(transit, nullptr);
    EXPECT_TRUE(child<QComboBox>(*transit, "transitFrom")->currentText().startsWith("Ardent II"));
}
