#pragma once

#include "campaign/campaign_backup.h"
#include "campaign/ui/journal_panel.h"
#include "core/signal.h"
#include "ui/view_helpers.h"

#include <QString>
#include <QWidget>
#include <functional>
#include <memory>
#include <optional>
#include <string>

class QCheckBox;
class QComboBox;
class QFrame;
class QLabel;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabWidget;

namespace velmora::ships {
class SavedShipDesignsStore;
}
namespace velmora::universe {
class UniverseManager;
}

namespace velmora::campaign {

class CalendarPanel;
class ClockPanel;
class Gamemastering;
class LocationPanel;
class PlayersPanel;
class ShipManifestSection;
struct Campaign;

// What the "Campaign" view keeps while the window makes it anew (another sidebar
// row and back, another universe): the tab, the journal's order and the load
// problem the referee has read.
struct CampaignViewMemory {
    int tab = 0;
    JournalOrder journal;
    std::optional<std::string> dismissedLoadProblem;
};

// "Campaign": the campaign picker and its commands (new, edit, back up, restore
// from a backup, delete), the feedback line with its history, and the campaign's
// clock and whereabouts, players, journal and calendar. Everything it changes goes
// through the store, which saves.
class CampaignView : public QWidget {
    Q_OBJECT
public:
    // The file dialogs, the question before deleting and the question when a backup
    // meets a campaign already here are the platform's; tests hand in their own.
    using OpenChooser = std::function<QString()>;
    using SaveChooser = std::function<QString(const QString& suggestedName)>;
    // The way on for an import that meets a campaign with its id or code: replace
    // it or keep both under a new code; nothing to leave it.
    using ConflictQuestion =
        std::function<std::optional<ImportRequest>(QWidget* parent, const QString& message)>;

    CampaignView(Gamemastering& store, universe::UniverseManager& manager,
                 std::shared_ptr<CampaignViewMemory> memory, QWidget* parent = nullptr);
    ~CampaignView() override;

    void setOpenChooser(OpenChooser chooser) { m_openChooser = std::move(chooser); }
    void setSaveChooser(SaveChooser chooser) { m_saveChooser = std::move(chooser); }
    void setConfirmation(ui::Confirmation confirmation);
    void setConflictQuestion(ConflictQuestion question) { m_conflict = std::move(question); }
    // The library the "Ship" tab reads the campaign's ship from.
    void setShipDesigns(ships::SavedShipDesignsStore* designs);

    void newCampaign();
    void editCampaign();
    void exportBackup();
    void importBackup();
    void deleteCampaign();

private:
    QWidget* buildCampaignPage();
    void refresh();
    void showLoadProblem();
    void showPicker();
    void showCampaign(const Campaign& campaign);
    void showFeedback(const Campaign& campaign);
    void report(const QString& message, bool error);
    std::string loadProblemKey() const;

    Gamemastering& m_store;
    universe::UniverseManager& m_manager;
    std::shared_ptr<CampaignViewMemory> m_memory;
    OpenChooser m_openChooser;
    SaveChooser m_saveChooser;
    ui::Confirmation m_confirm;
    ConflictQuestion m_conflict;
    core::Signal<>::Subscription m_storeChanged;

    QWidget* m_header;
    QComboBox* m_picker;
    QPushButton* m_edit;
    QPushButton* m_export;
    QPushButton* m_delete;
    QFrame* m_loadProblem;
    QLabel* m_loadProblemText;
    QPushButton* m_restore;
    QLabel* m_saveError;
    QLabel* m_backupMessage;
    QLabel* m_backupError;
    QStackedWidget* m_pages;
    QWidget* m_noCampaigns;
    QWidget* m_noSelection;
    QWidget* m_campaignPage;

    QLabel* m_name;
    QLabel* m_details;
    QCheckBox* m_active;
    QLabel* m_feedback;
    QPushButton* m_historyToggle;
    QListWidget* m_history;
    QTabWidget* m_tabs;
    ClockPanel* m_clock;
    LocationPanel* m_location;
    PlayersPanel* m_players;
    JournalPanel* m_journal;
    CalendarPanel* m_calendar;
    ShipManifestSection* m_ship;
};

} // namespace velmora::campaign
