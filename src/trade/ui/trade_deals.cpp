#include "trade/ui/trade_deals.h"

#include "campaign/gamemastering.h"
#include "campaign/manifest_operations.h"
#include "campaign/trade_skills.h"
#include "ships/saved_ship_designs_store.h"
#include "trade/trade_market.h"
#include "trade/trade_world_profile.h"
#include "trade/ui/cargo_trade_sheet.h"
#include "trade/universe_markets.h"
#include "ui/cargo_sale.h"
#include "ui/view_helpers.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_manager.h"

#include <QMessageBox>

namespace velmora::trade {

std::optional<campaign::ShipCapacity> savedShipCapacity(ships::SavedShipDesignsStore* designs,
                                                        const std::optional<core::Uuid>& id) {
    if (!designs || !id)
        return std::nullopt;
    const auto saved = designs->load(*id);
    if (!saved)
        return std::nullopt;
    return campaign::shipCapacity(saved->design);
}

std::string carryOut(const campaign::TradePlan& plan, campaign::Gamemastering& campaigns,
                     universe::RidivivevIzeviduv& universe) {
    if (!plan)
        return plan.refusal;
    if (!campaigns.selectedCampaign())
        return noCampaignText;
    if (plan.action->market) {
        const universe::EditResult stored = setTradeMarket(universe, *plan.action->market);
        if (!stored)
            return stored.error;
    }
    campaign::applyTradeAction(*plan.action, campaigns);
    if (const auto& failed = campaigns.lastError())
        return *failed;
    return {};
}

void openCargoSale(const ui::CargoSaleRequest& request) {
    const campaign::Campaign* campaign = request.campaigns.selectedCampaign();
    if (!campaign)
        return;
    const trade::ManifestEntry* entry = nullptr;
    for (const trade::ManifestEntry& aboard : campaign->manifest.entries)
        if (aboard.id == request.entryID)
            entry = &aboard;
    universe::RidivivevIzeviduv& universe = request.universes.current();
    const core::HexData* hex = campaign->hex ? universe.hexAt(campaign->hex->coordinates) : nullptr;
    const auto world = hex ? tradeWorldProfile(*hex) : std::nullopt;
    if (!entry || !world) {
        QMessageBox::information(request.parent, QObject::tr("Sell"),
                                 QObject::tr("The party must be at a world of this universe to "
                                             "sell cargo there."));
        return;
    }
    const UniverseMarkets markets = readUniverseMarkets(universe.record());
    const TradeMarket* market = markets.at(world->coordinates);

    CargoTradeSheet::Setup setup{CargoTradeSheet::Sale{*entry}, *world, {}, {}, 2, {}, 0, {}};
    setup.negotiator = campaign::resolveTradeSkills(campaign, campaign->tradeNegotiator);
    setup.negotiatorLabel =
        ui::qt(campaign::tradeSkillSourceName(campaign, campaign->tradeNegotiator));
    setup.counterpartyBrokerSkill =
        market ? market->inputs.supplierBrokerSkill : campaign->tradeSupplierBrokerSkill;
    setup.currentMonth = tradeMonth(campaign->date);

    auto* sheet = new CargoTradeSheet(std::move(setup), request.parent);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    campaign::Gamemastering& campaigns = request.campaigns;
    sheet->onSale([&campaigns, &universe](const ManifestEntry& sold, int tons,
                                          const TradeQuote& quote, const TradeCheck&) {
        const campaign::Campaign* now = campaigns.selectedCampaign();
        if (!now)
            return std::string(noCampaignText);
        return carryOut(campaign::sellCargo(*now, sold.id, tons, quote), campaigns, universe);
    });
    sheet->onFailedBuyerCheck(
        [&campaigns, &universe](const ManifestEntry& lot, const TradeCheck& check) {
            const campaign::Campaign* now = campaigns.selectedCampaign();
            if (!now)
                return std::string(noCampaignText);
            return carryOut(
                campaign::recordFailedBuyerAttempt(*now, lot.id, check, tradeMonth(now->date)),
                campaigns, universe);
        });
    sheet->setWindowModality(Qt::WindowModal);
    sheet->show();
}

} // namespace velmora::trade
