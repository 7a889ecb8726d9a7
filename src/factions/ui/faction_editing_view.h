#pragma once

#include "core/signal.h"
#include "core/uuid.h"
#include "factions/ui/faction_ui_support.h"
#include "ui/leave_guard.h"
#include "universe/faction.h"

#include <QWidget>
#include <map>
#include <optional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;
class QSpinBox;
class QStackedLayout;
class QVBoxLayout;

namespace velmora::ui {
struct ViewContext;
}

namespace velmora::factions {

class ColorSwatchPicker;
class FactionAssetList;
class FactionNoteList;

// "Faction Creation" / "Edit Faction". The view edits a copy of the faction and
// writes it into the universe, which saves, on "Create Faction" or "Save Changes".
// Leaving it with edits not saved asks whether to save them first.
class FactionEditingView : public QWidget, public ui::LeaveGuard {
    Q_OBJECT
public:
    // Without an id the view creates a new faction.
    FactionEditingView(ui::ViewContext& context, std::optional<core::Uuid> factionID,
                       QWidget* parent = nullptr);
    ~FactionEditingView() override;

    void setConfirmation(Confirmation confirm) { m_confirm = std::move(confirm); }
    void setSaveQuestion(SaveQuestion ask) { m_askToSave = std::move(ask); }

    const universe::Faction& draft() const { return m_draft; }
    bool isCreating() const { return m_creating; }
    bool hasUnsavedChanges() const;
    // Save writes the draft, Discard drops it, Cancel stays. A new faction nobody
    // has touched yet, or one deleted meanwhile, leaves without a question.
    bool confirmLeave() override;

    // What the buttons do, callable directly.
    void addAsset(const universe::FactionAsset& asset);
    void removeAsset(std::size_t index);
    void addNote(const universe::FactionNote& note);
    void replaceNote(std::size_t index, const universe::FactionNote& note);
    void removeNote(std::size_t index);
    void saveFaction();
    void deleteFaction();
    void openAddAssetDialog();
    void openInfoWindow();

signals:
    void factionCreated(const QString& factionID);
    void factionDeleted(const QString& factionID);

private:
    struct StatField {
        QSpinBox* spin = nullptr;
        QLabel* note = nullptr;
    };

    QWidget* buildIdentity(QWidget* parent);
    QWidget* buildStats(QWidget* parent);
    QWidget* buildTags(QWidget* parent);
    StatField makeStatField(QWidget* parent, int minimum, int maximum);
    void loadDraftIntoFields();
    void fillHomeworlds();
    void setRatingFromField(universe::AssetCategory category, int typed);
    void setHitPointsFromField(int typed);
    void setCreditsFromField(int typed);
    void refreshDerived();
    void refreshTagsSummary();
    void rebuildAssets();
    void rebuildNotes();
    void refreshMode();
    bool hasEditsToKeep() const;
    bool writeDraft();
    void revertDraft();
    void openNoteDialog(std::optional<std::size_t> index);

    ui::ViewContext& m_context;
    universe::Faction m_draft;
    universe::Faction m_blank; // what a new faction starts as, to tell whether it was touched
    bool m_creating;
    bool m_deleted = false;
    Confirmation m_confirm = askWithMessageBox();
    SaveQuestion m_askToSave = askToSaveWithMessageBox();

    QStackedLayout* m_pages = nullptr;
    QLabel* m_title = nullptr;
    QLineEdit* m_name = nullptr;
    QLineEdit* m_short = nullptr;
    QComboBox* m_category = nullptr;
    ColorSwatchPicker* m_color = nullptr;
    QPlainTextEdit* m_description = nullptr;
    QComboBox* m_homeworld = nullptr;
    std::map<universe::AssetCategory, StatField> m_ratings;
    QSpinBox* m_hp = nullptr;
    QLabel* m_hpNote = nullptr;
    QLabel* m_maxHP = nullptr;
    QSpinBox* m_credits = nullptr;
    QLabel* m_creditsNote = nullptr;
    QLabel* m_income = nullptr;
    QLabel* m_maintenance = nullptr;
    QLabel* m_tagsSummary = nullptr;
    std::map<universe::FactionTag, QCheckBox*> m_tagBoxes;
    FactionAssetList* m_assets = nullptr;
    FactionNoteList* m_notes = nullptr;
    QPushButton* m_save = nullptr;
    QPushButton* m_delete = nullptr;
    QPushButton* m_info = nullptr;
    QLabel* m_savedNote = nullptr;
    core::Signal<>::Subscription m_universeChanged;
};

} // namespace velmora::factions
