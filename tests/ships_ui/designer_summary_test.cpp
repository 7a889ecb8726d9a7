#include "ships/ship_design_fields.h"
#include "ships/ui/ship_designer_window.h"
#include "support/widget_lookup.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTableWidget>
#include <QTest>
#include <functional>
#include <gtest/gtest.h>
#include <vector>

using namespace velmora;
using ships::ShipDesignerWindow;
using velmora::testing::child;

namespace {

// Types over what the box holds, one key at a time, as the referee would.
void typeInto(QSpinBox* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, text);
}

void choose(QComboBox* box, const QString& text) {
    ASSERT_NE(box, nullptr);
    const int index = box->findText(text);
    ASSERT_GE(index, 0) << text.toStdString();
    box->setCurrentIndex(index);
}

QString shown(const QWidget& window, const char* name) {
    const QLabel* label = child<QLabel>(window, name);
    return label ? label->text() : QString();
}

const QStandardItem* item(QComboBox* box, const QString& text) {
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    const int index = box->findText(text);
    return model && index >= 0 ? model->item(index) : nullptr;
}

struct OpenDesigner {
    ShipDesignerWindow window{nullptr, std::nullopt};
    OpenDesigner() {
        window.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&window));
    }
};

} // namespace

// A 200-ton far trader typed in step by step. By hand, from the construction rules:
//   hull          200 × Cr50,000                                 = Cr10,000,000
//   thrust 1      1% of 200 = 2 tons;           2 × Cr2,000,000   =  Cr4,000,000
//   jump 2        2.5% × 200 × 2 + 5 = 15 tons; 15 × Cr1,500,000  = Cr22,500,000
//   fusion (TL8)  15 tons × Cr500,000 = Cr7,500,000; output 15 × 10 = 150
//   fuel          jump 0.1 × 200 × 2 = 40; plant max(1, ceil(1.5)) × 4 weeks × 0.25 = 2
//   bridge        10 tons (100-200 ton hull); ceil(200 / 100) × Cr500,000 = Cr1,000,000
//   Computer/5    Cr30,000; basic sensors free
//   4 staterooms  16 tons, Cr2,000,000
// Used 2 + 15 + 15 + 42 + 10 + 16 = 100 of 200 tons; total Cr47,030,000.
// Power: basic 0.2 × 200 = 40, manoeuvre 0.1 × 200 × 1 = 20, so 60; the jump drive
// draws 0.1 × 200 × 2 = 40, which with basic systems (40) fits in 150.
// Crew (commercial): captain, pilot, astrogator, engineer ceil(32 / 35) = 1,
// maintenance ceil(200 / 1000) = 1, administrator 1, sensor operator 1: 7 working;
// 4 berths need no steward; medic ceil(7 / 120) = 1; officers 7 / 20 = 0: 8 in all.
// Salaries 16,000 + 16,000 + 5,000 + 4,000 + 1,000 + 1,500 + 4,000 + 4,000 = Cr51,500.
// Life support 4 × 1,000 + 1,000 × max(8, 4) = Cr12,000; maintenance
// 47,030,000 × 0.9 / 12,000 = Cr3,527.25, so Cr15,527 a month in all.
TEST(ShipDesigner, TypingADesignUpdatesTheSummaryPanel) {
    OpenDesigner open;
    const QWidget& w = open.window;
    typeInto(child<QSpinBox>(w, "tonnage"), "200");
    child<QCheckBox>(w, "hasJumpDrive")->click();
    choose(child<QComboBox>(w, "jumpDriveRating"), "2");
    typeInto(child<QSpinBox>(w, "powerPlantTonnage"), "15");
    typeInto(child<QSpinBox>(w, "stateroomCount"), "4");

    EXPECT_EQ(shown(w, "tonnageUsedValue"), "100 of 200 tons");
    EXPECT_EQ(shown(w, "cargoSpaceValue"), "100 tons");
    EXPECT_EQ(shown(w, "totalCostValue"), "MCr47.03");
    EXPECT_EQ(shown(w, "purchaseCostValue"), "MCr42.327");
    EXPECT_EQ(shown(w, "powerOutputValue"), "150");
    EXPECT_EQ(shown(w, "powerRequirementValue"), "60");
    EXPECT_EQ(shown(w, "jumpPowerValue"), "40");
    EXPECT_EQ(shown(w, "crewTotalValue"), "8");
    EXPECT_EQ(shown(w, "salariesValue"), "Cr51500/month");
    EXPECT_EQ(shown(w, "lifeSupportValue"), "Cr12000/month");
    EXPECT_EQ(shown(w, "monthlyCostsValue"), "Cr15527/month");
    EXPECT_TRUE(shown(w, "summaryWarnings").isEmpty());
    // Beside its step, the jump drive read-out agrees.
    EXPECT_EQ(shown(w, "jumpTonnage"), "15 tons");

    // During a jump: the drive, basic systems at full power, the manoeuvre drive off.
    auto* jump = child<QTableWidget>(w, "jumpPowerTable");
    ASSERT_EQ(jump->rowCount(), 4);
    EXPECT_EQ(jump->item(0, 0)->text(), "Jump Drive");
    EXPECT_EQ(jump->item(1, 0)->text(), "Basic Ship Systems");
    EXPECT_EQ(jump->item(2, 0)->text(), "Manoeuvre Drive");
    EXPECT_EQ(jump->item(2, 1)->text(), "0");
    EXPECT_EQ(jump->item(3, 1)->text(), "80");

    // A double turret with two beam lasers: 1 ton, Cr500,000 + 2 × Cr500,000, power
    // 2 × 4 + 1 for the turret, and one gunner (9 crew; medics ceil(8 / 120) = 1).
    child<QPushButton>(w, "addWeaponMount")->click();
    choose(child<QComboBox>(w, "mount0.mountType"), "Double Turret");
    typeInto(child<QSpinBox>(w, "mount0.turretWeaponCount"), "2");
    EXPECT_EQ(shown(w, "tonnageUsedValue"), "101 of 200 tons");
    EXPECT_EQ(shown(w, "cargoSpaceValue"), "99 tons");
    EXPECT_EQ(shown(w, "totalCostValue"), "MCr48.53");
    EXPECT_EQ(shown(w, "powerRequirementValue"), "69");
    EXPECT_EQ(shown(w, "crewTotalValue"), "9");
    auto* crew = child<QTableWidget>(w, "crewTable");
    EXPECT_FALSE(crew->findItems("Gunner", Qt::MatchExactly).isEmpty());

    // Too small a plant: 10 tons give 100, short of 69 + 40 for the jump, and the
    // warning shows in the panel and beside the power plant.
    typeInto(child<QSpinBox>(w, "powerPlantTonnage"), "10");
    EXPECT_TRUE(shown(w, "summaryWarnings").contains("not the jump drive as well"));
    EXPECT_TRUE(child<QLabel>(w, "powerForJumpWarning")->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "powerDayToDayWarning")->isVisible());

    // Removing the mount takes its figures away again; the smaller plant needs
    // max(1, ceil(1.0)) = 1 ton of fuel: 2 + 15 + 10 + 41 + 10 + 16 = 94.
    child<QPushButton>(w, "mount0.remove")->click();
    EXPECT_EQ(shown(w, "tonnageUsedValue"), "94 of 200 tons");
    EXPECT_EQ(open.window.design().weaponMounts.size(), 0u);
}

// What the design's tech level allows: switches and ratings beyond it are shown
// but cannot be chosen, and say what they need.
TEST(ShipDesigner, OptionsBeyondTheTechLevelAreDisabledWithTheirReason) {
    OpenDesigner open;
    const QWidget& w = open.window;
    typeInto(child<QSpinBox>(w, "techLevel"), "8");

    struct Switch {
        const char* name;
        QString reason;
    };
    for (const auto& [name, reason] :
         {Switch{"hasJumpDrive", "Needs TL 9"}, Switch{"reflec", "Needs TL 10"},
          Switch{"radiationShielding", ""}, Switch{"hasHolographicHull", "Needs TL 10"}}) {
        SCOPED_TRACE(name);
        auto* box = child<QCheckBox>(w, name);
        EXPECT_EQ(box->isEnabled(), reason.isEmpty());
        EXPECT_EQ(box->toolTip(), reason);
    }

    // Thrust 1 and 2 need TL 9 and 10; a TL 8 design keeps what it had, marked.
    auto* thrust = child<QComboBox>(w, "manoeuvreDriveRating");
    EXPECT_FALSE(item(thrust, "2")->isEnabled());
    EXPECT_EQ(item(thrust, "2")->toolTip(), "Needs TL 10");
    EXPECT_EQ(thrust->currentText(), "1");
    EXPECT_EQ(thrust->toolTip(), "Needs TL 9");

    // At TL 9 the jump drive is allowed, but not on a 99-ton hull; jump 2 needs TL 11.
    typeInto(child<QSpinBox>(w, "techLevel"), "9");
    typeInto(child<QSpinBox>(w, "tonnage"), "99");
    auto* jumpDrive = child<QCheckBox>(w, "hasJumpDrive");
    EXPECT_FALSE(jumpDrive->isEnabled());
    EXPECT_EQ(jumpDrive->toolTip(), "Needs a hull of 100 tons or more");
    typeInto(child<QSpinBox>(w, "tonnage"), "100");
    ASSERT_TRUE(jumpDrive->isEnabled());
    jumpDrive->click();
    auto* jump = child<QComboBox>(w, "jumpDriveRating");
    EXPECT_TRUE(item(jump, "1")->isEnabled());
    EXPECT_EQ(item(jump, "2")->toolTip(), "Needs TL 11");
    // A 100-ton jump-1 drive is 7.5 tons: below the 10-ton least, warned beside the step.
    EXPECT_TRUE(child<QLabel>(w, "jumpDriveWarning")->isVisible());

    // Programs too: Jump Control/2 needs TL 11.
    auto* jumpControl = child<QComboBox>(w, "software.Jump Control");
    EXPECT_TRUE(item(jumpControl, "1")->isEnabled());
    EXPECT_EQ(item(jumpControl, "2")->toolTip(), "Needs TL 11");
}

// The step list jumps to a step; the armour controls give way on a dispersed hull.
TEST(ShipDesigner, StepsAreListedAndTheArmourStepFollowsTheHull) {
    OpenDesigner open;
    const QWidget& w = open.window;
    auto* steps = child<QListWidget>(w, "stepList");
    QStringList titles;
    for (int row = 0; row < steps->count(); ++row)
        titles << steps->item(row)->text().trimmed();
    EXPECT_EQ(titles.first(), "Step 1: Hull");
    EXPECT_TRUE(titles.contains("1b. Armour"));
    EXPECT_TRUE(titles.contains("Ship Software"));
    EXPECT_TRUE(titles.contains("High Guard Options"));
    EXPECT_EQ(titles.last(), "Step 13: Finalize Design");

    choose(child<QComboBox>(w, "configuration"), "Dispersed Structure");
    EXPECT_TRUE(child<QLabel>(w, "dispersedArmourNote")->isVisible());
    EXPECT_FALSE(child<QComboBox>(w, "armour")->isVisible());
    choose(child<QComboBox>(w, "configuration"), "Standard");
    choose(child<QComboBox>(w, "armour"), "Titanium Steel");
    // Titanium steel takes at most min(TL 12, 9) points.
    EXPECT_EQ(child<QSpinBox>(w, "armourProtection")->maximum(), 9);
}

namespace {

// "MCr12.5" as credits; "101 of 200 tons" as the tons used.
double credits(const QString& text) {
    return text.mid(3).toDouble() * 1'000'000;
}
double tonsUsed(const QString& text) {
    return text.section(' ', 0, 0).toDouble();
}

} // namespace

// Each option, switched on beside its step, moves the panel's totals by what the
// rules say it takes, and switched off puts them back. On a 400-ton standard hull
// (hull cost 400 × Cr50,000 = Cr20,000,000):
TEST(ShipDesigner, EachOptionMovesTheTotalsByItsOwnFigures) {
    OpenDesigner open;
    const QWidget& w = open.window;
    typeInto(child<QSpinBox>(w, "tonnage"), "400");

    struct Option {
        const char* what;
        std::function<void(bool on)> set;
        double tons;
        double cost;
    };
    const auto flip = [&w](const char* name) {
        return [&w, name](bool) { child<QCheckBox>(w, name)->click(); };
    };
    const std::vector<Option> options{
        // Cr100,000 per hull ton, and no room.
        {"heat shielding", flip("heatShielding"), 0, 40'000'000},
        // 2% of the hull, Cr40,000 per hull ton.
        {"basic stealth",
         [&w](bool on) { choose(child<QComboBox>(w, "stealth"), on ? "Basic" : "None"); }, 8,
         16'000'000},
        // 1% + 5 = 9 tons, so the least of 10 tons at the flat Cr2,500,000.
        {"ramscoops", flip("highGuard.hasRamscoops"), 10, 2'500'000},
        // A quarter of the hull, ten times its cost.
        {"pressure hull", flip("highGuard.hasPressureHull"), 100, 200'000'000},
        {"library", flip("hasLibrary"), 4, 4'000'000},
        // 6 tons and Cr800,000 each.
        {"two high staterooms",
         [&w](bool on) { typeInto(child<QSpinBox>(w, "highStateroomCount"), on ? "2" : "0"); }, 12,
         1'600'000},
        // Jump Control/2 costs MCr0.2 and takes no room.
        {"jump control 2",
         [&w](bool on) { choose(child<QComboBox>(w, "software.Jump Control"), on ? "2" : "0"); }, 0,
         200'000},
    };
    const double baseTons = tonsUsed(shown(w, "tonnageUsedValue"));
    const double baseCost = credits(shown(w, "totalCostValue"));
    for (const auto& option : options) {
        SCOPED_TRACE(option.what);
        option.set(true);
        EXPECT_NEAR(tonsUsed(shown(w, "tonnageUsedValue")) - baseTons, option.tons, 0.01);
        EXPECT_NEAR(credits(shown(w, "totalCostValue")) - baseCost, option.cost, 1);
        option.set(false);
        EXPECT_NEAR(tonsUsed(shown(w, "tonnageUsedValue")), baseTons, 0.01);
        EXPECT_NEAR(credits(shown(w, "totalCostValue")), baseCost, 1);
    }
}

// Jump Control/2 takes 10 of bandwidth; Computer/5 has 5, so the warning shows
// beside the software; with /bis the jump program gets 5 + 5 = 10 and fits.
TEST(ShipDesigner, SoftwareBeyondTheComputersBandwidthIsWarnedBesideItsStep) {
    OpenDesigner open;
    const QWidget& w = open.window;
    choose(child<QComboBox>(w, "software.Jump Control"), "2");
    EXPECT_TRUE(child<QLabel>(w, "softwareBandwidthWarning")->isVisible());
    EXPECT_TRUE(shown(w, "summaryWarnings").contains("Not enough computer Bandwidth"));
    child<QCheckBox>(w, "primaryComputerJumpControlSpecialisation")->click();
    EXPECT_FALSE(child<QLabel>(w, "softwareBandwidthWarning")->isVisible());
    EXPECT_EQ(shown(w, "softwareBandwidth"), "10 of 10");
}

// Every one of the supplement's options has its control somewhere among the steps,
// whatever step it sits in.
TEST(ShipDesigner, EveryHighGuardOptionHasAControl) {
    ShipDesignerWindow window(nullptr, std::nullopt);
    ships::HighGuardOptions options;
    QStringList missing;
    int fields = 0;
    const auto check = [&](std::string_view key, auto&&...) {
        ++fields;
        const QString name =
            QStringLiteral("highGuard.") + QString::fromUtf8(key.data(), key.size());
        if (window.findChild<QWidget*>(name) == nullptr)
            missing << name;
    };
    ships::visitFields(options, check);
    EXPECT_GT(fields, 70);
    EXPECT_TRUE(missing.isEmpty()) << missing.join(", ").toStdString();
}

// Power during a jump on a 200-ton jump-2 hull: the drive draws 0.1 × 200 × 2 = 40;
// day to day the ship needs 0.2 × 200 = 40 for basic systems and 20 for thrust 1.
TEST(ShipDesigner, ThePanelSharesOutPowerDuringAJump) {
    OpenDesigner open;
    const QWidget& w = open.window;
    typeInto(child<QSpinBox>(w, "tonnage"), "200");
    child<QCheckBox>(w, "hasJumpDrive")->click();
    choose(child<QComboBox>(w, "jumpDriveRating"), "2");
    auto* jump = child<QTableWidget>(w, "jumpPowerTable");

    // A 6-ton fusion plant gives 60: day to day exactly enough, but with the drive's
    // 40 only 20 is left, which runs basic systems at half.
    typeInto(child<QSpinBox>(w, "powerPlantTonnage"), "6");
    ASSERT_EQ(jump->rowCount(), 4);
    EXPECT_EQ(jump->item(1, 0)->text(), "Basic Ship Systems (half)");
    EXPECT_EQ(jump->item(1, 1)->text(), "20");
    EXPECT_EQ(jump->item(3, 1)->text(), "60");
    const QString notes = shown(w, "jumpPowerNotes");
    EXPECT_TRUE(notes.contains("systems must be powered down for the duration of the jump"));
    EXPECT_FALSE(notes.contains("Even at half power"));
    EXPECT_TRUE(child<QLabel>(w, "powerForJumpWarning")->isVisible());

    // 5 tons give 50: short day to day, and 10 left in a jump is not even half of 40.
    typeInto(child<QSpinBox>(w, "powerPlantTonnage"), "5");
    EXPECT_EQ(jump->item(1, 0)->text(), "Basic Ship Systems");
    EXPECT_EQ(jump->item(1, 2)->text(), "Off (of 40)");
    EXPECT_TRUE(shown(w, "jumpPowerNotes").contains("Even at half power"));
    EXPECT_TRUE(child<QLabel>(w, "powerDayToDayWarning")->isVisible());
    EXPECT_FALSE(child<QLabel>(w, "powerForJumpWarning")->isVisible());

    // Without a jump drive there is nothing to share out.
    child<QCheckBox>(w, "hasJumpDrive")->click();
    EXPECT_FALSE(jump->isVisible());
}
