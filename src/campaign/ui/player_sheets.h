#pragma once

#include "core/signal.h"
#include "core/uuid.h"

#include <QDialog>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace velmora::campaign {

class Gamemastering;

// "New Player": a name, the character's name and notes. A refused name keeps the
// sheet open with the reason.
class NewPlayerSheet : public QDialog {
    Q_OBJECT
public:
    NewPlayerSheet(Gamemastering& store, std::string code, QWidget* parent = nullptr);

Q_SIGNALS:
    void added(const core::Uuid& playerID);

private:
    void submit();

    Gamemastering& m_store;
    std::string m_code;
    QLineEdit* m_name;
    QLineEdit* m_characterName;
    QPlainTextEdit* m_notes;
    QLabel* m_problem;
};

// "Transfer Funds": moves money between a player's cash and bank account. Stays
// open for more transfers until "Done"; an amount beyond the source is refused.
class TransferFundsSheet : public QDialog {
    Q_OBJECT
public:
    TransferFundsSheet(Gamemastering& store, std::string code, core::Uuid playerID,
                       QWidget* parent = nullptr);

private:
    void transfer();
    void showBalances();

    Gamemastering& m_store;
    std::string m_code;
    core::Uuid m_playerID;
    QLabel* m_balances;
    QLineEdit* m_amount;
    QComboBox* m_direction;
    QLabel* m_problem;
    core::Signal<>::Subscription m_storeChanged;
};

} // namespace velmora::campaign
