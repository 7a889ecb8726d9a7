#pragma once

#include "universe/map_view_settings.h"

#include <QObject>
#include <functional>

class QAction;
class QMenu;

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::starmap {

// The map's menus: the view switches and layers, the faction filter, the
// trade-code filter and the label categories. Each menu is built afresh when it
// opens, so it always shows the universe as it is; every choice changes the
// universe's map view settings, saved with the map's delayed save.
class MapMenus : public QObject {
    Q_OBJECT
public:
    explicit MapMenus(QObject* parent = nullptr) : QObject(parent) {}

    void setUniverse(universe::RidivivevIzeviduv* universe) { m_universe = universe; }

    void fillViewMenu(QMenu* menu);
    void fillFactionMenu(QMenu* menu);
    void fillTradeCodeMenu(QMenu* menu);
    void fillLabelMenu(QMenu* menu);

    static QString locationCodeHelp();

private:
    // Changes the map's view settings, saved with the map's delayed save.
    void change(const std::function<void(universe::MapViewSettings&)>& apply);
    QAction* addSwitch(QMenu* menu, const QString& text, bool universe::MapViewSettings::*field);
    universe::RidivivevIzeviduv* m_universe = nullptr;
};

} // namespace velmora::starmap
