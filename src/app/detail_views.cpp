#include "app/detail_views.h"

#include "ui/empty_state_view.h"

namespace velmora::app {

QWidget* makeDetailView(ui::ViewContext& context, const ui::DetailViewRegistry& registry,
                        const std::optional<ui::SidebarSelection>& selection, QWidget* parent) {
    if (selection) {
        if (const ui::DetailViewFactory* factory = registry.find(selection->destination))
            return (*factory)(context, *selection, parent);
    }
    return new ui::EmptyStateView(QObject::tr("Nothing Selected"),
                                  QObject::tr("Choose an item from the sidebar."), parent);
}

} // namespace velmora::app
