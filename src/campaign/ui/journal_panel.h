#pragma once

#include "campaign/campaign_journal.h"
#include "core/uuid.h"
#include "ui/view_helpers.h"

#include <QWidget>
#include <optional>
#include <string>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextBrowser;
class QToolButton;
class QTreeWidget;

namespace velmora::campaign {

class Gamemastering;
struct Campaign;

// How the journal was last sorted, kept while the window rebuilds its views.
struct JournalOrder {
    NoteSortOrder order = defaultNoteSortOrder;
    SortDirection direction = defaultSortDirection;
};

// The campaign's numbered journal: the notes sorted by number or date either way,
// filtered as the referee types a search, and the chosen note read beside them
// with "Edit" and "Delete".
class JournalPanel : public QWidget {
    Q_OBJECT
public:
    JournalPanel(Gamemastering& store, JournalOrder& order, QWidget* parent = nullptr);

    void showCampaign(const Campaign& campaign);
    void setConfirmation(ui::Confirmation confirmation) { m_confirm = std::move(confirmation); }
    // Opens the "Edit Campaign Note" sheet, as the calendar does for its notes.
    void editNote(const core::Uuid& noteID);
    void chooseNote(const core::Uuid& noteID);

private:
    void fillList();
    void showChosen();
    void deleteChosen();

    Gamemastering& m_store;
    JournalOrder& m_order;
    ui::Confirmation m_confirm;
    std::string m_code;
    std::optional<core::Uuid> m_chosen;
    QLineEdit* m_search;
    QComboBox* m_sortOrder;
    QToolButton* m_direction;
    QTreeWidget* m_list;
    QLabel* m_empty;
    QLabel* m_detailTitle;
    QLabel* m_detailDate;
    QTextBrowser* m_detailContent;
    QPushButton* m_edit;
    QPushButton* m_delete;
    QLabel* m_summary;
};

} // namespace velmora::campaign
