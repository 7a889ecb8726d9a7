#pragma once

#include "core/galactic_coordinates.h"
#include "core/signal.h"
#include "core/uuid.h"
#include "travel/route_plan.h"
#include "universe/rutter.h"

#include <QWidget>
#include <cstddef>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedLayout;

namespace velmora::core {
class RandomSource;
}
namespace velmora::ui {
class EmptyStateView;
struct ViewContext;
} // namespace velmora::ui

namespace velmora::travel {

class RoutePlanPanel;
class ThrustSpinBox;

// "Route Planner": the best jump route between two systems for a notional ship or
// for a saved design, with its stops, fuel, times and costs. The plan is made again
// whenever what it depends on changes; it can be pinned to the map, saved as a
// faction's rutters and applied to the selected campaign.
class RoutePlannerView : public QWidget {
    Q_OBJECT
public:
    explicit RoutePlannerView(ui::ViewContext& context, QWidget* parent = nullptr);
    ~RoutePlannerView() override;

    // Where jump and refuelling times are rolled; the system's secure source unless
    // a test hands in its own. The source must outlive the view.
    void setRandomSource(core::RandomSource& dice);

    const std::optional<RoutePlan>& plan() const { return m_plan; }
    // Chooses the start or the destination (either may be left as it is), as the
    // map's "Plan Route From Here" and "To Here" do.
    void setEnds(const std::optional<core::GalacticCoordinates>& from,
                 const std::optional<core::GalacticCoordinates>& to);

private:
    void buildInputs(QWidget* panel);
    void buildResults(QWidget* panel);
    void refreshSystems();
    void refreshShips();
    void refreshFactions();
    void refreshCampaign();
    void loadShip();
    void replan();
    void showResult();
    std::optional<core::GalacticCoordinates> chosen(const QComboBox* picker) const;
    std::size_t hexFingerprint() const;

    void openInWindow();
    void createRutters();
    void applyToCampaign(int action);

    ui::ViewContext& m_context;
    core::RandomSource* m_dice;

    std::optional<ShipProfile> m_ship;
    std::optional<RoutePlan> m_plan;
    QString m_error;
    std::optional<int> m_createdRutters;
    std::size_t m_hexes = 0;             // fingerprint of the systems last listed
    std::optional<long long> m_salaries; // what the last plan paid the crew a period

    QStackedLayout* m_stack;
    ui::EmptyStateView* m_noSystems;
    QComboBox* m_from;
    QComboBox* m_to;
    QRadioButton* m_generic;
    QRadioButton* m_specific;
    QWidget* m_genericSection;
    QSpinBox* m_jumpRating;
    QCheckBox* m_canScoop;
    ThrustSpinBox* m_thrust;
    QWidget* m_shipSection;
    QComboBox* m_shipPicker;
    QLabel* m_shipSummary;

    ui::EmptyStateView* m_chooseTwo;
    QLabel* m_errorLine;
    QWidget* m_planSection;
    RoutePlanPanel* m_panel;
    QWidget* m_ruttersSection;
    QLabel* m_ruttersHeading;
    QComboBox* m_faction;
    QComboBox* m_age;
    QPushButton* m_createRutters;
    QLabel* m_created;
    QLabel* m_noFactions;
    QLabel* m_noCampaign;
    QWidget* m_campaignButtons;
    QPushButton* m_setLocation;
    QPushButton* m_addTime;
    QPushButton* m_payFuel;
    QPushButton* m_payUpkeep;
    QLabel* m_feedback;

    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_campaignsChanged;
    core::Signal<>::Subscription m_shipsChanged;
};

} // namespace velmora::travel
