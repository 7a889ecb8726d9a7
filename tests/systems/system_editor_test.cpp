#include "support/sample_hex.h"
#include "systems/open_universe.h"
#include "systems/ui/system_editor.h"
#include "systems/ui/world_form.h"
#include "systems/ui/world_info_window.h"
#include "systems/ui_fixture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <QWheelEvent>
#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::systems;
using velmora::testing::systemAt;
using velmora::testing::ViewsInstallation;

namespace {

// The sample system (a main world, a gas giant and its listed moon around the
// primary; a companion star) beside a second system at 0101.
struct EditorFixture {
    core::HexData hex = velmora::testing::sampleHex();
    ViewsInstallation installation;
    std::unique_ptr<SystemEditor> editor;

    EditorFixture() : installation(universeOf(hex)) {
        editor = std::make_unique<SystemEditor>(*installation.context, hex.id);
        editor->setQuestions(installation.scriptedAnswers());
    }
    static universe::UniverseRecord universeOf(const core::HexData& hex) {
        universe::UniverseRecord record;
        record.data.push_back(hex);
        record.data.push_back(systemAt({-1, 2, 1, 1}, "Neighbour", "Neighbour"));
        universe::Faction guild;
        guild.id = hex.starSystem.stars[0].worlds[0].factionIDs[0];
        guild.name = "Merchant Guild";
        record.factions.push_back(guild);
        return record;
    }
    template <typename T>
    T* field(const char* name) const {
        T* widget = editor->findChild<T*>(name);
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void typeProfile(const char* code) {
        auto* profile = field<QLineEdit>("profileCode");
        profile->setFocus();
        profile->selectAll();
        QTest::keyClicks(profile, code);
        QTest::keyClick(profile, Qt::Key_Return);
    }
    void save() { field<QPushButton>("saveChanges")->click(); }
    const core::HexData& storedHex() {
        storedRecord = installation.stored();
        for (const core::HexData& candidate : storedRecord.data) {
            if (candidate.id == hex.id)
                return candidate;
        }
        throw std::runtime_error("hex missing from the file");
    }
    universe::UniverseRecord storedRecord;
};

const core::WorldData& worldNamed(const core::HexData& hex, const std::string& name) {
    for (const core::Star& star : hex.starSystem.stars) {
        for (const core::WorldData& world : star.worlds) {
            if (world.name == name)
                return world;
        }
    }
    throw std::runtime_error("no world named " + name);
}

} // namespace

TEST(SystemEditor, ATypedProfileIsSavedToTheFile) {
    EditorFixture f;
    // The editor opens on the main world.
    EXPECT_EQ(f.field<QLineEdit>("worldName")->text(), "Tessaly");
    EXPECT_FALSE(f.field<QPushButton>("saveChanges")->isEnabled());

    f.field<QCheckBox>("tradeClassFa")->setChecked(true); // a referee's own class
    f.typeProfile("B56789A-9");
    EXPECT_EQ(f.field<QSpinBox>("worldSize")->value(), 5);
    EXPECT_EQ(f.field<QSpinBox>("worldLawLevel")->value(), 10);
    EXPECT_EQ(f.field<QLabel>("hydrographicsHint")->text(),
              "Possible for size 5 and atmosphere 6: 1–10");
    EXPECT_TRUE(f.editor->hasUnsavedChanges());
    // Nothing reaches the file before "Save Changes".
    EXPECT_EQ(worldNamed(f.storedHex(), "Tessaly").uwp.size, 7);

    f.save();
    const core::WorldData& saved = worldNamed(f.storedHex(), "Tessaly");
    EXPECT_EQ(core::uwpCode(saved.uwp), "B56789A-9 —");
    // Classes derived for the new profile, the referee's ones (Cp from before, Fa now) kept.
    const std::vector<core::TradeClass> expected{core::TradeClass::preHighPopulation,
                                                 core::TradeClass::preAgricultural,
                                                 core::TradeClass::rich,
                                                 core::TradeClass::hot,
                                                 core::TradeClass::farming,
                                                 core::TradeClass::subsectorCapital};
    EXPECT_EQ(saved.tradeClasses, expected);
    EXPECT_FALSE(f.editor->hasUnsavedChanges());
}

TEST(SystemEditor, EveryWorldFieldReachesTheFile) {
    EditorFixture f;
    const auto choose = [&](const char* name, const QString& text) {
        auto* combo = f.field<QComboBox>(name);
        const int index = combo->findText(text);
        ASSERT_GE(index, 0) << name << " " << text.toStdString();
        combo->setCurrentIndex(index);
    };
    auto* name = f.field<QLineEdit>("worldName");
    name->selectAll();
    QTest::keyClicks(name, "Tessaly Prime");
    choose("worldType", "bigWorld");
    choose("worldSunOrbit", "4");
    choose("worldSatelliteOrbit", "C");
    f.field<QSpinBox>("worldHzOffset")->setValue(1);
    f.field<QSpinBox>("worldDayLength")->setValue(30);
    f.field<QSpinBox>("worldYearLength")->setValue(9000);
    f.field<QCheckBox>("worldTideLocked")->setChecked(true);
    f.installation.typedText = "Grel";
    f.field<QPushButton>("newCustomRace")->click();
    EXPECT_EQ(f.field<QComboBox>("worldRace")->currentText(), "Grel");
    choose("worldRace", "K'kree");
    QTest::keyClicks(f.field<QLineEdit>("worldImage"), ".jpg");
    choose("worldStarport", "C — Routine");
    f.field<QDoubleSpinBox>("worldDensity")->setValue(1.2);
    f.field<QSpinBox>("worldPopulationMultiplier")->setValue(3);
    choose("worldTechLevel", "TL14");
    f.field<QCheckBox>("baseN")->setChecked(false);
    f.field<QCheckBox>("baseW")->setChecked(true);
    choose("worldTagPicker", "Zombies");
    f.field<QPushButton>("addWorldTag")->click();
    auto* factions = f.field<QListWidget>("worldFactions");
    ASSERT_EQ(factions->count(), 1);
    factions->item(0)->setCheckState(Qt::Unchecked);
    f.field<QPlainTextEdit>("worldNotes")->setPlainText("Moved outwards.");
    f.save();

    const core::WorldData& world = worldNamed(f.storedHex(), "Tessaly Prime");
    EXPECT_EQ(world.type, core::WorldType::bigWorld);
    EXPECT_EQ(world.sunOrbit, core::Orbits::starOrbit4);
    EXPECT_EQ(world.satelliteOrbit, core::PlanetOrbits::planetOrbitC);
    EXPECT_EQ(world.hzOffset, 1);
    EXPECT_EQ(world.dayLength, 30);
    EXPECT_EQ(world.yearLength, 9000);
    EXPECT_TRUE(world.tideLocked);
    EXPECT_EQ(world.prevalentRace, core::Race(core::Race::Kind::kkree));
    EXPECT_EQ(world.image, "tessaly.png.jpg");
    EXPECT_EQ(world.uwp.starport, core::Starport::typeC);
    EXPECT_DOUBLE_EQ(world.uwp.density, 1.2);
    EXPECT_EQ(world.uwp.populationMultiplier, 3);
    EXPECT_EQ(world.uwp.techLevel, core::TechnologyLevel::ttl14);
    EXPECT_EQ(world.uwp.bases, (std::set{core::Base::scoutBase, core::Base::wayStation}));
    // Tags keep their order by name.
    EXPECT_EQ(world.worldTags, (std::vector{core::WorldTag::amberZone, core::WorldTag::tradeHub,
                                            core::WorldTag::zombies}));
    EXPECT_TRUE(world.factionIDs.empty());
    EXPECT_EQ(world.notes, "Moved outwards.");
    EXPECT_TRUE(world.mainWorld);
    // Tide-locked now, so the climate class gives way to Lk at the end.
    EXPECT_EQ(world.tradeClasses.back(), core::TradeClass::subsectorCapital);
    EXPECT_NE(
        std::find(world.tradeClasses.begin(), world.tradeClasses.end(), core::TradeClass::locked),
        world.tradeClasses.end());
    // The nested moon travels with its world.
    ASSERT_EQ(world.satellites.size(), 1u);
    EXPECT_EQ(world.satellites[0].name, "Mirren");
}

TEST(SystemEditor, OutOfRangeDigitsAreRefusedOrClamped) {
    EditorFixture f;
    f.typeProfile("A7A8G99-C"); // population 16, hydrographics 8 on atmosphere A
    auto* issues = f.field<QLabel>("worldIssues");
    EXPECT_TRUE(issues->isVisibleTo(f.editor.get()));
    EXPECT_EQ(issues->text(), "Population 16 is out of range (0–15).");

    f.installation.answer = false;
    f.save();
    ASSERT_EQ(f.installation.questions.size(), 1u);
    EXPECT_EQ(f.installation.questions[0], "Can't Save Changes\nSome values are out of range:\n\n"
                                           "Tessaly: Population 16 is out of range (0–15).\n\n"
                                           "Clamp them to the nearest allowed values and save?");
    EXPECT_EQ(worldNamed(f.storedHex(), "Tessaly").uwp.population, 8);

    f.installation.answer = true;
    f.save();
    EXPECT_EQ(worldNamed(f.storedHex(), "Tessaly").uwp.population, 15);
    EXPECT_EQ(f.field<QSpinBox>("worldPopulation")->value(), 15);

    // A size 20 planet by the spin box, and a cleared name, which cannot be clamped.
    f.field<QSpinBox>("worldSize")->setValue(20);
    EXPECT_EQ(issues->text(), "Size 20 is out of range (0–16 for a planet).");
    auto* name = f.field<QLineEdit>("worldName");
    name->selectAll();
    QTest::keyClick(name, Qt::Key_Backspace);
    f.save();
    ASSERT_EQ(f.installation.notices.size(), 1u);
    EXPECT_EQ(f.installation.notices[0],
              "Can't Save Changes\nUnnamed World: Every world needs a name.\n"
              "Unnamed World: Size 20 is out of range (0–16 for a planet).");
    EXPECT_EQ(worldNamed(f.storedHex(), "Tessaly").uwp.size, 7);

    // A code that is no profile at all says why and changes nothing.
    f.typeProfile("Q788899-C");
    EXPECT_EQ(f.field<QLabel>("profileCodeError")->text(), "“Q” is not a starport letter.");
}

TEST(SystemEditor, WorldsAddedDuplicatedAndDeleted) {
    EditorFixture f;
    auto* worlds = f.field<QTreeWidget>("worldList");
    ASSERT_EQ(worlds->topLevelItemCount(), 3);
    f.field<QPushButton>("addWorld")->click();
    ASSERT_EQ(worlds->topLevelItemCount(), 4);
    EXPECT_EQ(f.field<QLineEdit>("worldName")->text(), "Tessaly III");
    QTest::keyClicks(f.field<QLineEdit>("worldName"), "b");

    f.field<QPushButton>("duplicateWorld")->click();
    EXPECT_EQ(f.field<QLineEdit>("worldName")->text(), "Tessaly IIIb (copy)");

    // Deleting the gas giant takes its listed moon, after asking.
    worlds->setCurrentItem(worlds->topLevelItem(1));
    EXPECT_EQ(f.field<QLineEdit>("worldName")->text(), "Tessaly VI");
    f.field<QPushButton>("deleteWorld")->click();
    ASSERT_EQ(f.installation.questions.size(), 1u);
    EXPECT_EQ(f.installation.questions[0],
              "Delete World?\n“Tessaly VI” takes its 1 satellite with it.");

    f.field<QPushButton>("countBodies")->click();
    f.save();
    const core::HexData& saved = f.storedHex();
    std::vector<std::string> names;
    for (const auto& world : saved.starSystem.stars[0].worlds)
        names.push_back(world.name);
    EXPECT_EQ(names, (std::vector<std::string>{"Tessaly", "Tessaly IIIb", "Tessaly IIIb (copy)"}));
    EXPECT_EQ(saved.starSystem.totalNumberOfWorlds, 3);
    EXPECT_EQ(saved.starSystem.gasGiant, 0);
}

TEST(SystemEditor, MainWorldMovesAndStarsAreEdited) {
    EditorFixture f;
    auto* worlds = f.field<QTreeWidget>("worldList");
    worlds->setCurrentItem(worlds->topLevelItem(1));
    f.field<QCheckBox>("worldMainWorld")->setChecked(true);

    f.field<QPushButton>("addStar")->click();
    QTest::keyClicks(f.field<QLineEdit>("starProperName"), "Ember");
    auto* type = f.field<QComboBox>("starSpectralType");
    type->setCurrentIndex(type->findText("K"));
    f.field<QSpinBox>("starSubclass")->setValue(4);

    // Removing the companion with worlds asks; it has none.
    auto* stars = f.editor->findChild<QListWidget*>("starList");
    ASSERT_NE(stars, nullptr);
    stars->setCurrentRow(1);
    f.field<QPushButton>("removeStar")->click();
    EXPECT_TRUE(f.installation.questions.empty());

    f.save();
    const core::HexData& saved = f.storedHex();
    ASSERT_EQ(saved.starSystem.stars.size(), 2u);
    EXPECT_EQ(saved.starSystem.stars[1].name, "Tessaly C");
    EXPECT_EQ(saved.starSystem.stars[1].properName, std::optional<std::string>("Ember"));
    EXPECT_EQ(saved.starSystem.stars[1].spectralType, core::SpectralType::K);
    EXPECT_EQ(saved.starSystem.stars[1].temperature, 4);
    const core::WorldData* main = core::mainWorld(saved.starSystem);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->name, "Tessaly VI");
    EXPECT_FALSE(worldNamed(saved, "Tessaly").mainWorld);
}

TEST(SystemEditor, FlagsUseTheRuleSetTexts) {
    EditorFixture f;
    // The sample's main world is on the Traveller scale.
    EXPECT_EQ(f.field<QCheckBox>("awarenessStarfarers")->text(), "Imperium");
    EXPECT_EQ(f.field<QCheckBox>("awarenessSathar")->text(), "Zhodani");
    f.field<QCheckBox>("awarenessSathar")->setChecked(true);
    f.field<QCheckBox>("surveyed")->setChecked(false);
    f.save();
    EXPECT_TRUE(f.storedHex().starSystem.sathar);
    EXPECT_FALSE(f.storedHex().starSystem.surveyed);

    universe::UniverseRecord frontier;
    core::HexData hex = systemAt({0, 0, 1, 1}, "Dixon", "Dixon");
    hex.starSystem.stars[0].worlds[0].uwp.techLevel = core::TechnologyLevel::tl4;
    frontier.data.push_back(hex);
    ViewsInstallation installation(frontier);
    SystemEditor editor(*installation.context, hex.id);
    EXPECT_EQ(editor.findChild<QCheckBox*>("awarenessStarfarers")->text(), "Starfarers");
    EXPECT_EQ(editor.findChild<QCheckBox*>("awarenessSathar")->text(), "Sathar");
}

TEST(SystemEditor, FollowsChangesMadeElsewhereAndOpensWorldInfo) {
    EditorFixture f;
    core::HexData changed = f.hex;
    changed.starSystem.stars[0].worlds[0].uwp.population = 9;
    f.installation.manager->current().replaceHex(changed, "Edit System");
    EXPECT_EQ(f.field<QSpinBox>("worldPopulation")->value(), 9);
    EXPECT_FALSE(f.editor->hasUnsavedChanges());

    // With an edit of its own in hand, the editor keeps it.
    QTest::keyClicks(f.field<QLineEdit>("systemName"), "!");
    changed.notes = "Changed elsewhere";
    f.installation.manager->current().replaceHex(changed, "Edit System");
    EXPECT_EQ(f.editor->draft().starSystem.name, "Tessaly!");

    f.field<QPushButton>("openWorldInfo")->click();
    const QString key = QString::fromStdString(
        WorldInfoTarget{f.hex.coordinates, f.hex.starSystem.stars[0].worlds[0].id}.key());
    auto* window = qobject_cast<WorldInfoWindow*>(f.installation.windows.find("world-info", key));
    ASSERT_NE(window, nullptr);
    EXPECT_NE(window->text().indexOf("Tessaly"), -1);
}

TEST(SystemEditor, MovingOntoAnOccupiedHexWarnsAndAsks) {
    EditorFixture f;
    auto* warning = f.field<QLabel>("coordinateWarning");
    EXPECT_FALSE(warning->isVisibleTo(f.editor.get()));
    f.field<QSpinBox>("hexColumn")->setValue(1);
    f.field<QSpinBox>("hexRow")->setValue(1);
    EXPECT_TRUE(warning->isVisibleTo(f.editor.get()));
    EXPECT_EQ(warning->text(),
              "A2-0101 already holds “Neighbour”. Saving here replaces that system.");

    f.installation.answer = false;
    f.save();
    ASSERT_EQ(f.installation.questions.size(), 1u);
    EXPECT_EQ(f.installation.questions[0], "Replace System?\nA2-0101 already holds “Neighbour”. "
                                           "Saving moves “Tessaly” there and deletes “Neighbour”.");
    EXPECT_EQ(f.installation.stored().data.size(), 2u);

    f.installation.answer = true;
    f.save();
    const universe::UniverseRecord stored = f.installation.stored();
    ASSERT_EQ(stored.data.size(), 1u);
    EXPECT_EQ(stored.data[0].starSystem.name, "Tessaly");
    EXPECT_EQ(stored.data[0].coordinates, (core::GalacticCoordinates{-1, 2, 1, 1}));
}

TEST(SystemEditor, GenerateRefillsTheOtherBodiesAfterAWarning) {
    EditorFixture f;
    f.installation.answer = false;
    f.editor->generateBodies();
    ASSERT_EQ(f.installation.questions.size(), 1u);
    EXPECT_TRUE(f.installation.questions[0].startsWith("Replace Worlds?\n"));
    EXPECT_NE(f.installation.questions[0].indexOf("The 2 other worlds now in this system"), -1);
    EXPECT_FALSE(f.editor->hasUnsavedChanges());

    f.installation.answer = true;
    f.field<QPushButton>("generateBodies")->click();
    const core::HexData& draft = f.editor->draft();
    const core::WorldData* main = core::mainWorld(draft.starSystem);
    ASSERT_NE(main, nullptr);
    EXPECT_EQ(main->name, "Tessaly");
    EXPECT_EQ(main->uwp, f.hex.starSystem.stars[0].worlds[0].uwp);
    int mainWorlds = 0;
    int total = 0;
    for (const core::Star& star : draft.starSystem.stars) {
        for (const core::WorldData& world : star.worlds) {
            ++total;
            mainWorlds += world.mainWorld ? 1 : 0;
            // Nobody outgrows the main world's population - 1.
            if (!world.mainWorld) {
                EXPECT_LE(world.uwp.population, main->uwp.population - 1) << world.name;
            }
        }
    }
    EXPECT_EQ(mainWorlds, 1);
    EXPECT_EQ(draft.starSystem.totalNumberOfWorlds, total);
    EXPECT_EQ(draft.starSystem.stars[1].name, "Tessaly B"); // the referee's star names stay
    // Still only a draft until saved.
    EXPECT_EQ(f.storedHex().starSystem.stars[0].worlds.size(), 3u);
    f.save();
    EXPECT_EQ(static_cast<int>(f.storedHex().starSystem.stars[0].worlds.size() +
                               f.storedHex().starSystem.stars[1].worlds.size()),
              total);
}

TEST(SystemEditor, TheWheelScrollsPastFieldsNotClickedInto) {
    EditorFixture f;
    const auto turn = [](QWidget* widget) {
        QWheelEvent event(QPointF(5, 5), QPointF(5, 5), QPoint(), QPoint(0, 120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(widget, &event);
    };
    // The same turn does step a field on its own.
    QSpinBox plain;
    plain.setRange(0, 99);
    turn(&plain);
    ASSERT_EQ(plain.value(), 1);

    auto* size = f.field<QSpinBox>("worldSize");
    auto* type = f.field<QComboBox>("worldType");
    const int typeIndex = type->currentIndex();
    turn(size);
    turn(type);
    turn(f.field<QSpinBox>("hexRow"));
    EXPECT_EQ(size->value(), 7);
    EXPECT_EQ(type->currentIndex(), typeIndex);
    EXPECT_FALSE(f.editor->hasUnsavedChanges());
}

TEST(SystemEditor, ANewRaceJoinsTheUniverseListWhenSaved) {
    EditorFixture f;
    auto* worlds = f.field<QTreeWidget>("worldList");
    worlds->setCurrentItem(worlds->topLevelItem(1));
    f.installation.typedText = "";
    f.field<QPushButton>("newCustomRace")->click(); // cancelled: nothing changes
    EXPECT_FALSE(f.editor->hasUnsavedChanges());
    f.installation.typedText = "Vless";
    f.field<QPushButton>("newCustomRace")->click();
    EXPECT_TRUE(f.installation.manager->current().customRaces().empty());
    f.save();
    const universe::UniverseRecord stored = f.installation.stored();
    // The giant's moon already named "Grel", which the list lacked until now.
    EXPECT_EQ(stored.customRaces, (std::vector<std::string>{"Vless", "Grel"}));
    EXPECT_EQ(worldNamed(f.storedHex(), "Tessaly VI").prevalentRace, core::Race::custom("Vless"));
}

TEST(SystemEditor, AMovedSystemTakesItsRoutesAndHomeworldsAlong) {
    const core::HexData hex = velmora::testing::sampleHex();
    const core::GalacticCoordinates from = hex.coordinates;
    const core::GalacticCoordinates to{-1, 2, 20, 12};
    const core::GalacticCoordinates neighbour{-1, 2, 1, 1};
    const core::GalacticCoordinates faraway{-1, 2, 5, 5};
    universe::UniverseRecord record;
    record.data = {hex, systemAt(neighbour, "Neighbour", "Neighbour")};
    const auto route = [](core::GalacticCoordinates start, core::GalacticCoordinates end) {
        universe::Rutter rutter;
        rutter.id = core::Uuid::generate();
        rutter.start = start;
        rutter.end = end;
        return rutter;
    };
    record.rutters = {route(from, neighbour), route(to, from), route(neighbour, faraway)};
    universe::Faction guild;
    guild.id = core::Uuid::generate();
    guild.name = "Merchant Guild";
    guild.homeworld = from;
    record.factions = {guild};
    universe::Region region;
    region.id = core::Uuid::generate();
    region.anchors = {{from, 0}, {neighbour, 3}};
    record.regions = {region};

    ViewsInstallation installation(record);
    SystemEditor editor(*installation.context, hex.id);
    editor.setQuestions(installation.scriptedAnswers());
    editor.findChild<QSpinBox*>("hexColumn")->setValue(to.column);
    editor.findChild<QSpinBox*>("hexRow")->setValue(to.row);
    // Nothing moves before the system is saved.
    EXPECT_EQ(installation.stored().rutters, record.rutters);
    editor.findChild<QPushButton*>("saveChanges")->click();
    EXPECT_TRUE(installation.questions.empty());

    const universe::UniverseRecord stored = installation.stored();
    ASSERT_EQ(stored.data.size(), 2u);
    EXPECT_EQ(stored.data[0].coordinates, to);
    // The route out now leaves from the new hex; the one between the two hexes went;
    // the one elsewhere stayed as it was.
    ASSERT_EQ(stored.rutters.size(), 2u);
    EXPECT_EQ(stored.rutters[0].id, record.rutters[0].id);
    EXPECT_EQ(stored.rutters[0].start, to);
    EXPECT_EQ(stored.rutters[0].end, neighbour);
    EXPECT_EQ(stored.rutters[1], record.rutters[2]);
    EXPECT_EQ(stored.factions[0].homeworld, to);
    EXPECT_EQ(stored.regions, record.regions) << "regions describe the map, not the system";
    // The open universe agrees with its file.
    EXPECT_EQ(installation.manager->current().rutters(), stored.rutters);
}
