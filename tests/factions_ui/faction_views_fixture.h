#pragma once

// A real universe store in a temporary folder, the window registry and a view
// context, as the application hands them to the faction views.

#include "core/file_io.h"
#include "support/manual_delayed_call.h"
#include "support/memory_preferences.h"
#include "support/temporary_folder.h"
#include "support/universe_changes.h"
#include "support/widget_lookup.h"
#include "ui/view_context.h"
#include "ui/window_registry.h"
#include "universe/universe_codec.h"
#include "universe/universe_manager.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <memory>
#include <nlohmann/json.hpp>
#include <optional>
#include <string>
#include <vector>

namespace velmora::testing {

class FactionViewsFixture {
public:
    FactionViewsFixture() {
        universe::UniverseManager::Environment environment;
        environment.documentsFolder = documents.path();
        environment.preferences = &preferences;
        environment.delayedCalls = clock.factory();
        environment.log = [this](const std::string& line) { log.push_back(line); };
        environment.nameOrder = [](const std::string& a, const std::string& b) {
            return a.compare(b);
        };
        manager = std::make_unique<universe::UniverseManager>(std::move(environment));
        context = std::make_unique<ui::ViewContext>(ui::ViewContext{*manager, windows});
        context->select = [this](const ui::SidebarSelection& selection) {
            selected.push_back(selection);
        };
    }
    ~FactionViewsFixture() { windows.closeAll(); }

    universe::RidivivevIzeviduv& universe() { return manager->current(); }

    // The current universe's file as it is on disk now.
    nlohmann::json fileJson() const {
        const auto text = core::readWholeFile(manager->fileFor(manager->current().id()));
        return nlohmann::json::parse(text.value_or("{}"));
    }
    universe::UniverseRecord fileRecord() const {
        return universe::decodeUniverse(
            core::readWholeFile(manager->fileFor(manager->current().id())).value_or("{}"));
    }

    core::HexData addSystem(int column, int row, const std::string& name) {
        core::HexData hex;
        hex.id = core::Uuid::generate();
        hex.coordinates = {0, 0, column, row};
        hex.starSystem.id = core::Uuid::generate();
        hex.starSystem.name = name;
        universe().addHex(hex, "Add System " + name);
        return hex;
    }

    universe::Faction
    addFaction(const std::string& name,
               universe::FactionCategory category = universe::FactionCategory::political) {
        universe::Faction faction;
        faction.id = core::Uuid::generate();
        faction.name = name;
        faction.category = category;
        faction.hp = 7;
        velmora::testing::change(
            universe(), [&](universe::UniverseEdit& edit) { edit.factions().push_back(faction); });
        return faction;
    }

    TemporaryFolder documents;
    MemoryPreferences preferences;
    ManualClock clock;
    std::vector<std::string> log;
    std::unique_ptr<universe::UniverseManager> manager;
    ui::WindowRegistry windows;
    std::unique_ptr<ui::ViewContext> context;
    std::vector<ui::SidebarSelection> selected;
};

// Every label text under a widget, visible or not, for reading a view back.
inline QStringList labelTexts(const QWidget* root, bool onlyVisible = true) {
    QStringList texts;
    for (const QLabel* label : root->findChildren<QLabel*>()) {
        if (!onlyVisible || label->isVisibleTo(root))
            texts << label->text();
    }
    return texts;
}

inline bool showsText(const QWidget* root, const QString& text) {
    return labelTexts(root).join(QLatin1Char('\n')).contains(text);
}

} // namespace velmora::testing
