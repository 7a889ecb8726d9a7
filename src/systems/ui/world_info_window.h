#pragma once

#include "core/signal.h"
#include "systems/world_info.h"

#include <QWidget>

class QLabel;
class QTextBrowser;

namespace velmora::universe {
class RidivivevIzeviduv;
class UniverseManager;
struct SystemDisclosure;
} // namespace velmora::universe
namespace velmora::ui {
struct ViewContext;
}

namespace velmora::systems {

// "World Info": one world's full profile with every digit explained, its trade
// classes by category, its star, tags, factions and notes; in the player view only
// what the players may know. It follows the universe and its view as they change
// and closes when another universe is opened.
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
    static QString profileHtml(const core::HexData& hex, const core::Star& star,
                               const core::WorldData& world);
    static QString withheldHtml(const core::WorldData& world,
                                const universe::SystemDisclosure& seen);
    static QString factionsHtml(const universe::RidivivevIzeviduv& universe,
                                const core::WorldData& world);
    static QString notesHtml(const core::WorldData& world);

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
