#pragma once

#include "core/galactic_coordinates.h"
#include "core/signal.h"
#include "core/uuid.h"
#include "travel/travel_tables.h"

#include <QWidget>
#include <optional>

class QComboBox;
class QLabel;
class QStackedLayout;
class QVBoxLayout;

namespace velmora::ui {
class EmptyStateView;
struct ViewContext;
} // namespace velmora::ui

namespace velmora::travel {

class ThrustSpinBox;
class TravelTimeTable;

// The travel calculators of one system: how far each body's jump point lies and
// how long the burn takes, and the transit between any two bodies. "System Travel"
// shows both; "Interplanetary Travel" only the transit. Either follows edits of
// the system and closes when another universe is opened.
class TravelWindow : public QWidget {
    Q_OBJECT
public:
    TravelWindow(ui::ViewContext& context, core::GalacticCoordinates hex,
                 std::optional<core::Uuid> fromWorldID, bool interplanetary,
                 QWidget* parent = nullptr);
    ~TravelWindow() override;

    const core::GalacticCoordinates& hex() const { return m_hex; }
    void refresh();

private:
    void fillBodies(const core::HexData& hex);
    void showTransit();

    ui::ViewContext& m_context;
    core::GalacticCoordinates m_hex;
    bool m_interplanetary;
    std::optional<core::Uuid> m_fromID;
    std::optional<core::Uuid> m_toID;
    std::vector<TravelBodyChoice> m_bodies;
    QStackedLayout* m_stack;
    ui::EmptyStateView* m_notFound;
    QLabel* m_title;
    ThrustSpinBox* m_thrust;
    QWidget* m_jumpSection = nullptr;
    TravelTimeTable* m_jumpTable = nullptr;
    QLabel* m_noSurface = nullptr;
    QLabel* m_tooFewBodies;
    QWidget* m_pickers;
    QComboBox* m_from;
    QComboBox* m_to;
    TravelTimeTable* m_transitTable;
    QLabel* m_feedback;
    bool m_filling = false;
    core::Signal<>::Subscription m_universeChanged;
    core::Signal<>::Subscription m_universeReplaced;
};

class SystemTravelWindow : public TravelWindow {
    Q_OBJECT
public:
    SystemTravelWindow(ui::ViewContext& context, core::GalacticCoordinates hex,
                       QWidget* parent = nullptr);
};

class InterplanetaryTravelWindow : public TravelWindow {
    Q_OBJECT
public:
    InterplanetaryTravelWindow(ui::ViewContext& context, const InterplanetaryTravelTarget& target,
                               QWidget* parent = nullptr);
};

inline constexpr const char* systemTravelWindowIdentifier = "system-travel";
inline constexpr const char* interplanetaryTravelWindowIdentifier = "interplanetary-travel";

// Open the window for a value, or bring forward the one already showing it.
QWidget* openSystemTravel(ui::ViewContext& context, const core::GalacticCoordinates& hex);
QWidget* openInterplanetaryTravel(ui::ViewContext& context,
                                  const InterplanetaryTravelTarget& target);

} // namespace velmora::travel
