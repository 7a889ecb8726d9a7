#pragma once

#include "core/signal.h"
#include "systems/world_info.h"

#include <QWidget>

class QLabel;
class QTextBrowser;

namespace velmora::universe {
class UniverseManager;
}
namespace velmora::ui {
struct ViewContext;
}

namespace velmora::systems {

// "World Info": one world's full profile with every digit explained, its trade
// classes by category, its star, tags, factions and notes. It follows the universe as
// it changes and closes when another universe is opened.
class WorldInfoWindow : public QWidget {
    Q_OBJECT
public:
    WorldInfoWindow(universe::UniverseManager& manager, WorldInfoTarget target,
                    QWidget* parent = nullptr);

    const WorldInfoTarget& target() const { return m_target; }
    // The page as plain text.
    QString text() const;
    void refresh();

private:
    QString pageHtml() const;

    universe::UniverseManager& m_manager;
    WorldInfoTarget m_target;
    QTextBrowser* m_page;
    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_universeReplaced;
};

// Opens the window for a target, or brings forward the one already showing it.
QWidget* openWorldInfo(ui::ViewContext& context, const WorldInfoTarget& target);

inline constexpr const char* worldInfoWindowIdentifier = "world-info";

} // namespace velmora::systems
