#pragma once

#include "core/signal.h"
#include "core/uuid.h"
#include "overlays/overlay_rows.h"
#include "overlays/ui/overlay_ui_support.h"
#include "universe/faction_color.h"
#include "universe/ridivivev_izeviduv.h"

#include <QWidget>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollArea;
class QStackedWidget;
class QVBoxLayout;

namespace velmora::ui {
struct ViewContext;
class EmptyStateView;
} // namespace velmora::ui

namespace velmora::universe {
class RidivivevIzeviduv;
}

namespace velmora::overlays {

// One overlay list with its editor beside it: the searchable list on the left
// (a button for a new record and "Delete", which asks first), and on the right
// either the "nothing selected" state or the editor of the chosen record.
// Each kind of overlay fills in its rows and its editor.
class OverlayBrowser : public QWidget {
    Q_OBJECT
public:
    struct Row {
        OverlayRowText text;
        std::optional<universe::FactionColor> color;
    };

    ~OverlayBrowser() override;

    void setConfirmation(Confirmation confirm) { m_confirm = std::move(confirm); }

    void startNew();
    void selectRecord(const core::Uuid& id);
    void deleteSelected();
    std::optional<core::Uuid> selectedID() const;
    // The record whose editor is showing; none while creating or with nothing selected.
    const std::optional<core::Uuid>& shownID() const { return m_shownID; }
    bool isEditorShown() const;

    QLabel* heading() const { return m_heading; }
    QLineEdit* searchField() const { return m_search; }
    QListWidget* list() const { return m_list; }
    QPushButton* newButton() const { return m_new; }
    QPushButton* deleteButton() const { return m_delete; }
    ui::EmptyStateView* emptyState() const { return m_empty; }
    // The rows' titles, top to bottom.
    QStringList rowTitles() const;
    QStringList rowDetails() const;

protected:
    struct Texts {
        QString heading;
        QString newButton;
        QString searchPrompt;
        QString emptyTitle;
        QString emptyMessage;
        int detailLines = 1;
        bool swatches = true; // a colour square before each title
    };

    OverlayBrowser(ui::ViewContext& context, const Texts& texts, QWidget* parent);

    // Puts the editor on the right; call once from the subclass's constructor,
    // which then calls rebuildRows().
    void setEditor(QWidget* editor);
    // Puts a filter above the search field.
    void addFilter(QWidget* filter);
    void setTexts(const Texts& texts);

    bool eventFilter(QObject* watched, QEvent* event) override;

    virtual std::vector<Row> rows(const QString& search) const = 0;
    virtual bool hasRecord(const core::Uuid& id) const = 0;
    virtual void openRecord(const core::Uuid& id) = 0;
    virtual void openNewRecord() = 0;
    virtual QString deleteTitle() const = 0;
    virtual QString deleteMessage(const core::Uuid& id) const = 0;
    virtual universe::EditResult eraseRecord(const core::Uuid& id) = 0;
    // The universe changed (this view's save or another's).
    virtual void universeChanged() {}

    void rebuildRows();
    // The editor saved a record: it is the shown and selected one from now on.
    void recordSaved(const core::Uuid& id);

    universe::RidivivevIzeviduv& universe() const;
    ui::ViewContext& context() const { return m_context; }

private:
    void showEmpty();
    void showEditor();

    ui::ViewContext& m_context;
    Confirmation m_confirm = askWithMessageBox();
    std::optional<core::Uuid> m_shownID;
    QLabel* m_heading;
    QVBoxLayout* m_sideLayout;
    QLineEdit* m_search;
    QListWidget* m_list;
    QLabel* m_noMatches;
    QPushButton* m_new;
    QPushButton* m_delete;
    QStackedWidget* m_detail;
    ui::EmptyStateView* m_empty;
    QScrollArea* m_scroll;
    core::Signal<>::Subscription m_universeChanged;
};

} // namespace velmora::overlays
