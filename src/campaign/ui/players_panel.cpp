#include "campaign/ui/players_panel.h"

#include "campaign/campaign_rules.h"
#include "campaign/common_credits.h"
#include "campaign/gamemastering.h"
#include "campaign/training.h"
#include "campaign/ui/campaign_ui_support.h"
#include "campaign/ui/common_credits_sheet.h"
#include "campaign/ui/player_ledger_panel.h"
#include "campaign/ui/player_sheets.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>

namespace velmora::campaign {

namespace {

constexpr int playerIDRole = Qt::UserRole;

QPushButton* toolButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

QString playerRowText(const PlayerInfo& player) {
    QString text = qt(player.name);
    if (!player.characterName.empty())
        text += QStringLiteral(" — ") + qt(player.characterName);
    if (player.isNPC)
        text += QObject::tr(" (NPC)");
    return text;
}

} // namespace

PlayersPanel::PlayersPanel(Gamemastering& store, QWidget* parent)
    : QWidget(parent), m_store(store), m_commonCredits(new QLabel(this)),
      m_salariesDue(toolButton(QString(), QStringLiteral("payOverdueSalaries"), this)),
      m_list(new QListWidget(this)),
      m_noPlayers(ui::quietNote(tr("No players yet. Press 'Add Player' to add the first."), this)),
      m_ledgerArea(new QScrollArea(this)), m_ledger(new PlayerLedgerPanel(store)) {
    setObjectName(QStringLiteral("playersPanel"));
    m_commonCredits->setObjectName(QStringLiteral("commonCreditsSummary"));
    m_list->setObjectName(QStringLiteral("playerList"));
    m_noPlayers->setObjectName(QStringLiteral("noPlayers"));
    m_salariesDue->setToolTip(qt(overdueSalariesHelp));

    auto* addPlayer = toolButton(tr("Add Player"), QStringLiteral("addPlayer"), this);
    auto* week = toolButton(tr("+1 week training"), QStringLiteral("addTrainingWeek"), this);
    week->setToolTip(tr("Adds a week of study for every player training a skill."));
    auto* common = toolButton(tr("Common Credits…"), QStringLiteral("openCommonCredits"), this);
    auto* resetAll = toolButton(tr("Reset all markers"), QStringLiteral("resetAllMarkers"), this);
    resetAll->setToolTip(qt(resetAllMarkersText));

    auto* actions = new QHBoxLayout;
    actions->addWidget(m_commonCredits);
    actions->addWidget(common);
    actions->addSpacing(12);
    actions->addWidget(week);
    actions->addWidget(m_salariesDue);
    actions->addWidget(resetAll);
    actions->addStretch();

    auto* listColumn = new QWidget(this);
    auto* listLayout = new QVBoxLayout(listColumn);
    listLayout->setContentsMargins(0, 0, 0, 0);
    listLayout->addWidget(m_list, 1);
    listLayout->addWidget(m_noPlayers);
    listLayout->addWidget(addPlayer);
    listColumn->setMinimumWidth(180);

    m_ledgerArea->setWidget(m_ledger);
    m_ledgerArea->setWidgetResizable(true);
    m_ledgerArea->setFrameShape(QFrame::NoFrame);
    auto* splitter = new QSplitter(this);
    splitter->addWidget(listColumn);
    splitter->addWidget(m_ledgerArea);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({220, 700});

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(actions);
    layout->addWidget(splitter, 1);

    connect(addPlayer, &QPushButton::clicked, this, [this] {
        auto* sheet = new NewPlayerSheet(m_store, m_code, this);
        connect(sheet, &NewPlayerSheet::added, this, &PlayersPanel::choosePlayer);
        openSheet(sheet);
    });
    connect(week, &QPushButton::clicked, this,
            [this] { m_store.edit(m_code, [](Campaign& c) { addTrainingWeek(c); }); });
    connect(common, &QPushButton::clicked, this,
            [this] { openSheet(new CommonCreditsSheet(m_store, m_code, this)); });
    connect(m_salariesDue, &QPushButton::clicked, this,
            [this] { m_store.edit(m_code, [](Campaign& c) { payOverdueSalaries(c); }); });
    connect(resetAll, &QPushButton::clicked, this,
            [this] { m_store.edit(m_code, [](Campaign& c) { resetAllMarkers(c); }); });
    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (!item)
            return;
        m_chosen = core::Uuid::fromString(item->data(playerIDRole).toString().toStdString());
        showChosen();
    });
}

void PlayersPanel::setConfirmation(ui::Confirmation confirmation) {
    m_ledger->setConfirmation(std::move(confirmation));
}

void PlayersPanel::choosePlayer(const core::Uuid& playerID) {
    m_chosen = playerID;
    if (const Campaign* campaign = m_store.campaign(m_code))
        showCampaign(*campaign);
}

void PlayersPanel::showCampaign(const Campaign& campaign) {
    m_code = campaign.code;
    m_commonCredits->setText(tr("Common Credits: %1").arg(creditsQt(campaign.commonCredits)));
    m_salariesDue->setText(qt(salariesDueText(campaign)));
    m_salariesDue->setEnabled(overdueSalaries(campaign) > 0);

    // The chosen player stays chosen; without one, the first is.
    if (!m_chosen || !findPlayer(campaign, *m_chosen))
        m_chosen =
            campaign.players.empty() ? std::nullopt : std::optional(campaign.players.front().id);
    {
        const QSignalBlocker block(m_list);
        m_list->clear();
        for (const PlayerInfo& player : campaign.players) {
            auto* item = new QListWidgetItem(playerRowText(player), m_list);
            item->setData(playerIDRole, QString::fromStdString(player.id.toString()));
            if (player.id == m_chosen)
                m_list->setCurrentItem(item);
        }
    }
    m_noPlayers->setVisible(campaign.players.empty());
    showChosen();
}

void PlayersPanel::showChosen() {
    const Campaign* campaign = m_store.campaign(m_code);
    const PlayerInfo* player = campaign && m_chosen ? findPlayer(*campaign, *m_chosen) : nullptr;
    m_ledgerArea->setVisible(player != nullptr);
    if (player)
        m_ledger->showPlayer(*campaign, *player);
}

} // namespace velmora::campaign
