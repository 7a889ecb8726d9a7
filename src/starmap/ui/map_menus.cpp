#include "starmap/ui/map_menus.h"

#include "factions/faction_lists.h"
#include "factions/faction_texts.h"
#include "starmap/map_filter.h"
#include "ui/qt_text.h"
#include "universe/ridivivev_izeviduv.h"

#include <QActionGroup>
#include <QMenu>
#include <set>

namespace velmora::starmap {

namespace {} // namespace

QAction* MapMenus::addSwitch(QMenu* menu, const QString& text,
                             bool universe::MapViewSettings::*field) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(m_universe->mapView().*field);
    connect(action, &QAction::toggled, this, [this, field](bool on) {
        change([&](universe::MapViewSettings& view) { view.*field = on; });
    });
    return action;
}

QString MapMenus::locationCodeHelp() {
    return tr(
        "Also show the map grid code after Traveller-style locations, e.g. “Troj 2815 (D0)”.");
}

void MapMenus::change(const std::function<void(universe::MapViewSettings&)>& apply) {
    universe::MapViewSettings view = m_universe->mapView();
    apply(view);
    m_universe->setMapView(view);
}

void MapMenus::fillViewMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    const universe::MapViewSettings view = u.mapView();
    const bool traveller = u.usesTravellerTechLevels();

    auto* modes = new QActionGroup(menu);
    for (const auto& [mode, text] : {std::pair{universe::MapViewMode::referee, tr("Referee View")},
                                     std::pair{universe::MapViewMode::player, tr("Player View")}}) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(view.mapViewMode == mode);
        modes->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode = mode] {
            change([&](universe::MapViewSettings& settings) { settings.mapViewMode = mode; });
        });
    }
    menu->addSection(tr("Layers"));
    addSwitch(menu, qt(universe::rutterListTitle(traveller)),
              &universe::MapViewSettings::mapShowRutters);
    addSwitch(menu, tr("Distance"), &universe::MapViewSettings::mapShowRouteDistances);
    addSwitch(menu, tr("Nebulae"), &universe::MapViewSettings::mapShowNebulae);
    addSwitch(menu, tr("Regions"), &universe::MapViewSettings::mapShowRegions);
    addSwitch(menu, tr("Labels"), &universe::MapViewSettings::mapShowLabels);
    addSwitch(menu, tr("Surveyed"), &universe::MapViewSettings::mapShowSurveyedData)
        ->setToolTip(tr(
            "Mark surveyed systems; in the player view, show the profiles of surveyed systems."));
    QAction* code = addSwitch(menu, tr("Sector Code in Locations"),
                              &universe::MapViewSettings::locationShowsSectorCode);
    code->setToolTip(locationCodeHelp());
    code->setStatusTip(locationCodeHelp());
    menu->setToolTipsVisible(true);

    menu->addSection(tr("System Awareness"));
    addSwitch(menu, qt(awarenessLabel(AwarenessGroup::starfarers, traveller)),
              &universe::MapViewSettings::mapShowStarfarers);
    addSwitch(menu, qt(awarenessLabel(AwarenessGroup::sathar, traveller)),
              &universe::MapViewSettings::mapShowSathar);
    addSwitch(menu, qt(awarenessLabel(AwarenessGroup::other, traveller)),
              &universe::MapViewSettings::mapShowOther);
}

void MapMenus::fillFactionMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    const universe::MapViewSettings view = u.mapView();
    QAction* all = menu->addAction(tr("All factions"));
    all->setCheckable(true);
    all->setChecked(view.selectedFactionIDs.empty());
    connect(all, &QAction::triggered, this, [this] {
        change([&](universe::MapViewSettings& settings) { settings.selectedFactionIDs.clear(); });
    });
    if (!u.factionLists().empty()) {
        menu->addSection(tr("Faction Lists"));
        for (const universe::FactionList& list : u.factionLists()) {
            std::vector<core::Uuid> ids;
            for (const universe::Faction* member : factions::factionsInList(list, u.factions()))
                ids.push_back(member->id);
            QAction* action = menu->addAction(qt(factions::listDisplayName(list)));
            action->setCheckable(true);
            action->setChecked(!ids.empty() && view.selectedFactionIDs ==
                                                   std::set<core::Uuid>(ids.begin(), ids.end()));
            connect(action, &QAction::triggered, this, [this, ids] {
                change([&](universe::MapViewSettings& settings) {
                    settings.selectedFactionIDs = std::set<core::Uuid>(ids.begin(), ids.end());
                });
            });
        }
    }
    if (!u.factions().empty())
        menu->addSection(tr("Factions"));
    for (const universe::Faction& faction : u.factions()) {
        QAction* action = menu->addAction(qt(factions::factionDisplayName(faction)));
        action->setCheckable(true);
        action->setChecked(view.selectedFactionIDs.count(faction.id) > 0);
        const core::Uuid id = faction.id;
        connect(action, &QAction::toggled, this, [this, id](bool on) {
            change([&](universe::MapViewSettings& settings) {
                if (on)
                    settings.selectedFactionIDs.insert(id);
                else
                    settings.selectedFactionIDs.erase(id);
            });
        });
    }
}

void MapMenus::fillTradeCodeMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    const universe::MapViewSettings view = u.mapView();
    QAction* all = menu->addAction(tr("All codes"));
    all->setCheckable(true);
    all->setChecked(view.mapFilterTradeClasses.empty());
    connect(all, &QAction::triggered, this, [this] {
        change(
            [&](universe::MapViewSettings& settings) { settings.mapFilterTradeClasses.clear(); });
    });
    menu->addSeparator();
    for (std::size_t c = 0; c < core::tradeClassCategoryTable.size(); ++c) {
        const auto category = static_cast<core::TradeClassCategory>(c);
        QMenu* sub = menu->addMenu(qt(core::displayName(category)));
        for (std::size_t i = 0; i < core::tradeClassTable.size(); ++i) {
            const auto tradeClass = static_cast<core::TradeClass>(i);
            if (core::category(tradeClass) != category)
                continue;
            QAction* action = sub->addAction(qt(core::code(tradeClass)) + QStringLiteral(" — ") +
                                             qt(core::displayName(tradeClass)));
            action->setCheckable(true);
            action->setChecked(view.mapFilterTradeClasses.count(tradeClass) > 0);
            connect(action, &QAction::toggled, this, [this, tradeClass](bool on) {
                change([&](universe::MapViewSettings& settings) {
                    if (on)
                        settings.mapFilterTradeClasses.insert(tradeClass);
                    else
                        settings.mapFilterTradeClasses.erase(tradeClass);
                });
            });
        }
    }
}

void MapMenus::fillLabelMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    const universe::MapViewSettings view = u.mapView();
    std::set<std::string> categories;
    for (const auto& label : u.starmapLabels()) {
        if (!label.category.empty())
            categories.insert(label.category);
    }
    QAction* all = menu->addAction(tr("All categories"));
    all->setCheckable(true);
    all->setChecked(view.hiddenLabelCategories.empty());
    connect(all, &QAction::triggered, this, [this] {
        change(
            [&](universe::MapViewSettings& settings) { settings.hiddenLabelCategories.clear(); });
    });
    menu->addSeparator();
    // The empty category stands for labels without one.
    std::vector<std::pair<std::string, QString>> entries{{std::string(), tr("Uncategorized")}};
    for (const auto& category : categories)
        entries.emplace_back(category, QString::fromStdString(category));
    for (const auto& [category, text] : entries) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(view.hiddenLabelCategories.count(category) == 0);
        connect(action, &QAction::toggled, this, [this, category = category](bool shown) {
            change([&](universe::MapViewSettings& settings) {
                if (shown)
                    settings.hiddenLabelCategories.erase(category);
                else
                    settings.hiddenLabelCategories.insert(category);
            });
        });
    }
}

} // namespace velmora::starmap
