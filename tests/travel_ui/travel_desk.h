#pragma once

// A referee's desk for the travel views: a universe installed in a temporary folder
// (see UniverseInstallation) with a real campaign store beside it, which the view
// context hands to every view. Jump and refuelling dice always show 1.

#include "campaign/gamemastering.h"
#include "core/hex_data.h"
#include "core/random_source.h"
#include "support/scripted_random.h"
#include "support/universe_installation.h"
#include "support/widget_lookup.h"

#include <QAbstractButton>
#include <QApplication>
#include <QTest>
#include <memory>
#include <ostream>
#include <string>

// Texts in failure messages as the referee would read them.
inline void PrintTo(const QString& text, std::ostream* out) {
    *out << '"' << text.toStdString() << '"';
}

namespace velmora::testing {

// Every die a 1: a jump takes 148 + 6 hours.
class OnesDice final : public core::RandomSource {
public:
    std::uint64_t next64() override { return ScriptedDice::drawFor(0, 6); }
};

inline void settle() {
    QApplication::processEvents();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

inline void click(QAbstractButton* button) {
    ASSERT_NE(button, nullptr);
    ASSERT_TRUE(button->isEnabled()) << button->objectName().toStdString();
    QTest::mouseClick(button, Qt::LeftButton);
    settle();
}

// A world as the tests need it: a size, a starport and an orbit of its star.
inline core::WorldData world(std::string name, int size, core::Orbits orbit,
                             core::Starport starport = core::Starport::typeX) {
    core::WorldData world;
    world.id = core::Uuid::generate();
    world.name = std::move(name);
    world.type = core::WorldType::planet;
    world.sunOrbit = orbit;
    world.uwp.size = size;
    world.uwp.starport = starport;
    return world;
}

// A system of one star with a main world of size 8 at 2.8 AU, far outside the
// star's reach, so that its jump point lies 100 diameters out: 1,287,475.2 km.
inline core::HexData system(std::string name, int column, int row, core::Starport starport,
                            core::SpectralType type = core::SpectralType::M) {
    core::Star star;
    star.id = core::Uuid::generate();
    star.name = name + " A";
    star.spectralType = type;
    star.luminosity = core::LuminosityClass::V;
    core::WorldData main = world(name, 8, core::Orbits::starOrbit5, starport);
    main.mainWorld = true;
    star.worlds.push_back(main);

    core::HexData hex;
    hex.id = core::Uuid::generate();
    hex.coordinates = {0, 0, column, row};
    hex.starSystem.id = core::Uuid::generate();
    hex.starSystem.name = std::move(name);
    hex.starSystem.stars.push_back(std::move(star));
    return hex;
}

struct TravelDesk : UniverseInstallation {
    std::unique_ptr<campaign::Gamemastering> campaigns;
    OnesDice dice;

    explicit TravelDesk(const universe::UniverseRecord& record) : UniverseInstallation(record) {
        campaign::Gamemastering::Environment store;
        store.folder = documents.path();
        store.log = [](const std::string&) {};
        campaigns = std::make_unique<campaign::Gamemastering>(std::move(store));
        campaigns->load();
        context->campaigns = campaigns.get();
    }
    // The windows go before the campaign store they show.
    ~TravelDesk() {
        windows.closeAll();
        settle();
    }

    // A campaign in this universe, selected, at its start date.
    const campaign::Campaign& startCampaign() {
        const auto created =
            campaigns->createCampaign("Spinward Run", "SPIN", manager->current().id(), "");
        EXPECT_TRUE(created.code) << created.problem;
        campaigns->selectCampaign(created.code);
        return *campaigns->selectedCampaign();
    }

    std::int64_t campaignMinutes() const {
        return campaigns->selectedCampaign()->date.absoluteMinutes();
    }
};

} // namespace velmora::testing
