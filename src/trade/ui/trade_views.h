#pragma once

namespace velmora::ui {
class DetailViewRegistry;
}

namespace velmora::trade {

// The "Trade" sidebar view, and the sheet the campaign's manifest sells cargo in.
void registerTradeViews(ui::DetailViewRegistry& registry);

} // namespace velmora::trade
