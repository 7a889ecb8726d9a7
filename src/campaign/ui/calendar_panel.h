#pragma once

#include "campaign/campaign_calendar.h"
#include "core/uuid.h"

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QFrame;
class QGridLayout;
class QLabel;
class QPushButton;

namespace velmora::campaign {

class Gamemastering;
struct Campaign;

// The campaign year a month at a time: four weeks of seven named days, or the
// holiday on a page of its own, with the notes marked "Show on Calendar" on their
// days. The referee pages through the months; the page follows the campaign's
// date until then, and "This Month" goes back to it.
class CalendarPanel : public QWidget {
    Q_OBJECT
public:
    explicit CalendarPanel(Gamemastering& store, QWidget* parent = nullptr);

    void showCampaign(const Campaign& campaign);
    // Opening a note shown on the calendar.
    void setNoteOpener(std::function<void(const core::Uuid&)> opener) {
        m_openNote = std::move(opener);
    }
    PageAddress shownPage() const { return m_page; }

private:
    void turnTo(PageAddress page);
    void showPage();
    QFrame* dayCell(const CalendarDay& day);

    Gamemastering& m_store;
    std::string m_code;
    PageAddress m_page;
    // Whether the page still follows the campaign's date.
    bool m_following = true;
    std::function<void(const core::Uuid&)> m_openNote;
    QLabel* m_title;
    QPushButton* m_thisMonth;
    QWidget* m_grid;
    QGridLayout* m_gridLayout;
    std::vector<QWidget*> m_cells;
};

} // namespace velmora::campaign
