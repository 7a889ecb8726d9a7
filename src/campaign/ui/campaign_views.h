#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::campaign {

// The campaign views of the sidebar: "Campaign".
void registerCampaignViews(ui::DetailViewRegistry& registry);

} // namespace velmora::campaign
