#include "map_window.h"
#include "starmap/ui/hex_context_menu.h"
#include "starmap/ui/starmap_canvas.h"
#include "starmap/ui/starmap_view.h"
#include "starmap/ui/system_card.h"
#include "ui/map_openers.h"
#include "ui/travel_openers.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QInputDialog>
#include <QMenu>
#include <QTimer>
#include <gtest/gtest.h>
#include <memory>

using namespace velmora;
using namespace velmora::starmap;
using velmora::testing::MapWindow;

namespace {

const core::GalacticCoordinates regina{0, 0, 19, 10};
const core::GalacticCoordinates emptyHex{0, 0, 12, 20};

// No window of the program is reachable until a test says so.
struct NoOpeners {
    NoOpeners() { reset(); }
    ~NoOpeners() { reset(); }
    static void reset() {
        ui::mapOpeners() = {};
        ui::travelOpeners() = {};
        StarMapView::setWorldInfoOpener(nullptr);
    }
};

HexContextMenu& hexMenu(MapWindow& window) {
    return *window.view->canvas()->findChild<HexContextMenu*>();
}

QAction* actionNamed(QMenu& menu, const QString& text) {
    for (QAction* action : menu.actions())
        if (action->text() == text)
            return action;
    return nullptr;
}

// The heading (the hex itself, never an action), then the actions.
QStringList actionTexts(QMenu& menu) {
    QStringList texts{QStringLiteral("(heading)")};
    const auto actions = menu.actions();
    for (qsizetype i = 1; i < actions.size(); ++i)
        if (!actions[i]->isSeparator())
            texts << actions[i]->text();
    return texts;
}

// Answers the questions the action asks, in turn, as the referee would type or
// pick them.
void answerQuestions(QStringList answers) {
    auto* timer = new QTimer;
    QObject::connect(timer, &QTimer::timeout, timer, [timer, answers]() mutable {
        auto* dialog = qobject_cast<QInputDialog*>(QApplication::activeModalWidget());
        if (!dialog)
            return;
        dialog->setTextValue(answers.takeFirst());
        dialog->accept();
        if (answers.isEmpty())
            timer->deleteLater();
    });
    timer->start(5);
}

void trigger(MapWindow& window, const core::GalacticCoordinates& hex, const QString& text) {
    std::unique_ptr<QMenu> menu(hexMenu(window).menuFor(hex, window.view.get()));
    QAction* action = actionNamed(*menu, text);
    ASSERT_NE(action, nullptr) << text.toStdString();
    ASSERT_TRUE(action->isEnabled()) << text.toStdString();
    action->trigger();
}

} // namespace

TEST(HexContextMenu, OffersActionsForTheHexAndSaysWhyOneIsOff) {
    NoOpeners none;
    MapWindow window;
    struct Case {
        core::GalacticCoordinates hex;
        QStringList actions;
        QStringList switchedOff; // windows this test's map cannot reach
    };
    const Case cases[] = {
        {emptyHex,
         {"(heading)", "Generate System Here…", "Add Label Here…", "Add to Nebula…", "Copy Hex"},
         {"Generate System Here…"}},
        {regina,
         {"(heading)", "World Info", "System Travel", "Plan Route From Here", "Plan Route To Here",
          "Edit System", "Copy Hex"},
         {"World Info", "System Travel", "Plan Route From Here", "Plan Route To Here",
          "Edit System"}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<QMenu> menu(hexMenu(window).menuFor(c.hex, window.view.get()));
        EXPECT_EQ(actionTexts(*menu), c.actions);
        for (QAction* action : menu->actions()) {
            if (action->isSeparator() || action == menu->actions().front())
                continue;
            const bool off = c.switchedOff.contains(action->text());
            EXPECT_EQ(action->isEnabled(), !off) << action->text().toStdString();
            EXPECT_EQ(action->toolTip().contains("not available"), off)
                << action->text().toStdString();
        }
    }
    // The heading names the system and its hex.
    std::unique_ptr<QMenu> menu(hexMenu(window).menuFor(regina, window.view.get()));
    EXPECT_TRUE(menu->actions().front()->text().startsWith("Regina · "));
}

TEST(HexContextMenu, OpensTheWindowsOfTheHex) {
    NoOpeners none;
    MapWindow window;
    std::vector<std::string> opened;
    const auto note = [&opened](const char* what, const core::GalacticCoordinates& hex) {
        opened.push_back(std::string(what) + " " + hex.description());
    };
    ui::mapOpeners().generateAt = [&](const core::GalacticCoordinates& hex) {
        note("generate", hex);
    };
    ui::mapOpeners().planRoute = [&](const std::optional<core::GalacticCoordinates>& from,
                                     const std::optional<core::GalacticCoordinates>& to) {
        note(from ? "route from" : "route to", from ? *from : *to);
        EXPECT_NE(from.has_value(), to.has_value());
    };
    ui::mapOpeners().editSystem = [&](const core::GalacticCoordinates& hex) { note("edit", hex); };
    ui::travelOpeners().systemTravel = [&](const core::GalacticCoordinates& hex) {
        note("travel", hex);
    };
    StarMapView::setWorldInfoOpener(
        [&](ui::ViewContext&, const core::GalacticCoordinates& hex) { note("world info", hex); });

    trigger(window, emptyHex, "Generate System Here…");
    for (const char* action : {"World Info", "System Travel", "Plan Route From Here",
                               "Plan Route To Here", "Edit System"})
        trigger(window, regina, action);
    EXPECT_EQ(opened,
              (std::vector<std::string>{"generate 00-1220", "world info 00-1910", "travel 00-1910",
                                        "route from 00-1910", "route to 00-1910", "edit 00-1910"}));
    // World Info also selects the system, as a click on it does.
    EXPECT_EQ(window.view->canvas()->selected(), regina);

    trigger(window, regina, "Copy Hex");
    EXPECT_EQ(QApplication::clipboard()->text(),
              QString::fromStdString(window.universe().locationText(regina)));
}

TEST(HexContextMenu, AddsLabelsAndNebulaHexesAsEditsThatUndo) {
    NoOpeners none;
    MapWindow window;
    auto& universe = window.universe();

    answerQuestions({"Imperial Border"});
    trigger(window, emptyHex, "Add Label Here…");
    ASSERT_EQ(universe.starmapLabels().size(), 1u);
    EXPECT_EQ(universe.starmapLabels()[0].text, "Imperial Border");
    EXPECT_EQ(universe.starmapLabels()[0].position, emptyHex);
    EXPECT_EQ(universe.undoName(), "New Label Imperial Border");

    // A new nebula first, then the next hex into the same one.
    answerQuestions({"New Nebula", "Veil"});
    trigger(window, emptyHex, "Add to Nebula…");
    ASSERT_EQ(universe.nebulae().size(), 1u);
    EXPECT_EQ(universe.nebulae()[0].name, "Veil");
    EXPECT_EQ(universe.nebulae()[0].hexes, std::vector<core::GalacticCoordinates>{emptyHex});
    const core::GalacticCoordinates next{0, 0, 12, 21};
    answerQuestions({"Veil"});
    trigger(window, next, "Add to Nebula…");
    ASSERT_EQ(universe.nebulae().size(), 1u);
    EXPECT_EQ(universe.nebulae()[0].hexes,
              (std::vector<core::GalacticCoordinates>{emptyHex, next}));
    EXPECT_EQ(universe.undoName(), "Edit Nebula Veil");

    // Each was one edit: three undos take them all back, in turn.
    ASSERT_TRUE(universe.undo());
    EXPECT_EQ(universe.nebulae()[0].hexes.size(), 1u);
    ASSERT_TRUE(universe.undo());
    EXPECT_TRUE(universe.nebulae().empty());
    ASSERT_TRUE(universe.undo());
    EXPECT_TRUE(universe.starmapLabels().empty());
}

TEST(HexContextMenu, RightClickOnTheMapOpensIt) {
    NoOpeners none;
    MapWindow window;
    StarMapCanvas* canvas = window.view->canvas();
    const QPoint at = window.screenPointOf(regina);
    QContextMenuEvent event(QContextMenuEvent::Mouse, at, canvas->mapToGlobal(at));
    QApplication::sendEvent(canvas, &event);
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName(), "hexMenu");
    EXPECT_NE(actionNamed(*menu, "Edit System"), nullptr);
    menu->close();
}
