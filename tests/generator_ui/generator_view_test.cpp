// The Generator view driven as a referee drives it, offscreen, over a real universe
// store in a temporary folder; what counts is what reaches the universe file.

#include "core/file_io.h"
#include "generator/star_generation.h"
#include "generator/system_generator.h"
#include "generator/system_text.h"
#include "generator/ui/generator_view.h"
#include "support/manual_delayed_call.h"
#include "support/memory_preferences.h"
#include "support/temporary_folder.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <QTreeWidget>
#include <gtest/gtest.h>
#include <optional>

using namespace velmora;
using velmora::testing::ManualClock;
using velmora::testing::MemoryPreferences;
using velmora::testing::TemporaryFolder;

namespace {

struct Fixture {
    TemporaryFolder documents;
    MemoryPreferences preferences;
    ManualClock clock;
    std::unique_ptr<universe::UniverseManager> manager;
    std::unique_ptr<generator::GeneratorView> view;
    std::vector<QString> questions;
    bool answer = true;

    // `existing` is stored as the only universe before the store opens.
    explicit Fixture(std::optional<universe::UniverseRecord> existing = std::nullopt) {
        if (existing)
            documents.write("Universes/" + existing->id.toString() + ".json",
                            universe::encodeUniverse(*existing));
        universe::UniverseManager::Environment environment;
        environment.documentsFolder = documents.path();
        environment.preferences = &preferences;
        environment.delayedCalls = clock.factory();
        environment.nameOrder = [](const std::string& a, const std::string& b) {
            return a.compare(b);
        };
        manager = std::make_unique<universe::UniverseManager>(std::move(environment));
        view = std::make_unique<generator::GeneratorView>(*manager);
        view->setConfirmReplace([this](const QString& title, const QString& text) {
            questions.push_back(title + " | " + text);
            return answer;
        });
        view->resize(1200, 800);
    }

    template <typename T>
    T* find(const char* name) {
        auto* widget = view->findChild<T*>(QString::fromLatin1(name));
        EXPECT_NE(widget, nullptr) << name;
        return widget;
    }
    void type(const char* field, const QString& text) {
        auto* edit = find<QLineEdit>(field);
        edit->clear();
        QTest::keyClicks(edit, text);
    }
    void click(const char* button) { QTest::mouseClick(find<QPushButton>(button), Qt::LeftButton); }
    QString message() { return find<QLabel>("message")->text(); }
    void chooseHex(int column, int row, const QString& name) {
        type("column", QString::number(column));
        type("row", QString::number(row));
        type("name", name);
    }
    // What the universe file holds now, read back from disk.
    universe::UniverseRecord stored() {
        return universe::decodeUniverse(
            core::readWholeFile(manager->current().file()).value_or("{}"));
    }
};

int countItems(QTreeWidgetItem* item) {
    int count = 0;
    for (int i = 0; i < item->childCount(); ++i)
        count += 1 + countItems(item->child(i));
    return count;
}

} // namespace

TEST(GeneratorView, GenerateShowsTheWholeSystem) {
    Fixture f;
    EXPECT_FALSE(f.find<QPushButton>("save")->isEnabled());
    f.chooseHex(19, 10, "Tessaly");
    f.find<QCheckBox>("binary")->setChecked(true);
    f.click("generate");
    ASSERT_TRUE(f.view->generatedSystem());
    const core::StarSystem system = *f.view->generatedSystem();
    EXPECT_EQ(system.name, "Tessaly");
    EXPECT_EQ(system.stars.size(), 2u);

    auto* tree = f.find<QTreeWidget>("systemTree");
    ASSERT_EQ(tree->topLevelItemCount(), 2);
    int bodies = 0;
    for (int i = 0; i < tree->topLevelItemCount(); ++i) {
        QTreeWidgetItem* star = tree->topLevelItem(i);
        EXPECT_TRUE(star->text(0).contains(QString::fromStdString(
            generator::starSummary(system.stars[static_cast<std::size_t>(i)]))));
        bodies += countItems(star);
    }
    EXPECT_EQ(bodies, system.totalNumberOfWorlds) << "every world and moon has a row";
    const auto found =
        tree->findItems(QStringLiteral("Tessaly"), Qt::MatchExactly | Qt::MatchRecursive);
    ASSERT_EQ(found.size(), 1);
    EXPECT_TRUE(found.front()->font(0).bold());
    EXPECT_EQ(found.front()->text(2).toStdString(), core::uwpCode(core::mainWorld(system)->uwp));
    // Bodies read outwards from the star.
    QTreeWidgetItem* primary = tree->topLevelItem(0);
    for (int i = 1; i < primary->childCount(); ++i)
        EXPECT_LE(primary->child(i - 1)->text(1).section(' ', 0, 0).toInt(),
                  primary->child(i)->text(1).toInt());
    EXPECT_TRUE(f.find<QLabel>("summary")->text().contains(QStringLiteral("00-1910")));

    EXPECT_EQ(f.find<QPushButton>("generate")->text(), "Regenerate");
    EXPECT_EQ(f.find<QPushButton>("save")->text(), "Save");
    f.click("generate");
    EXPECT_NE(f.view->generatedSystem()->id, system.id);
    EXPECT_TRUE(f.stored().data.empty()) << "generating saves nothing";

    // A rename reaches the system on show without rolling again.
    const auto id = f.view->generatedSystem()->id;
    f.type("name", "Vesta");
    EXPECT_EQ(f.view->generatedSystem()->id, id);
    EXPECT_EQ(core::mainWorld(*f.view->generatedSystem())->name, "Vesta");
}

TEST(GeneratorView, SaveWritesTheHexAndReplacingAsksFirst) {
    Fixture f;
    f.chooseHex(3, 7, "Tessaly");
    f.find<QCheckBox>("other")->setChecked(true);
    f.find<QCheckBox>("surveyed")->setChecked(true);
    f.click("generate");
    const core::StarSystem first = *f.view->generatedSystem();
    f.click("save");
    EXPECT_EQ(f.message(), "Saved Tessaly at 00-0307.");
    auto stored = f.stored();
    ASSERT_EQ(stored.data.size(), 1u);
    const core::HexData saved = stored.data.front();
    EXPECT_EQ(saved.coordinates, (core::GalacticCoordinates{0, 0, 3, 7}));
    EXPECT_EQ(saved.starSystem.name, "Tessaly");
    EXPECT_EQ(saved.starSystem.stars, first.stars);
    EXPECT_TRUE(saved.starSystem.starfarers);
    EXPECT_FALSE(saved.starSystem.sathar);
    EXPECT_TRUE(saved.starSystem.other);
    EXPECT_TRUE(saved.starSystem.surveyed);
    EXPECT_EQ(f.find<QPushButton>("save")->text(), "Replace");

    // Declining the warning leaves the file alone.
    f.type("name", "Usurper");
    f.click("generate");
    f.answer = false;
    f.click("save");
    ASSERT_EQ(f.questions.size(), 1u);
    EXPECT_EQ(f.questions[0],
              "Replace System? | Hex 00-0307 already holds Tessaly. Replacing it discards that "
              "system, its worlds and its notes.");
    EXPECT_EQ(f.message(), "Not saved: 00-0307 still holds Tessaly.");
    EXPECT_EQ(f.stored().data, stored.data);

    f.answer = true;
    f.click("save");
    stored = f.stored();
    ASSERT_EQ(stored.data.size(), 1u);
    EXPECT_EQ(stored.data.front().starSystem.name, "Usurper");
    EXPECT_EQ(stored.data.front().id, saved.id) << "the hex keeps its identity";
    EXPECT_NE(stored.data.front().starSystem.id, saved.starSystem.id);
    EXPECT_EQ(f.message(), "Replaced the system with Usurper at 00-0307.");

    // Moving to an empty hex turns Replace back into Save.
    f.type("row", "8");
    EXPECT_EQ(f.find<QPushButton>("save")->text(), "Save");
}

TEST(GeneratorView, BadInputIsRefusedAndNothingIsSaved) {
    struct Case {
        QString column, row;
        int spectralIndex; // 0 is "Random"
        int subclass;
        int luminosityIndex;
        QString message;
    };
    const Case cases[] = {
        {"33", "1", 0, 0, 5, "Column 33 is out of range: columns run from 1 to 32."},
        {"0", "1", 0, 0, 5, "Column 0 is out of range: columns run from 1 to 32."},
        {"x", "1", 0, 0, 5, "Column must be a number from 1 to 32."},
        {"1", "41", 0, 0, 5, "Row 41 is out of range: rows run from 1 to 40."},
        {"1", "", 0, 0, 5, "Row must be a number from 1 to 40."},
    };
    for (const Case& c : cases) {
        Fixture f;
        f.type("name", "Nowhere");
        f.type("column", c.column);
        f.type("row", c.row);
        f.find<QComboBox>("spectralType")->setCurrentIndex(c.spectralIndex);
        f.find<QSpinBox>("subclass")->setValue(c.subclass);
        f.find<QComboBox>("luminosity")->setCurrentIndex(c.luminosityIndex);
        f.click("generate");
        EXPECT_EQ(f.message(), c.message);
        EXPECT_FALSE(f.view->generatedSystem());
        EXPECT_FALSE(f.find<QPushButton>("save")->isEnabled());
    }

    // A generated system with its name cleared, or its hex made impossible, is not saved.
    Fixture f;
    f.chooseHex(5, 5, "Somewhere");
    f.click("generate");
    f.type("name", "   ");
    f.click("save");
    EXPECT_EQ(f.message(), "Enter a name for the system.");
    f.type("name", "Somewhere");
    f.type("column", "40");
    f.click("save");
    EXPECT_EQ(f.message(), "Column 40 is out of range: columns run from 1 to 32.");
    EXPECT_TRUE(f.stored().data.empty());
    EXPECT_TRUE(f.manager->current().data().empty());
}

TEST(GeneratorView, ChosenStarAndTechLevel) {
    Fixture f;
    f.chooseHex(1, 1, "Fixed");
    f.find<QComboBox>("spectralType")->setCurrentIndex(5); // G
    f.find<QSpinBox>("subclass")->setValue(2);
    f.find<QComboBox>("luminosity")->setCurrentIndex(5); // V
    f.find<QComboBox>("scale")->setCurrentIndex(1);
    auto* level = f.find<QComboBox>("techLevel");
    level->setCurrentIndex(level->findText("3"));
    f.find<QCheckBox>("maxTL")->setChecked(false); // the level as chosen, not rolled up to it
    f.click("generate");
    ASSERT_TRUE(f.view->generatedSystem());
    EXPECT_EQ(generator::spectralText(f.view->generatedSystem()->stars.front()), "G2 V");
    EXPECT_EQ(core::mainWorld(*f.view->generatedSystem())->uwp.techLevel,
              core::TechnologyLevel::tl3);

    f.find<QComboBox>("spectralType")->setCurrentIndex(0);
    f.find<QComboBox>("scale")->setCurrentIndex(0);
    level->setCurrentIndex(level->findText("TL9"));
    f.find<QCheckBox>("maxTL")->setChecked(true);
    for (int i = 0; i < 20; ++i) {
        f.click("generate");
        for (const auto& star : f.view->generatedSystem()->stars) {
            for (const auto& world : star.worlds)
                EXPECT_LE(world.uwp.techLevel, core::TechnologyLevel::ttl9);
        }
    }
}

TEST(GeneratorView, AwarenessSpeaksTheUniversesRuleSet) {
    Fixture f;
    EXPECT_EQ(f.find<QCheckBox>("starfarers")->text(), "Starfarers");
    EXPECT_EQ(f.find<QCheckBox>("sathar")->text(), "Sathar");
    EXPECT_EQ(f.find<QCheckBox>("other")->text(), "Other");
    EXPECT_TRUE(f.find<QCheckBox>("starfarers")->isChecked());
    // A first system on the Traveller scale makes it a Traveller universe.
    f.chooseHex(1, 1, "First");
    f.click("generate");
    f.click("save");
    EXPECT_EQ(f.find<QCheckBox>("starfarers")->text(), "Imperium");
    EXPECT_EQ(f.find<QCheckBox>("sathar")->text(), "Zhodani");
}

TEST(GeneratorView, AShortScaleUniverseKeepsItsScaleAndTexts) {
    universe::UniverseRecord record;
    core::HexData hex;
    hex.coordinates = {0, 0, 1, 1};
    hex.starSystem = generator::generateSystem(std::nullopt, false, core::TechnologyLevel::tl3,
                                               false, core::systemRandomSource());
    record.data.push_back(hex);
    Fixture f(record);
    EXPECT_EQ(f.find<QComboBox>("scale")->currentIndex(), 1);
    EXPECT_EQ(f.find<QComboBox>("techLevel")->currentText(), "4");
    EXPECT_EQ(f.find<QCheckBox>("starfarers")->text(), "Starfarers");
    EXPECT_EQ(f.find<QCheckBox>("sathar")->text(), "Sathar");

    // Tech levels are rolled by default, up to the chosen one; fixed here.
    EXPECT_TRUE(f.find<QCheckBox>("maxTL")->isChecked());
    f.find<QCheckBox>("maxTL")->setChecked(false);

    // The occupied hex is offered as a replacement from the start.
    f.click("randomName");
    EXPECT_FALSE(f.find<QLineEdit>("name")->text().isEmpty());
    f.click("generate");
    EXPECT_EQ(f.find<QPushButton>("save")->text(), "Replace");
    EXPECT_EQ(f.message(), "Hex 00-0101 already holds a system: saving replaces it.");
    EXPECT_EQ(core::mainWorld(*f.view->generatedSystem())->uwp.techLevel,
              core::TechnologyLevel::tl4);
}

TEST(GeneratorView, AreasFillOnlyEmptyHexes) {
    Fixture f;
    f.chooseHex(9, 1, "Keeper");
    f.click("generate");
    f.click("save");
    EXPECT_TRUE(f.find<QLineEdit>("name")->text().isEmpty())
        << "the next hex gets a name of its own";

    auto* area = f.find<QComboBox>("subsector");
    area->setCurrentIndex(area->findText("Subsector B"));
    f.find<QSpinBox>("density")->setValue(100);
    f.click("generateArea");
    EXPECT_EQ(f.view->generatedArea().size(), 79u);
    EXPECT_EQ(f.find<QTreeWidget>("areaTable")->topLevelItemCount(), 79);
    EXPECT_EQ(f.find<QLabel>("areaMessage")->text(),
              "Generated 79 systems in subsector B of sector 00 at 100 % density, leaving 1 "
              "occupied hex alone. "
              "Save Area keeps them.");
    EXPECT_EQ(f.stored().data.size(), 1u) << "nothing saved before Save Area";

    f.click("saveArea");
    const auto stored = f.stored();
    ASSERT_EQ(stored.data.size(), 80u);
    for (const auto& hex : stored.data)
        EXPECT_EQ(hex.coordinates.subsectorLetter(), 'B');
    EXPECT_EQ(f.find<QLabel>("areaMessage")->text(),
              "Saved 79 systems in subsector B of sector 00.");
    EXPECT_FALSE(f.find<QPushButton>("saveArea")->isEnabled());
}

// A primary the dice would never roll is generated as fixed: a red supergiant, an
// M IV, a K7 IV.
TEST(GeneratorView, FixedPrimariesTheDiceNeverRollAreGenerated) {
    const struct {
        int spectralIndex; // 0 is "Random", then O B A F G K M
        int subclass;
        int luminosityIndex; // Ia Ib II III IV V VI D
        std::string spectrum;
    } cases[] = {{7, 2, 0, "M2 Ia"}, {7, 2, 4, "M2 IV"}, {6, 7, 4, "K7 IV"}};
    for (const auto& c : cases) {
        Fixture f;
        f.chooseHex(5, 5, "Betelgeuse");
        f.find<QComboBox>("spectralType")->setCurrentIndex(c.spectralIndex);
        f.find<QSpinBox>("subclass")->setValue(c.subclass);
        f.find<QComboBox>("luminosity")->setCurrentIndex(c.luminosityIndex);
        f.click("generate");
        ASSERT_TRUE(f.view->generatedSystem()) << c.spectrum << ": " << f.message().toStdString();
        EXPECT_EQ(generator::spectralText(f.view->generatedSystem()->stars.front()), c.spectrum);
        EXPECT_TRUE(f.find<QPushButton>("save")->isEnabled());
    }
}
