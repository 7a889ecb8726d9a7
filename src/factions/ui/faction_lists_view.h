#pragma once

#include "core/signal.h"
#include "factions/ui/faction_ui_support.h"
#include "universe/faction_list.h"

#include <QWidget>
#include <optional>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;

namespace velmora::ui {
struct ViewContext;
class EmptyStateView;
} // namespace velmora::ui

namespace velmora::factions {

// "Faction Lists": the universe's lists on the left, the chosen list's editor
// on the right. Creating, saving and deleting a list each save the universe.
class FactionListsView : public QWidget {
    Q_OBJECT
public:
    explicit FactionListsView(ui::ViewContext& context, QWidget* parent = nullptr);
    ~FactionListsView() override;

    void setConfirmation(Confirmation confirm) { m_confirm = std::move(confirm); }

    void startNewList();
    void selectList(const core::Uuid& id);
    void saveList();
    void deleteSelectedList();
    // Ticks or unticks a faction in the list being edited.
    void setFactionTicked(const core::Uuid& factionID, bool ticked);

    const universe::FactionList& draft() const { return m_draft; }

    QListWidget* lists() const { return m_lists; }
    QLabel* noListsNote() const { return m_noLists; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* deleteButton() const { return m_delete; }
    ui::EmptyStateView* emptyState() const { return m_empty; }
    QWidget* editor() const { return m_editor; }
    QLabel* editorTitle() const { return m_title; }
    QLineEdit* nameField() const { return m_name; }
    QListWidget* factionTicks() const { return m_ticks; }
    QLabel* selectedCount() const { return m_count; }
    QLabel* noFactionsNote() const { return m_noFactions; }
    QPushButton* saveButton() const { return m_save; }

private:
    void rebuildLists();
    void showEditor();
    void rebuildTicks();
    void refreshEditorState();
    std::optional<core::Uuid> selectedListID() const;

    ui::ViewContext& m_context;
    Confirmation m_confirm = askWithMessageBox();
    universe::FactionList m_draft;
    bool m_creating = false;
    bool m_editing = false;

    QListWidget* m_lists;
    QLabel* m_noLists;
    QPushButton* m_new;
    QPushButton* m_delete;
    QStackedWidget* m_detail;
    ui::EmptyStateView* m_empty;
    QWidget* m_editor;
    QLabel* m_title;
    QLineEdit* m_name;
    QListWidget* m_ticks;
    QLabel* m_count;
    QLabel* m_noFactions;
    QPushButton* m_save;
    core::Signal<>::Subscription m_universeChanged;
};

} // namespace velmora::factions
