#include "starmap/ui/map_menus.h"

#include "core/ui/qt_text.h"
#include "factions/faction_lists.h"
#include "factions/faction_texts.h"
#include "starmap/map_filter.h"
#include "universe/ridivivev_izeviduv.h"

#include <QActionGroup>
#include <QMenu>

#include <set>

namespace velmora::starmap {

namespace {

QAction* addSwitch(QMenu* menu, const QString& text, bool& field, const std::function<void()>& changed) {
    QAction* action = menu->addAction(text);
    action->setCheckable(true);
    action->setChecked(field);
    QObject::connect(action, &QAction::toggled, menu, [&field, changed](bool on) {
        field = on;
        changed();
    });
    return action;
}

} // namespace

QString MapMenus::locationCodeHelp() {
    return tr("Also show the map grid code after Traveller-style locations, e.g. “Troj 2815 (D0)”.");
}

void MapMenus::changed() {
    m_universe->scheduleSave(universe::RidivivevIzeviduv::mapSaveDelay);
}

void MapMenus::fillViewMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    const bool traveller = u.usesTravellerTechLevels();
    const auto onChange = [this] { changed(); };

    auto* modes = new QActionGroup(menu);
    for (const auto& [mode, text] : {std::pair{universe::MapViewMode::referee, tr("Referee View")},
                                     std::pair{universe::MapViewMode::player, tr("Player View")}}) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(u.mapViewMode == mode);
        modes->addAction(action);
        connect(action, &QAction::triggered, this, [this, mode = mode] {
            m_universe->mapViewMode = mode;
            changed();
        });
    }
    menu->addSection(tr("Layers"));
    addSwitch(menu, qt(universe::rutterListTitle(traveller)), u.mapShowRutters, onChange);
    addSwitch(menu, tr("Distance"), u.mapShowRouteDistances, onChange);
    addSwitch(menu, tr("Nebulae"), u.mapShowNebulae, onChange);
    addSwitch(menu, tr("Regions"), u.mapShowRegions, onChange);
    addSwitch(menu, tr("Labels"), u.mapShowLabels, onChange);
    addSwitch(menu, tr("Surveyed"), u.mapShowSurveyedData, onChange)
        ->setToolTip(tr("Mark surveyed systems; in the player view, show the profiles of surveyed systems."));
    QAction* code = addSwitch(menu, tr("Sector Code in Locations"), u.locationShowsSectorCode, onChange);
    code->setToolTip(locationCodeHelp());
    code->setStatusTip(locationCodeHelp());
    menu->setToolTipsVisible(true);

    menu->addSection(tr("System Awareness"));
    addSwitch(menu, qt(awarenessLabel(AwarenessGroup::starfarers, traveller)), u.mapShowStarfarers, onChange);
    addSwitch(menu, qt(awarenessLabel(AwarenessGroup::sathar, traveller)), u.mapShowSathar, onChange);
    addSwitch(menu, qt(awarenessLabel(AwarenessGroup::other, traveller)), u.mapShowOther, onChange);
}

void MapMenus::fillFactionMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    QAction* all = menu->addAction(tr("All factions"));
    all->setCheckable(true);
    all->setChecked(u.selectedFactionIDs.empty());
    connect(all, &QAction::triggered, this, [this] {
        m_universe->selectedFactionIDs.clear();
        changed();
    });
    if (!u.factionLists.empty()) {
        menu->addSection(tr("Faction Lists"));
        for (const universe::FactionList& list : u.factionLists) {
            std::vector<core::Uuid> ids;
            for (const universe::Faction* member : factions::factionsInList(list, u.factions))
                ids.push_back(member->id);
            QAction* action = menu->addAction(qt(factions::listDisplayName(list)));
            action->setCheckable(true);
            action->setChecked(!ids.empty() && u.selectedFactionIDs == std::set<core::Uuid>(ids.begin(), ids.end()));
            connect(action, &QAction::triggered, this, [this, ids] {
                m_universe->selectedFactionIDs = std::set<core::Uuid>(ids.begin(), ids.end());
                changed();
            });
        }
    }
    if (!u.factions.empty())
        menu->addSection(tr("Factions"));
    for (const universe::Faction& faction : u.factions) {
        QAction* action = menu->addAction(qt(factions::factionDisplayName(faction)));
        action->setCheckable(true);
        action->setChecked(u.selectedFactionIDs.count(faction.id) > 0);
        const core::Uuid id = faction.id;
        connect(action, &QAction::toggled, this, [this, id](bool on) {
            if (on)
                m_universe->selectedFactionIDs.insert(id);
            else
                m_universe->selectedFactionIDs.erase(id);
            changed();
        });
    }
}

void MapMenus::fillTradeCodeMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    QAction* all = menu->addAction(tr("All codes"));
    all->setCheckable(true);
    all->setChecked(u.mapFilterTradeClasses.empty());
    connect(all, &QAction::triggered, this, [this] {
        m_universe->mapFilterTradeClasses.clear();
        changed();
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
            action->setChecked(u.mapFilterTradeClasses.count(tradeClass) > 0);
            connect(action, &QAction::toggled, this, [this, tradeClass](bool on) {
                if (on)
                    m_universe->mapFilterTradeClasses.insert(tradeClass);
                else
                    m_universe->mapFilterTradeClasses.erase(tradeClass);
                changed();
            });
        }
    }
}

void MapMenus::fillLabelMenu(QMenu* menu) {
    menu->clear();
    if (!m_universe)
        return;
    auto& u = *m_universe;
    std::set<std::string> categories;
    for (const auto& label : u.starmapLabels) {
        if (!label.category.empty())
            categories.insert(label.category);
    }
    QAction* all = menu->addAction(tr("All categories"));
    all->setCheckable(true);
    all->setChecked(u.hiddenLabelCategories.empty());
    connect(all, &QAction::triggered, this, [this] {
        m_universe->hiddenLabelCategories.clear();
        changed();
    });
    menu->addSeparator();
    // The empty category stands for labels without one.
    std::vector<std::pair<std::string, QString>> entries{{std::string(), tr("Uncategorized")}};
    for (const auto& category : categories)
        entries.emplace_back(category, QString::fromStdString(category));
    for (const auto& [category, text] : entries) {
        QAction* action = menu->addAction(text);
        action->setCheckable(true);
        action->setChecked(u.hiddenLabelCategories.count(category) == 0);
        connect(action, &QAction::toggled, this, [this, category = category](bool shown) {
            if (shown)
                m_universe->hiddenLabelCategories.erase(category);
            else
                m_universe->hiddenLabelCategories.insert(category);
            changed();
        });
    }
}

} // namespace velmora::starmap
