#pragma once

#include "core/signal.h"

#include <QWidget>

class QLabel;
class QStackedLayout;

namespace velmora::ui {
class EmptyStateView;
struct ViewContext;
} // namespace velmora::ui

namespace velmora::travel {

class RoutePlanPanel;

// "Route Plan": the route pinned in the current universe, kept in view beside the
// map while the referee works elsewhere. It follows the pin and the universe.
class RoutePlanWindow : public QWidget {
    Q_OBJECT
public:
    explicit RoutePlanWindow(ui::ViewContext& context, QWidget* parent = nullptr);
    ~RoutePlanWindow() override;

    void refresh();

private:
    ui::ViewContext& m_context;
    QStackedLayout* m_stack;
    ui::EmptyStateView* m_empty;
    QLabel* m_title;
    RoutePlanPanel* m_panel;
    core::Signal<>::Subscription m_pinChanged;
    core::Signal<>::Subscription m_universeReplaced;
};

inline constexpr const char* routePlanWindowIdentifier = "route-plan";

// Opens the window, or brings it forward.
QWidget* openRoutePlan(ui::ViewContext& context);

} // namespace velmora::travel
