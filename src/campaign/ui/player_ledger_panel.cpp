#include "campaign/ui/player_ledger_panel.h"

#include "campaign/campaign_texts.h"
#include "campaign/gamemastering.h"
#include "campaign/player_ledger.h"
#include "campaign/training.h"
#include "campaign/ui/campaign_ui_support.h"
#include "campaign/ui/player_sheets.h"
#include "ui/view_helpers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace velmora::campaign {

namespace {

// The object names of the ledger's rows: "amount-cash", "owed-pension", ….
QString amountKey(LedgerAmount amount) {
    switch (amount) {
    case LedgerAmount::cash:
        return QStringLiteral("cash");
    case LedgerAmount::bank:
        return QStringLiteral("bank");
    case LedgerAmount::pension:
        return QStringLiteral("pension");
    case LedgerAmount::debt:
        return QStringLiteral("debt");
    case LedgerAmount::monthlyPayment:
        return QStringLiteral("monthlyPayment");
    case LedgerAmount::livingExpenses:
        return QStringLiteral("livingExpenses");
    case LedgerAmount::salary:
        break;
    }
    return QStringLiteral("salary");
}

QString skillKey(PlayerSkill skill) {
    const char* keys[] = {"broker", "streetwise",     "carouse",   "steward",
                          "admin",  "socialStanding", "navalRank", "scoutRank"};
    return QString::fromLatin1(keys[static_cast<int>(skill)]);
}

QString monthsText(std::int64_t months, const QString& what) {
    return QStringLiteral("%1 %2 %3").arg(months).arg(qt(nounFor(months, "month")), what);
}

QPushButton* ledgerButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

void setTextWhenChanged(QLineEdit* field, const QString& text) {
    if (field->text() != text)
        field->setText(text);
}

} // namespace

PlayerLedgerPanel::PlayerLedgerPanel(Gamemastering& store, QWidget* parent)
    : QWidget(parent), m_store(store), m_confirm(ui::askWithMessageBox()) {
    setObjectName(QStringLiteral("playerLedger"));
    m_title = new QLabel(this);
    m_title->setObjectName(QStringLiteral("ledgerTitle"));
    ui::makeTitle(m_title);
    auto* remove = ledgerButton(tr("Remove Player…"), QStringLiteral("removePlayer"), this);
    connect(remove, &QPushButton::clicked, this, &PlayerLedgerPanel::removePlayer);
    m_problem = ui::messageLine(QStringLiteral("ledgerProblem"), true);

    auto* heading = new QHBoxLayout;
    heading->addWidget(m_title, 1);
    heading->addWidget(remove);

    // The money first, as it changes most; who the player is last.
    auto* middle = new QHBoxLayout;
    middle->addWidget(buildTraining(), 1);
    middle->addWidget(buildSkills());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(heading);
    layout->addWidget(m_problem);
    layout->addWidget(buildLedger());
    layout->addLayout(middle);
    layout->addWidget(m_eduCheck);
    layout->addWidget(buildIdentity());
    layout->addStretch();
}

template <typename Change>
void PlayerLedgerPanel::change(Change&& change) {
    editPlayer(m_store, m_code, m_playerID, std::forward<Change>(change));
}

QWidget* PlayerLedgerPanel::buildIdentity() {
    auto* box = new QGroupBox(tr("Player"), this);
    m_name = new QLineEdit(box);
    m_characterName = new QLineEdit(box);
    m_role = new QLineEdit(box);
    m_npc = new QCheckBox(tr("Salaried NPC"), box);
    m_jtas = new QCheckBox(tr("JTAS"), box);
    m_notes = new NotesEdit(box);
    m_name->setObjectName(QStringLiteral("ledgerName"));
    m_characterName->setObjectName(QStringLiteral("ledgerCharacterName"));
    m_role->setObjectName(QStringLiteral("ledgerRole"));
    m_npc->setObjectName(QStringLiteral("ledgerNPC"));
    m_jtas->setObjectName(QStringLiteral("ledgerJTAS"));
    m_notes->setObjectName(QStringLiteral("ledgerNotes"));
    m_role->setPlaceholderText(tr("Pilot, engineer, medic…"));
    m_notes->setMaximumHeight(90);
    m_jtas->setToolTip(tr("A member of the Journal of the Travellers' Aid Society."));

    auto* form = new QFormLayout(box);
    form->addRow(tr("Name"), m_name);
    form->addRow(tr("Character Name"), m_characterName);
    form->addRow(tr("Role"), m_role);
    auto* flags = new QHBoxLayout;
    flags->addWidget(m_npc);
    flags->addWidget(m_jtas);
    flags->addStretch();
    form->addRow(QString(), flags);
    form->addRow(tr("Notes"), m_notes);

    connect(m_name, &QLineEdit::editingFinished, this, &PlayerLedgerPanel::rename);
    connect(m_characterName, &QLineEdit::editingFinished, this,
            [this] { storeText(m_characterName); });
    connect(m_role, &QLineEdit::editingFinished, this, [this] { storeText(m_role); });
    connect(m_notes, &NotesEdit::editingFinished, this, [this] {
        const std::string notes = m_notes->toPlainText().toStdString();
        change([&](Campaign&, PlayerInfo& p) { p.notes = notes; });
    });
    connect(m_npc, &QCheckBox::toggled, this,
            [this](bool npc) { change([&](Campaign&, PlayerInfo& p) { p.isNPC = npc; }); });
    connect(m_jtas, &QCheckBox::toggled, this,
            [this](bool jtas) { change([&](Campaign&, PlayerInfo& p) { p.jtas = jtas; }); });
    return box;
}

QWidget* PlayerLedgerPanel::buildLedger() {
    auto* box = new QGroupBox(tr("Money"), this);
    auto* grid = new QGridLayout(box);
    grid->setColumnStretch(2, 1);
    for (std::size_t i = 0; i < ledgerAmountFields.size(); ++i) {
        const LedgerAmountField& field = ledgerAmountFields[i];
        AmountRow& row = m_amounts[i];
        const QString key = amountKey(field.amount);
        row.label = new QLabel(qt(field.label), box);
        // The field with its "Cr" in one piece, shown and hidden together.
        row.money = new QWidget(box);
        auto* money = new QHBoxLayout(row.money);
        money->setContentsMargins(0, 0, 0, 0);
        money->setSpacing(4);
        money->addWidget(new QLabel(QStringLiteral("Cr"), row.money));
        row.field = new QLineEdit(row.money);
        row.field->setObjectName(QStringLiteral("amount-") + key);
        row.field->setMinimumWidth(130);
        row.field->setAlignment(Qt::AlignRight);
        money->addWidget(row.field);
        row.owed = new QLabel(box);
        row.owed->setObjectName(QStringLiteral("owed-") + key);
        const int line = static_cast<int>(i);
        grid->addWidget(row.label, line, 0);
        grid->addWidget(row.money, line, 1);
        grid->addWidget(row.owed, line, 2);
        const LedgerAmount amount = field.amount;
        connect(row.field, &QLineEdit::editingFinished, this,
                [this, amount] { storeAmount(amount); });
    }
    const auto action = [&](LedgerAmount amount, const QString& text, const QString& name) {
        AmountRow& row = m_amounts[static_cast<std::size_t>(amount)];
        row.action = ledgerButton(text, name, box);
        grid->addWidget(row.action, static_cast<int>(amount), 3);
        return row.action;
    };
    connect(action(LedgerAmount::bank, tr("Transfer Funds…"), QStringLiteral("transferFunds")),
            &QPushButton::clicked, this,
            [this] { openSheet(new TransferFundsSheet(m_store, m_code, m_playerID, this)); });
    connect(action(LedgerAmount::pension, tr("Collect Pension"), QStringLiteral("collectPension")),
            &QPushButton::clicked, this,
            [this] { change([](Campaign& c, PlayerInfo& p) { collectPension(p, c.date); }); });
    connect(action(LedgerAmount::debt, tr("Pay Off Debt"), QStringLiteral("payOffDebt")),
            &QPushButton::clicked, this,
            [this] { change([](Campaign&, PlayerInfo& p) { payOffDebt(p); }); });
    connect(action(LedgerAmount::monthlyPayment, tr("Pay Monthly Payment"),
                   QStringLiteral("payMonthlyPayment")),
            &QPushButton::clicked, this,
            [this] { change([](Campaign& c, PlayerInfo& p) { payMonthlyPayment(p, c.date); }); });
    connect(action(LedgerAmount::livingExpenses, tr("Pay Living Expenses"),
                   QStringLiteral("payLivingExpenses")),
            &QPushButton::clicked, this,
            [this] { change([](Campaign& c, PlayerInfo& p) { payLivingExpenses(p, c.date); }); });
    QPushButton* salary =
        action(LedgerAmount::salary, tr("Pay Salary"), QStringLiteral("paySalary"));
    salary->setToolTip(qt(paySalaryHelp));
    connect(salary, &QPushButton::clicked, this,
            [this] { change([](Campaign& c, PlayerInfo& p) { paySalary(c, p); }); });

    const int below = static_cast<int>(ledgerAmountFields.size());
    auto* salaryNote =
        ui::quietNote(tr("Pay Salary moves one month's salary %1.").arg(qt(paySalaryHelp)), box);
    m_salaryNote = salaryNote;
    grid->addWidget(salaryNote, below, 0, 1, 4);
    auto* reset = ledgerButton(tr("Reset Trackers"), QStringLiteral("resetTrackers"), box);
    reset->setToolTip(qt(resetTrackersHelp));
    connect(reset, &QPushButton::clicked, this,
            [this] { change([](Campaign& c, PlayerInfo& p) { resetTrackers(p, c.date); }); });
    grid->addWidget(reset, below + 1, 0, 1, 2, Qt::AlignLeft);
    grid->addWidget(ui::quietNote(qt(resetTrackersHelp), box), below + 1, 2, 1, 2);
    return box;
}

QWidget* PlayerLedgerPanel::buildSkills() {
    auto* box = new QGroupBox(tr("Trade Skills"), this);
    auto* grid = new QGridLayout(box);
    for (std::size_t i = 0; i < playerSkillFields.size(); ++i) {
        const PlayerSkillField& field = playerSkillFields[i];
        auto* spin = new QSpinBox(box);
        spin->setObjectName(QStringLiteral("skill-") + skillKey(field.skill));
        spin->setRange(field.minimum, field.maximum);
        spin->setKeyboardTracking(false);
        m_skills[i] = spin;
        const int row = static_cast<int>(i) / 2;
        const int column = (static_cast<int>(i) % 2) * 2;
        grid->addWidget(new QLabel(qt(field.label), box), row, column);
        grid->addWidget(spin, row, column + 1);
        const PlayerSkill skill = field.skill;
        connect(spin, &QSpinBox::valueChanged, this, [this, skill](int value) {
            change([&](Campaign&, PlayerInfo& p) { setSkillValue(p, skill, value); });
        });
    }
    return box;
}

QWidget* PlayerLedgerPanel::buildTraining() {
    auto* box = new QGroupBox(tr("Training"), this);
    m_training = new QLineEdit(box);
    m_weeks = new QSpinBox(box);
    m_level = new QSpinBox(box);
    m_period = new QSpinBox(box);
    m_progress = new QLabel(box);
    m_training->setObjectName(QStringLiteral("ledgerTraining"));
    m_training->setPlaceholderText(tr("Skill being trained"));
    m_weeks->setObjectName(QStringLiteral("trainingWeeks"));
    m_level->setObjectName(QStringLiteral("trainingSkillLevel"));
    m_period->setObjectName(QStringLiteral("trainingPeriod"));
    m_progress->setObjectName(QStringLiteral("trainingProgress"));
    // Eight or more weeks typed in complete a study period.
    m_weeks->setRange(0, 99);
    m_level->setRange(-1, 15);
    m_level->setSpecialValueText(tr("Untrained"));
    m_period->setRange(0, 15);
    for (QSpinBox* spin : {m_weeks, m_level, m_period})
        spin->setKeyboardTracking(false);

    // The check waiting for its roll spans the page under the training, which
    // keeps the page narrow enough for the ledger beside the list.
    m_eduCheck = new QFrame(this);
    m_eduCheck->setObjectName(QStringLiteral("eduCheck"));
    m_eduCheck->setFrameShape(QFrame::StyledPanel);
    auto* checkText = new QLabel(qt(studyPeriodCompleteText), m_eduCheck);
    QFont bold = checkText->font();
    bold.setBold(true);
    checkText->setFont(bold);
    auto* passed = ledgerButton(tr("Passed"), QStringLiteral("eduPassed"), m_eduCheck);
    auto* failed = ledgerButton(tr("Failed"), QStringLiteral("eduFailed"), m_eduCheck);
    auto* checkLayout = new QGridLayout(m_eduCheck);
    checkLayout->addWidget(checkText, 0, 0);
    checkLayout->addWidget(passed, 0, 1);
    checkLayout->addWidget(failed, 0, 2);
    checkLayout->addWidget(ui::quietNote(qt(eduCheckNote), m_eduCheck), 1, 0, 1, 3);
    checkLayout->setColumnStretch(0, 1);

    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    m_training->setMinimumWidth(200);
    form->addRow(tr("Training"), m_training);
    form->addRow(tr("Weeks"), m_weeks);
    form->addRow(tr("Skill Level"), m_level);
    form->addRow(tr("Study Periods"), m_period);
    form->addRow(tr("Next level"), m_progress);

    connect(m_training, &QLineEdit::editingFinished, this, [this] {
        const std::string skill = m_training->text().trimmed().toStdString();
        change([&](Campaign&, PlayerInfo& p) { p.training = skill; });
    });
    connect(m_weeks, &QSpinBox::valueChanged, this, [this](int weeks) {
        change([&](Campaign&, PlayerInfo& p) { setTrainingWeeks(p, weeks); });
    });
    connect(m_level, &QSpinBox::valueChanged, this, [this](int level) {
        change([&](Campaign&, PlayerInfo& p) { p.trainingSkillLevel = level; });
    });
    connect(m_period, &QSpinBox::valueChanged, this,
            [this](int period) { change([&](Campaign&, PlayerInfo& p) { p.period = period; }); });
    connect(passed, &QPushButton::clicked, this,
            [this] { change([](Campaign&, PlayerInfo& p) { resolveEduCheck(p, true); }); });
    connect(failed, &QPushButton::clicked, this,
            [this] { change([](Campaign&, PlayerInfo& p) { resolveEduCheck(p, false); }); });
    return box;
}

void PlayerLedgerPanel::showPlayer(const Campaign& campaign, const PlayerInfo& player) {
    if (m_playerID != player.id || m_code != campaign.code)
        ui::showMessage(m_problem, QString());
    m_code = campaign.code;
    m_playerID = player.id;
    const QString character = qt(player.characterName.empty() ? player.name : player.characterName);
    if (player.isNPC)
        m_title->setText(tr("%1 — NPC").arg(character));
    else if (player.characterName.empty())
        m_title->setText(character);
    else
        m_title->setText(tr("%1 — played by %2").arg(character, qt(player.name)));

    const QSignalBlocker blockNPC(m_npc), blockJTAS(m_jtas), blockWeeks(m_weeks),
        blockLevel(m_level), blockPeriod(m_period);
    setTextWhenChanged(m_name, qt(player.name));
    setTextWhenChanged(m_characterName, qt(player.characterName));
    setTextWhenChanged(m_role, qt(player.role));
    if (m_notes->toPlainText() != qt(player.notes))
        m_notes->setPlainText(qt(player.notes));
    m_npc->setChecked(player.isNPC);
    m_jtas->setChecked(player.jtas);

    for (std::size_t i = 0; i < ledgerAmountFields.size(); ++i) {
        const LedgerAmount amount = ledgerAmountFields[i].amount;
        AmountRow& row = m_amounts[i];
        setTextWhenChanged(row.field, QString::number(ledgerAmount(player, amount)));
        QString owed;
        switch (amount) {
        case LedgerAmount::pension:
            owed =
                monthsText(monthsOwed(player.pensionAccruedMonth, campaign.date), tr("to collect"));
            break;
        case LedgerAmount::monthlyPayment:
            owed = monthsText(monthsOwed(player.monthlyPaymentAccruedMonth, campaign.date),
                              tr("owed"));
            break;
        case LedgerAmount::livingExpenses:
            owed = monthsText(monthsOwed(player.livingExpensesAccruedMonth, campaign.date),
                              tr("owed"));
            break;
        case LedgerAmount::salary:
            owed = monthsText(monthsOwed(player.salaryAccruedMonth, campaign.date), tr("owed"));
            break;
        default:
            break;
        }
        row.owed->setText(owed);
    }
    // Only a hired NPC draws a salary.
    AmountRow& salary = m_amounts[static_cast<std::size_t>(LedgerAmount::salary)];
    for (QWidget* part :
         {static_cast<QWidget*>(salary.label), salary.money, static_cast<QWidget*>(salary.owed),
          static_cast<QWidget*>(salary.action), m_salaryNote})
        part->setVisible(player.isNPC);
    m_amounts[static_cast<std::size_t>(LedgerAmount::debt)].action->setEnabled(player.debt > 0 &&
                                                                               player.cash > 0);

    for (std::size_t i = 0; i < playerSkillFields.size(); ++i) {
        const QSignalBlocker block(m_skills[i]);
        m_skills[i]->setValue(skillValue(player, playerSkillFields[i].skill));
    }

    setTextWhenChanged(m_training, qt(player.training));
    m_weeks->setValue(player.weeks);
    m_level->setValue(player.trainingSkillLevel);
    m_period->setValue(player.period);
    const bool training = !player.training.empty();
    m_progress->setText(training ? qt(trainingProgressText(player)) : tr("Not training a skill"));
    m_eduCheck->setVisible(player.pendingEDUCheck);
}

void PlayerLedgerPanel::storeAmount(LedgerAmount amount) {
    const LedgerAmountField& field = ledgerAmountFields[static_cast<std::size_t>(amount)];
    AmountRow& row = m_amounts[static_cast<std::size_t>(amount)];
    const auto value = readCredits(row.field, field.sign, m_problem);
    if (!value)
        return;
    change([&](Campaign&, PlayerInfo& p) { setLedgerAmount(p, amount, *value); });
}

void PlayerLedgerPanel::storeText(QLineEdit* field) {
    const std::string text = field->text().toStdString();
    change([&](Campaign&, PlayerInfo& p) {
        if (field == m_characterName)
            p.characterName = text;
        else if (field == m_role)
            p.role = text;
    });
}

void PlayerLedgerPanel::rename() {
    std::optional<std::string> problem;
    const std::string name = m_name->text().toStdString();
    m_store.edit(m_code, [&](Campaign& c) { problem = renamePlayer(c, m_playerID, name); });
    ui::showMessage(m_problem, problem ? qt(*problem) : QString());
}

void PlayerLedgerPanel::removePlayer() {
    const Campaign* shown = m_store.campaign(m_code);
    const PlayerInfo* player = shown ? findPlayer(*shown, m_playerID) : nullptr;
    if (!player)
        return;
    if (!m_confirm(this, tr("Remove Player"),
                   tr("Remove %1 and their ledger from the campaign? This can't be undone.")
                       .arg(qt(player->name))))
        return;
    const core::Uuid id = m_playerID;
    m_store.edit(m_code, [&](Campaign& c) { campaign::removePlayer(c, id); });
}

} // namespace velmora::campaign
