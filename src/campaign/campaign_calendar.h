#pragma once

#include "campaign/campaign.h"
#include "core/uuid.h"

#include <string>
#include <string_view>
#include <vector>

namespace velmora::campaign {

// The campaign year as a calendar a view pages through: the holiday on a page of
// its own (page 0), then the 13 months of 28 days, four rows of seven days each,
// every row starting on a Wonday. Paging past month 13 goes on to the holiday of
// the next year.

inline constexpr int holidayPage = 0;
inline constexpr int lastCalendarPage = 13;

// A note marked "Show on Calendar", as its day shows it.
struct CalendarNoteMark {
    core::Uuid noteID;
    int number = 0;
    std::string title;

    friend bool operator==(const CalendarNoteMark&, const CalendarNoteMark&) = default;
};

struct CalendarDay {
    int day = 1; // of the year
    std::string_view weekday;
    bool isToday = false;                // the campaign's date
    std::vector<CalendarNoteMark> notes; // by number
};

struct CalendarPage {
    int year = 0;
    int page = holidayPage;        // 0 the holiday, 1-13 the months
    std::vector<CalendarDay> days; // 1 on the holiday's page, 28 on a month's
};

// The page of the campaign's year and `page` (brought into 0-13).
CalendarPage calendarPage(const Campaign& campaign, int year, int page);
// The page that holds the campaign's date.
CalendarPage currentCalendarPage(const Campaign& campaign);

struct PageAddress {
    int year = 0;
    int page = holidayPage;

    friend bool operator==(const PageAddress&, const PageAddress&) = default;
};
PageAddress nextCalendarPage(PageAddress address);
PageAddress previousCalendarPage(PageAddress address);

} // namespace velmora::campaign
