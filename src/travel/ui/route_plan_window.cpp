#include "travel/ui/route_plan_window.h"

#include "travel/ui/route_plan_panel.h"
#include "ui/empty_state_view.h"
#include "ui/pinned_route.h"
#include "ui/view_context.h"
#include "ui/view_helpers.h"
#include "ui/window_registry.h"
#include "universe/universe_manager.h"

#include <QLabel>
#include <QStackedLayout>
#include <QVBoxLayout>

namespace velmora::travel {

RoutePlanWindow::RoutePlanWindow(ui::ViewContext& context, QWidget* parent)
    : QWidget(parent, Qt::Window), m_context(context), m_stack(new QStackedLayout(this)),
      m_empty(new ui::EmptyStateView(
          tr("No Route"), tr("Plan a route and press \"Open in Window\" to see it here."), this)),
      m_title(new QLabel(this)), m_panel(new RoutePlanPanel(this)) {
    setWindowTitle(tr("Route Plan"));
    m_empty->setObjectName(QStringLiteral("noRoute"));
    m_title->setObjectName(QStringLiteral("routeTitle"));
    m_title->setWordWrap(true);
    ui::makeTitle(m_title);

    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->setContentsMargins(18, 14, 18, 14);
    layout->addWidget(m_title);
    layout->addWidget(m_panel);
    layout->addStretch();
    m_stack->addWidget(ui::scrollingPage(content, this));
    m_stack->addWidget(m_empty);

    m_pinChanged = ui::pinnedRoutes().changed().subscribe([this] { refresh(); });
    m_universeReplaced = m_context.manager.currentReplaced().subscribe([this] { refresh(); });
    resize(620, 560);
    refresh();
}

RoutePlanWindow::~RoutePlanWindow() = default;

void RoutePlanWindow::refresh() {
    const universe::RidivivevIzeviduv& universe = m_context.manager.current();
    const RoutePlan* plan = ui::pinnedRoutes().find(universe.id());
    if (!plan || plan->stops.empty()) {
        m_panel->clear();
        m_stack->setCurrentWidget(m_empty);
        return;
    }
    QString title =
        tr("%1 → %2").arg(qt(plan->stops.front().systemName), qt(plan->stops.back().systemName));
    if (plan->shipName)
        title += tr(" · %1").arg(qt(*plan->shipName));
    m_title->setText(title);
    m_panel->setPlan(*plan);
    m_stack->setCurrentIndex(0);
}

QWidget* openRoutePlan(ui::ViewContext& context) {
    return context.windows.open(QString::fromLatin1(routePlanWindowIdentifier), {},
                                [&context] { return new RoutePlanWindow(context); });
}

} // namespace velmora::travel
