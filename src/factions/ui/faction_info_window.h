#pragma once

#include "core/signal.h"
#include "core/uuid.h"

#include <QWidget>

class QPushButton;
class QScrollArea;
class QVBoxLayout;

namespace velmora::ui {
struct ViewContext;
}
namespace velmora::universe {
class UniverseManager;
}

namespace velmora::factions {

// "Faction Info": one faction's summary, read-only, following every save of the
// universe. It belongs to the universe it was opened in and closes when another
// one is opened.
class FactionInfoWindow : public QWidget {
    Q_OBJECT
public:
    FactionInfoWindow(universe::UniverseManager& manager, const core::Uuid& factionID,
                      QWidget* parent = nullptr);
    ~FactionInfoWindow() override;

    static inline const QString identifier = QStringLiteral("faction-summary");

    // Every text the window shows, one label per line, for reading it back.
    QString shownText() const;
    QPushButton* wikiButton() const { return m_wiki; }

private:
    void rebuild();
    void watchCurrentUniverse();

    universe::UniverseManager& m_manager;
    core::Uuid m_factionID;
    QScrollArea* m_scroll = nullptr;
    QWidget* m_content = nullptr;
    QPushButton* m_wiki = nullptr;
    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_universeReplaced;
};

// Opens the faction's window, or brings it forward when it is open.
QWidget* openFactionInfo(ui::ViewContext& context, const core::Uuid& factionID);
void closeFactionInfo(ui::ViewContext& context, const core::Uuid& factionID);

} // namespace velmora::factions
