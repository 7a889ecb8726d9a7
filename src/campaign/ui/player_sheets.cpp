#include "campaign/ui/player_sheets.h"

#include "campaign/gamemastering.h"
#include "campaign/player_ledger.h"
#include "campaign/players.h"
#include "campaign/ui/campaign_ui_support.h"
#include "ui/view_helpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::campaign {

NewPlayerSheet::NewPlayerSheet(Gamemastering& store, std::string code, QWidget* parent)
    : QDialog(parent), m_store(store), m_code(std::move(code)), m_name(new QLineEdit(this)),
      m_characterName(new QLineEdit(this)), m_notes(new QPlainTextEdit(this)),
      m_problem(ui::messageLine(QStringLiteral("newPlayerProblem"), true)) {
    setObjectName(QStringLiteral("newPlayerSheet"));
    setWindowTitle(tr("New Player"));
    auto* title = new QLabel(windowTitle(), this);
    ui::makeTitle(title);
    m_name->setObjectName(QStringLiteral("playerName"));
    m_characterName->setObjectName(QStringLiteral("playerCharacterName"));
    m_notes->setObjectName(QStringLiteral("playerNotes"));
    m_name->setMinimumWidth(300);
    m_notes->setMinimumHeight(80);

    auto* form = new QFormLayout;
    form->addRow(tr("Name"), fieldWithHelp(m_name, tr("Enter a name for the player."), this));
    form->addRow(
        tr("Character Name"),
        fieldWithHelp(m_characterName, tr("Enter a name for the player's character."), this));
    form->addRow(tr("Notes"), m_notes);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(tr("Create"));
    ok->setObjectName(QStringLiteral("submitPlayer"));
    connect(buttons, &QDialogButtonBox::accepted, this, &NewPlayerSheet::submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
}

void NewPlayerSheet::submit() {
    const NewPlayer player{m_name->text().toStdString(), m_characterName->text().toStdString(),
                           m_notes->toPlainText().toStdString()};
    std::optional<std::string> problem;
    std::optional<core::Uuid> added;
    m_store.edit(m_code, [&](Campaign& campaign) {
        problem = newPlayerProblem(campaign, player);
        if (!problem)
            added = addPlayer(campaign, player);
    });
    if (problem) {
        ui::showMessage(m_problem, qt(*problem));
        return;
    }
    if (added)
        Q_EMIT this->added(*added);
    accept();
}

TransferFundsSheet::TransferFundsSheet(Gamemastering& store, std::string code, core::Uuid playerID,
                                       QWidget* parent)
    : QDialog(parent), m_store(store), m_code(std::move(code)), m_playerID(playerID),
      m_balances(new QLabel(this)), m_amount(new QLineEdit(this)), m_direction(new QComboBox(this)),
      m_problem(ui::messageLine(QStringLiteral("transferProblem"), true)) {
    setObjectName(QStringLiteral("transferFundsSheet"));
    setWindowTitle(tr("Transfer Funds"));
    auto* title = new QLabel(windowTitle(), this);
    ui::makeTitle(title);
    m_balances->setObjectName(QStringLiteral("transferBalances"));
    m_balances->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_amount->setObjectName(QStringLiteral("transferAmount"));
    m_amount->setPlaceholderText(tr("Cr"));
    m_direction->setObjectName(QStringLiteral("transferDirection"));
    m_direction->addItem(tr("Cash to Bank"), static_cast<int>(TransferDirection::cashToBank));
    m_direction->addItem(tr("Bank to Cash"), static_cast<int>(TransferDirection::bankToCash));
    auto* transfer = new QPushButton(tr("Transfer"), this);
    transfer->setObjectName(QStringLiteral("transferButton"));
    transfer->setAutoDefault(false);

    auto* form = new QFormLayout;
    form->addRow(tr("Amount"), m_amount);
    form->addRow(tr("Direction"), m_direction);
    form->addRow(QString(), transfer);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* done = buttons->addButton(tr("Done"), QDialogButtonBox::RejectRole);
    done->setObjectName(QStringLiteral("transferDone"));
    done->setAutoDefault(false);
    // Done is no accept button, so Return in the amount moves the money instead.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(transfer, &QPushButton::clicked, this, &TransferFundsSheet::transfer);
    connect(m_amount, &QLineEdit::returnPressed, this, &TransferFundsSheet::transfer);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_balances);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    resize(420, layout->sizeHint().height());

    showBalances();
    m_storeChanged = m_store.changed().subscribe([this] { showBalances(); });
}

void TransferFundsSheet::showBalances() {
    const Campaign* campaign = m_store.campaign(m_code);
    const PlayerInfo* player = campaign ? findPlayer(*campaign, m_playerID) : nullptr;
    if (!player) {
        // The player or the campaign went: there is nothing left to transfer.
        reject();
        return;
    }
    m_balances->setText(qt(transferBalancesText(*player)));
}

void TransferFundsSheet::transfer() {
    const auto amount = readCredits(m_amount, core::AmountSign::notNegative, m_problem);
    if (!amount)
        return;
    const auto direction = static_cast<TransferDirection>(m_direction->currentData().toInt());
    std::optional<std::string> refused;
    editPlayer(m_store, m_code, m_playerID, [&](Campaign&, PlayerInfo& player) {
        refused = transferFunds(player, *amount, direction);
    });
    if (refused) {
        ui::showMessage(m_problem, qt(*refused));
        return;
    }
    ui::showMessage(m_problem, QString());
    m_amount->clear();
}

} // namespace velmora::campaign
