#include "campaign/ui/campaign_view.h"

#include "campaign/campaign_rules.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/calendar_panel.h"
#include "campaign/ui/campaign_sheet.h"
#include "campaign/ui/campaign_ui_support.h"
#include "campaign/ui/clock_panel.h"
#include "campaign/ui/location_panel.h"
#include "campaign/ui/players_panel.h"
#include "campaign/ui/ship_manifest_section.h"
#include "ui/empty_state_view.h"
#include "universe/universe_manager.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFrame>
#include <QHBoxLayout>
#include <QInputDialog>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStackedWidget>
#include <QStandardPaths>
#include <QTabWidget>
#include <QVBoxLayout>

namespace velmora::campaign {

namespace {

QPushButton* commandButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    return button;
}

QString documentsFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
}

std::optional<ImportRequest> askAboutConflict(QWidget* parent, const QString& message) {
    QMessageBox box(QMessageBox::Question, QObject::tr("Import Backup"), message,
                    QMessageBox::Cancel, parent);
    QPushButton* replace = box.addButton(QObject::tr("Replace"), QMessageBox::DestructiveRole);
    QPushButton* keepBoth = box.addButton(QObject::tr("Keep Both"), QMessageBox::AcceptRole);
    box.setDefaultButton(QMessageBox::Cancel);
    box.exec();
    if (box.clickedButton() == replace)
        return ImportRequest{ImportConflictChoice::replace, {}};
    if (box.clickedButton() != keepBoth)
        return std::nullopt;
    bool ok = false;
    const QString code =
        QInputDialog::getText(parent, QObject::tr("Keep Both"),
                              QObject::tr("A new four-letter code for the imported campaign:"),
                              QLineEdit::Normal, QString(), &ok);
    if (!ok)
        return std::nullopt;
    return ImportRequest{ImportConflictChoice::keepBoth, code.toStdString()};
}

} // namespace

CampaignView::CampaignView(Gamemastering& store, universe::UniverseManager& manager,
                           std::shared_ptr<CampaignViewMemory> memory, QWidget* parent)
    : QWidget(parent), m_store(store), m_manager(manager), m_memory(std::move(memory)),
      m_confirm(ui::askWithMessageBox()), m_conflict(askAboutConflict) {
    setObjectName(QStringLiteral("campaignView"));
    m_openChooser = [this] {
        return QFileDialog::getOpenFileName(window(), tr("Import Backup"), documentsFolder(),
                                            tr("Campaign backups (*.json);;All files (*)"));
    };
    m_saveChooser = [this](const QString& suggested) {
        return QFileDialog::getSaveFileName(window(), tr("Export Backup"),
                                            QDir(documentsFolder()).filePath(suggested),
                                            tr("Campaign backups (*.json)"));
    };

    // The campaign picker and the commands on campaigns.
    m_header = new QWidget(this);
    auto* heading = new QLabel(tr("Campaign"), m_header);
    ui::makeTitle(heading);
    m_picker = new QComboBox(m_header);
    m_picker->setObjectName(QStringLiteral("campaignPicker"));
    m_picker->setPlaceholderText(tr("Choose a campaign"));
    m_picker->setMinimumWidth(220);
    m_picker->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* create = commandButton(tr("New Campaign"), QStringLiteral("newCampaign"), m_header);
    m_edit = commandButton(tr("Edit Campaign"), QStringLiteral("editCampaign"), m_header);
    m_delete = commandButton(tr("Delete Campaign"), QStringLiteral("deleteCampaign"), m_header);
    m_export = commandButton(tr("Export Backup..."), QStringLiteral("exportBackup"), m_header);
    auto* restore = commandButton(tr("Import Backup..."), QStringLiteral("importBackup"), m_header);
    auto* headerRow = new QHBoxLayout(m_header);
    headerRow->setContentsMargins(0, 0, 0, 0);
    headerRow->addWidget(heading);
    headerRow->addSpacing(8);
    headerRow->addWidget(m_picker);
    headerRow->addWidget(create);
    headerRow->addWidget(m_edit);
    headerRow->addWidget(m_delete);
    headerRow->addStretch();
    headerRow->addWidget(m_export);
    headerRow->addWidget(restore);

    // A campaigns file that could not be read.
    m_loadProblem = new QFrame(this);
    m_loadProblem->setObjectName(QStringLiteral("loadProblem"));
    m_loadProblem->setStyleSheet(QStringLiteral(
        "QFrame#loadProblem { background: #fbe3e3; border: 1px solid #d04040; border-radius: "
        "4px; } QFrame#loadProblem QLabel { color: #6b1010; }"));
    m_loadProblemText = new QLabel(m_loadProblem);
    m_loadProblemText->setObjectName(QStringLiteral("loadProblemMessage"));
    m_loadProblemText->setWordWrap(true);
    m_loadProblemText->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_restore = commandButton(tr("Restore Previous Version…"),
                              QStringLiteral("restorePreviousVersion"), m_loadProblem);
    auto* dismiss =
        commandButton(tr("Dismiss"), QStringLiteral("dismissLoadProblem"), m_loadProblem);
    auto* problemRow = new QHBoxLayout(m_loadProblem);
    problemRow->addWidget(m_loadProblemText, 1);
    problemRow->addWidget(m_restore);
    problemRow->addWidget(dismiss);

    m_saveError = ui::messageLine(QStringLiteral("campaignSaveError"), true);
    m_backupMessage = ui::messageLine(QStringLiteral("backupMessage"), false);
    m_backupError = ui::messageLine(QStringLiteral("backupError"), true);

    // With no campaigns, the way to the first.
    m_noCampaigns = new QWidget(this);
    m_noCampaigns->setObjectName(QStringLiteral("noCampaigns"));
    auto* firstLayout = new QVBoxLayout(m_noCampaigns);
    firstLayout->addStretch();
    auto* firstMessage = new ui::EmptyStateView(tr("No Campaigns"), qt(noCampaignsText));
    firstMessage->setObjectName(QStringLiteral("noCampaignsMessage"));
    firstLayout->addWidget(firstMessage);
    auto* firstButtons = new QHBoxLayout;
    firstButtons->addStretch();
    auto* createFirst =
        commandButton(tr("New Campaign"), QStringLiteral("newCampaignBelow"), m_noCampaigns);
    auto* importFirst =
        commandButton(tr("Import Backup..."), QStringLiteral("importBackupBelow"), m_noCampaigns);
    firstButtons->addWidget(createFirst);
    firstButtons->addWidget(importFirst);
    firstButtons->addStretch();
    firstLayout->addLayout(firstButtons);
    firstLayout->addStretch();
    firstLayout->addStretch();
    m_noSelection = new ui::EmptyStateView(tr("No Campaign Selected"),
                                           tr("Choose a campaign from the list above."), this);
    m_noSelection->setObjectName(QStringLiteral("noSelection"));

    m_pages = new QStackedWidget(this);
    m_pages->addWidget(m_noCampaigns);
    m_pages->addWidget(m_noSelection);
    m_pages->addWidget(buildCampaignPage());

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(20, 16, 20, 12);
    layout->addWidget(m_header);
    layout->addWidget(m_loadProblem);
    layout->addWidget(m_saveError);
    layout->addWidget(m_backupMessage);
    layout->addWidget(m_backupError);
    layout->addWidget(m_pages, 1);

    connect(m_picker, &QComboBox::activated, this, [this](int index) {
        m_store.selectCampaign(m_picker->itemData(index).toString().toStdString());
    });
    connect(create, &QPushButton::clicked, this, &CampaignView::newCampaign);
    connect(createFirst, &QPushButton::clicked, this, &CampaignView::newCampaign);
    connect(m_edit, &QPushButton::clicked, this, &CampaignView::editCampaign);
    connect(m_delete, &QPushButton::clicked, this, &CampaignView::deleteCampaign);
    connect(m_export, &QPushButton::clicked, this, &CampaignView::exportBackup);
    connect(restore, &QPushButton::clicked, this, &CampaignView::importBackup);
    connect(importFirst, &QPushButton::clicked, this, &CampaignView::importBackup);
    connect(m_restore, &QPushButton::clicked, this, [this] {
        const auto error = m_store.restorePreviousVersion();
        report(error ? tr("Couldn’t restore the previous version: %1").arg(qt(*error))
                     : tr("The previous version of the campaigns file is back."),
               error.has_value());
    });
    connect(dismiss, &QPushButton::clicked, this, [this] {
        m_memory->dismissedLoadProblem = loadProblemKey();
        m_store.dismissLoadProblem();
        refresh();
    });

    m_storeChanged = m_store.changed().subscribe([this] { refresh(); });
    refresh();
}

CampaignView::~CampaignView() = default;

QWidget* CampaignView::buildCampaignPage() {
    m_campaignPage = new QWidget(this);
    m_campaignPage->setObjectName(QStringLiteral("campaignPage"));
    m_name = new QLabel(m_campaignPage);
    m_name->setObjectName(QStringLiteral("campaignTitle"));
    QFont big = m_name->font();
    big.setBold(true);
    big.setPointSizeF(big.pointSizeF() * 1.3);
    m_name->setFont(big);
    m_details = ui::quietNote(QString(), m_campaignPage);
    m_details->setObjectName(QStringLiteral("campaignDetails"));
    m_active = new QCheckBox(tr("Active"), m_campaignPage);
    m_active->setObjectName(QStringLiteral("campaignActive"));
    m_active->setToolTip(tr("Whether the campaign is still being played."));

    auto* feedbackTitle = new QLabel(tr("Last action:"), m_campaignPage);
    m_feedback = new QLabel(m_campaignPage);
    m_feedback->setObjectName(QStringLiteral("feedback"));
    m_feedback->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_feedback->setWordWrap(true);
    m_historyToggle =
        commandButton(QString(), QStringLiteral("feedbackHistoryToggle"), m_campaignPage);
    m_historyToggle->setCheckable(true);
    m_history = new QListWidget(m_campaignPage);
    m_history->setObjectName(QStringLiteral("feedbackHistory"));
    m_history->setMaximumHeight(110);
    m_history->hide();

    auto* nameRow = new QHBoxLayout;
    nameRow->addWidget(m_name);
    nameRow->addSpacing(12);
    nameRow->addWidget(m_details, 1);
    nameRow->addWidget(m_active);
    auto* feedbackRow = new QHBoxLayout;
    feedbackRow->addWidget(feedbackTitle);
    feedbackRow->addWidget(m_feedback, 1);
    feedbackRow->addWidget(m_historyToggle);

    m_clock = new ClockPanel(m_store);
    m_location = new LocationPanel(m_store, m_manager);
    auto* timeAndPlace = new QWidget;
    auto* timeAndPlaceLayout = new QHBoxLayout(timeAndPlace);
    timeAndPlaceLayout->addWidget(m_clock, 3);
    timeAndPlaceLayout->addSpacing(12);
    timeAndPlaceLayout->addWidget(m_location, 2);
    m_players = new PlayersPanel(m_store);
    m_journal = new JournalPanel(m_store, m_memory->journal);
    m_calendar = new CalendarPanel(m_store);
    m_calendar->setNoteOpener([this](const core::Uuid& noteID) {
        m_tabs->setCurrentWidget(m_journal);
        m_journal->editNote(noteID);
    });
    m_ship = new ShipManifestSection(m_store, m_manager);

    m_tabs = new QTabWidget(m_campaignPage);
    m_tabs->setObjectName(QStringLiteral("campaignTabs"));
    m_tabs->addTab(timeAndPlace, tr("Time && Place"));
    m_tabs->addTab(m_players, tr("Players"));
    m_tabs->addTab(m_journal, tr("Journal"));
    m_tabs->addTab(m_calendar, tr("Calendar"));
    m_tabs->addTab(m_ship, tr("Ship"));
    m_tabs->setCurrentIndex(m_memory->tab);
    for (QWidget* page : {static_cast<QWidget*>(timeAndPlace), static_cast<QWidget*>(m_players),
                          static_cast<QWidget*>(m_journal), static_cast<QWidget*>(m_calendar)})
        page->layout()->setContentsMargins(8, 10, 8, 8);

    auto* layout = new QVBoxLayout(m_campaignPage);
    layout->setContentsMargins(0, 8, 0, 0);
    layout->addLayout(nameRow);
    layout->addLayout(feedbackRow);
    layout->addWidget(m_history);
    layout->addWidget(m_tabs, 1);

    connect(m_tabs, &QTabWidget::currentChanged, this, [this](int tab) { m_memory->tab = tab; });
    connect(m_historyToggle, &QPushButton::toggled, m_history, &QWidget::setVisible);
    connect(m_active, &QCheckBox::toggled, this, [this](bool active) {
        if (const Campaign* campaign = m_store.selectedCampaign())
            m_store.edit(campaign->code, [&](Campaign& c) { c.isActive = active; });
    });
    return m_campaignPage;
}

void CampaignView::setConfirmation(ui::Confirmation confirmation) {
    m_confirm = confirmation;
    m_players->setConfirmation(confirmation);
    m_journal->setConfirmation(confirmation);
    m_ship->setConfirmation(confirmation);
}

void CampaignView::setShipDesigns(ships::SavedShipDesignsStore* designs) {
    m_ship->setShipDesigns(designs);
}

void CampaignView::refresh() {
    showLoadProblem();
    const auto& lastError = m_store.lastError();
    ui::showMessage(m_saveError, lastError ? qt(*lastError) : QString());
    showPicker();
    const Campaign* campaign = m_store.selectedCampaign();
    m_header->setVisible(!m_store.campaigns().empty());
    if (m_store.campaigns().empty()) {
        m_pages->setCurrentWidget(m_noCampaigns);
        return;
    }
    if (!campaign) {
        m_pages->setCurrentWidget(m_noSelection);
        return;
    }
    m_pages->setCurrentWidget(m_campaignPage);
    showCampaign(*campaign);
}

std::string CampaignView::loadProblemKey() const {
    const auto& problem = m_store.loadProblem();
    return problem ? problem->file.string() + "\n" + problem->error : std::string();
}

void CampaignView::showLoadProblem() {
    const auto& problem = m_store.loadProblem();
    const bool shown = problem && m_memory->dismissedLoadProblem != loadProblemKey();
    m_loadProblem->setVisible(shown);
    if (!shown)
        return;
    m_loadProblemText->setText(qt(Gamemastering::loadProblemMessage(*problem)));
    m_restore->setVisible(problem->hasPreviousVersion);
}

void CampaignView::showPicker() {
    const QSignalBlocker block(m_picker);
    m_picker->clear();
    for (const Campaign& campaign : m_store.campaigns())
        m_picker->addItem(tr("%1 (%2)").arg(qt(campaign.name), qt(campaign.code)),
                          qt(campaign.code));
    const auto& selected = m_store.selectedCampaignCode();
    m_picker->setCurrentIndex(selected ? m_picker->findData(qt(*selected)) : -1);
    const bool any = m_store.selectedCampaign() != nullptr;
    m_edit->setEnabled(any);
    m_delete->setEnabled(any);
    m_export->setEnabled(any);
}

void CampaignView::showCampaign(const Campaign& campaign) {
    m_name->setText(tr("%1 (%2)").arg(qt(campaign.name), qt(campaign.code)));
    QString universe = tr("no universe");
    if (campaign.universeID) {
        universe = tr("a universe no longer stored");
        for (const universe::UniverseHeader& header : m_manager.headers()) {
            if (header.id == *campaign.universeID)
                universe = QStringLiteral("“%1”").arg(qt(header.name));
        }
    }
    QString details = tr("Set in %1.").arg(universe);
    if (!campaign.description.empty())
        details += QLatin1Char(' ') + qt(campaign.description);
    m_details->setText(details);
    {
        const QSignalBlocker block(m_active);
        m_active->setChecked(campaign.isActive);
    }
    showFeedback(campaign);
    m_clock->showCampaign(campaign);
    m_location->showCampaign(campaign);
    m_players->showCampaign(campaign);
    m_journal->showCampaign(campaign);
    m_calendar->showCampaign(campaign);
    m_ship->showCampaign(campaign);
}

void CampaignView::showFeedback(const Campaign& campaign) {
    m_feedback->setText(campaign.lastFeedback.empty() ? tr("Nothing yet.")
                                                      : qt(campaign.lastFeedback));
    m_historyToggle->setText(tr("History (%1)").arg(campaign.feedbackHistory.size()));
    m_historyToggle->setEnabled(!campaign.feedbackHistory.empty());
    m_history->clear();
    // The latest first, as the line above shows it.
    for (auto it = campaign.feedbackHistory.rbegin(); it != campaign.feedbackHistory.rend(); ++it)
        m_history->addItem(qt(*it));
}

void CampaignView::report(const QString& message, bool error) {
    ui::showMessage(m_backupMessage, error ? QString() : message);
    ui::showMessage(m_backupError, error ? message : QString());
}

void CampaignView::newCampaign() {
    std::optional<core::Uuid> current;
    current = m_manager.current().id();
    auto* sheet = new CampaignSheet(m_store, m_manager.headers(), current, std::nullopt, this);
    connect(sheet, &CampaignSheet::created, this,
            [this](const QString& code) { m_store.selectCampaign(code.toStdString()); });
    openSheet(sheet);
}

void CampaignView::editCampaign() {
    const Campaign* campaign = m_store.selectedCampaign();
    if (!campaign)
        return;
    openSheet(new CampaignSheet(m_store, m_manager.headers(), m_manager.current().id(),
                                campaign->code, this));
}

void CampaignView::deleteCampaign() {
    const Campaign* campaign = m_store.selectedCampaign();
    if (!campaign)
        return;
    const std::string code = campaign->code;
    if (!m_confirm(this, tr("Delete Campaign"),
                   tr("Delete “%1” (%2) with its players, notes and calendar? This can't be "
                      "undone; export a backup first to keep a copy.")
                       .arg(qt(campaign->name), qt(code))))
        return;
    m_store.deleteCampaign(code);
    // Another campaign takes its place, so the view is never left empty-handed.
    if (!m_store.campaigns().empty())
        m_store.selectCampaign(m_store.campaigns().front().code);
    report(tr("Deleted the campaign %1.").arg(qt(code)), false);
}

void CampaignView::exportBackup() {
    const Campaign* campaign = m_store.selectedCampaign();
    if (!campaign)
        return;
    const QString path = m_saveChooser(qt(suggestedBackupName(*campaign)));
    if (path.isEmpty())
        return;
    const auto document = m_store.exportBackup(campaign->code);
    if (!document)
        return;
    if (const auto error = writeBackupFile(*document, path.toStdString())) {
        report(tr("Couldn’t write the backup: %1").arg(qt(*error)), true);
        return;
    }
    report(tr("Exported “%1” to %2.").arg(qt(campaign->name), QFileInfo(path).fileName()), false);
}

void CampaignView::importBackup() {
    const QString path = m_openChooser();
    if (path.isEmpty())
        return;
    const BackupFile file = readBackupFile(path.toStdString(), core::systemNow());
    if (!file.document) {
        report(qt(file.problem), true);
        return;
    }
    ImportOutcome outcome = m_store.importBackup(*file.document);
    if (outcome.status == ImportOutcome::Status::conflict) {
        const auto request = m_conflict(this, qt(outcome.message));
        if (!request)
            return;
        outcome = m_store.importBackup(*file.document, *request);
    }
    if (outcome.status != ImportOutcome::Status::imported) {
        report(qt(outcome.message), true);
        return;
    }
    m_store.selectCampaign(outcome.code);
    report(qt(outcome.message), false);
}

} // namespace velmora::campaign
