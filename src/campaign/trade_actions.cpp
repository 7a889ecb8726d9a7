#include "campaign/trade_actions.h"

#include "campaign/campaign_journal.h"
#include "campaign/campaign_rules.h"
#include "campaign/gamemastering.h"

namespace velmora::campaign {

void recordTradeAction(const std::string& title, const std::string& message,
                       core::Credits creditChange, trade::ShipManifest manifest,
                       Campaign& campaign) {
    campaign.manifest = std::move(manifest);
    campaign.commonCredits = core::addCredits(campaign.commonCredits, creditChange);
    NoteFields note;
    note.title = title;
    note.date = campaign.date;
    note.content = message;
    createNote(campaign, std::move(note));
}

void applyTradeAction(const TradeAction& action, Campaign& campaign) {
    recordTradeAction(action.title, action.message, action.creditChange, action.manifest, campaign);
    campaign.maintenanceAccruedMonth += action.maintenanceMonths;
    campaign.lifeSupportAccruedMonth += action.lifeSupportMonths;
    // The feedback line is plain text: the note keeps the bold marks, the line
    // does not show them.
    std::string plain = action.message;
    for (std::size_t at = plain.find("**"); at != std::string::npos; at = plain.find("**", at))
        plain.erase(at, 2);
    reportFeedback(campaign, std::move(plain));
}

bool applyTradeAction(const TradeAction& action, Gamemastering& store) {
    const Campaign* selected = store.selectedCampaign();
    if (!selected)
        return false;
    const std::string code = selected->code;
    store.edit(code, [&](Campaign& campaign) { applyTradeAction(action, campaign); });
    return true;
}

} // namespace velmora::campaign
