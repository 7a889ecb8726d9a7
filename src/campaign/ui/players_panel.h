#pragma once

#include "core/uuid.h"
#include "ui/view_helpers.h"

#include <QWidget>
#include <optional>
#include <string>

class QLabel;
class QListWidget;
class QPushButton;
class QScrollArea;

namespace velmora::campaign {

class Gamemastering;
class PlayerLedgerPanel;
struct Campaign;

// The campaign's players: the list with "Add Player", the actions for everyone
// (a week of training, the common credits, overdue NPC salaries, resetting the
// month markers), and the chosen player's ledger beside the list.
class PlayersPanel : public QWidget {
    Q_OBJECT
public:
    explicit PlayersPanel(Gamemastering& store, QWidget* parent = nullptr);

    void showCampaign(const Campaign& campaign);
    void setConfirmation(ui::Confirmation confirmation);
    std::optional<core::Uuid> chosenPlayer() const { return m_chosen; }
    void choosePlayer(const core::Uuid& playerID);

private:
    void showChosen();

    Gamemastering& m_store;
    std::string m_code;
    std::optional<core::Uuid> m_chosen;
    QLabel* m_commonCredits;
    QPushButton* m_salariesDue;
    QListWidget* m_list;
    QLabel* m_noPlayers;
    QScrollArea* m_ledgerArea;
    PlayerLedgerPanel* m_ledger;
};

} // namespace velmora::campaign
