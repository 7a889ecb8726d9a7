#pragma once

// A universe installed as the app keeps it (see UniverseInstallation), with the
// window registry and view context the application hands to the faction views.

#include "core/file_io.h"
#include "support/universe_changes.h"
#include "support/universe_installation.h"
#include "support/widget_lookup.h"

#include <QApplication>
#include <QLabel>
#include <QWidget>
#include <nlohmann/json.hpp>
#include <string>
#include <vector>

namespace velmora::testing {

struct FactionViewsFixture : UniverseInstallation {
    std::vector<ui::SidebarSelection> selected;

    FactionViewsFixture() : UniverseInstallation(universe::UniverseRecord{}) {
        context->select = [this](const ui::SidebarSelection& selection) {
            selected.push_back(selection);
        };
    }

    // The current universe's file as it is on disk now.
    nlohmann::json fileJson() const {
        const auto text = core::readWholeFile(manager->fileFor(manager->current().id()));
        return nlohmann::json::parse(text.value_or("{}"));
    }
    universe::UniverseRecord fileRecord() const { return stored(); }

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
