#include "trade/ui/trade_views.h"

#include "trade/ui/trade_deals.h"
#include "trade/ui/trade_view.h"
#include "ui/cargo_sale.h"
#include "ui/view_context.h"

namespace velmora::trade {

void registerTradeViews(ui::DetailViewRegistry& registry) {
    registry.add(ui::Destination::trade,
                 [](ui::ViewContext& context, const ui::SidebarSelection&,
                    QWidget* parent) -> QWidget* { return new TradeView(context, parent); });
    ui::cargoSaleOpener() = openCargoSale;
}

} // namespace velmora::trade
