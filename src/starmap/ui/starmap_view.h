#pragma once

#include "core/signal.h"
#include "starmap/starmap_model.h"
#include "ui/view_context.h"

#include <QWidget>
#include <memory>
#include <vector>

class QLabel;
class QLineEdit;
class QStackedLayout;
class QToolButton;

namespace velmora::ui {
class EmptyStateView;
}

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::starmap {

class MapMenus;
class StarMapCanvas;
class SystemCard;

// "Star Map": the current universe on its hex grid, the menus that filter it,
// a system search and the card of the clicked system. Zoom and pan come back
// from the universe and go into it through the delayed save.
class StarMapView : public QWidget {
    Q_OBJECT
public:
    StarMapView(ui::ViewContext& context, QWidget* parent = nullptr);
    ~StarMapView() override;

    StarMapCanvas* canvas() const { return m_canvas; }
    SystemCard* card() const { return m_card; }
    QLineEdit* searchField() const { return m_search; }
    ui::EmptyStateView* emptyState() const { return m_empty; }
    QToolButton* viewMenuButton() const { return m_viewButton; }
    const StarMapModel& model() const { return *m_model; }

    // Centres the map on a system the search finds and opens its card: first the
    // system named so, then one whose name starts so, then the first found; asked
    // again with the same search, the next one found.
    bool findSystem(const QString& text);
    void selectHex(const core::GalacticCoordinates& hex);

    // How views elsewhere open a system's world information.
    using WorldInfoOpener = std::function<void(ui::ViewContext&, const core::GalacticCoordinates&)>;
    static void setWorldInfoOpener(WorldInfoOpener opener);

protected:
    void showEvent(QShowEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void rebuild();
    void storeTransform();
    void placeCard();
    void openWorldInfo();
    // Marks on the map what the search field finds, with the count beside it.
    void updateSearch();
    struct Search {
        std::vector<const core::HexData*> found; // in the map's order
        QString error;
        bool onlyNames = true;
    };
    Search search(const QString& text) const;

    ui::ViewContext& m_context;
    universe::RidivivevIzeviduv& m_universe;
    std::unique_ptr<StarMapModel> m_model;
    StarMapCanvas* m_canvas;
    SystemCard* m_card;
    ui::EmptyStateView* m_empty;
    QStackedLayout* m_stack;
    QLineEdit* m_search;
    QLabel* m_status;
    QToolButton* m_viewButton;
    MapMenus* m_menus;
    core::Signal<>::Subscription m_subscription;
    core::Signal<>::Subscription m_pinnedRoute;
    QString m_lastFound; // the search the last "find" went to
    std::size_t m_foundIndex = 0;
    bool m_ownChange = false;
    bool m_placed = false;
};

void registerStarMapViews(ui::DetailViewRegistry& registry);

} // namespace velmora::starmap
