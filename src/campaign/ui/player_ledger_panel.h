#pragma once

#include "campaign/player_fields.h"
#include "core/uuid.h"
#include "ui/view_helpers.h"

#include <QWidget>
#include <array>
#include <string>

class QCheckBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace velmora::campaign {

class Gamemastering;
class NotesEdit;
struct Campaign;
struct PlayerInfo;

// One player's page: who they are, their ledger with the months owed and what
// settles them, the trade skills, and the skill in training with its EDU check.
// Every field is stored as the referee leaves it.
class PlayerLedgerPanel : public QWidget {
    Q_OBJECT
public:
    PlayerLedgerPanel(Gamemastering& store, QWidget* parent = nullptr);

    void showPlayer(const Campaign& campaign, const PlayerInfo& player);
    void setConfirmation(ui::Confirmation confirmation) { m_confirm = std::move(confirmation); }

private:
    struct AmountRow {
        QLineEdit* field = nullptr;
        QLabel* owed = nullptr;
        QPushButton* action = nullptr;
        QLabel* label = nullptr;
        QWidget* money = nullptr;
    };
    QWidget* buildIdentity();
    QWidget* buildLedger();
    QWidget* buildSkills();
    QWidget* buildTraining();
    template <typename Change>
    void change(Change&& change);
    void storeAmount(LedgerAmount amount);
    void storeText(QLineEdit* field);
    void rename();
    void removePlayer();

    Gamemastering& m_store;
    std::string m_code;
    core::Uuid m_playerID;
    ui::Confirmation m_confirm;

    QLabel* m_title = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_characterName = nullptr;
    QLineEdit* m_role = nullptr;
    QCheckBox* m_npc = nullptr;
    QCheckBox* m_jtas = nullptr;
    NotesEdit* m_notes = nullptr;
    QLabel* m_problem = nullptr;

    std::array<AmountRow, ledgerAmountFields.size()> m_amounts;
    QWidget* m_salaryNote = nullptr;

    std::array<QSpinBox*, playerSkillFields.size()> m_skills{};

    QLineEdit* m_training = nullptr;
    QSpinBox* m_weeks = nullptr;
    QSpinBox* m_level = nullptr;
    QSpinBox* m_period = nullptr;
    QLabel* m_progress = nullptr;
    QFrame* m_eduCheck = nullptr;
};

} // namespace velmora::campaign
