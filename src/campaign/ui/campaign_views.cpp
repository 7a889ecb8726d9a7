#include "campaign/ui/campaign_views.h"

#include "campaign/ui/campaign_view.h"
#include "ui/empty_state_view.h"
#include "ui/view_context.h"

#include <memory>

namespace velmora::campaign {

void registerCampaignViews(ui::DetailViewRegistry& registry) {
    // One memory for every "Campaign" view the window makes: the tab and the
    // journal's order outlive a visit to another row.
    auto memory = std::make_shared<CampaignViewMemory>();
    registry.add(ui::Destination::campaign,
                 [memory](ui::ViewContext& context, const ui::SidebarSelection&,
                          QWidget* parent) -> QWidget* {
                     if (!context.campaigns)
                         return new ui::EmptyStateView(
                             QObject::tr("Campaign"),
                             QObject::tr("The campaign store is not open."), parent);
                     auto* view =
                         new CampaignView(*context.campaigns, context.manager, memory, parent);
                     view->setShipDesigns(context.shipDesigns);
                     return view;
                 });
}

} // namespace velmora::campaign
