#include "campaign/campaign_calendar.h"

#include "campaign/calendar_position.h"

#include <algorithm>
#include <limits>

namespace velmora::campaign {

CalendarPage calendarPage(const Campaign& campaign, int year, int page) {
    CalendarPage result;
    result.year = year;
    result.page = std::clamp(page, holidayPage, lastCalendarPage);
    const int first = result.page == holidayPage ? 1 : dayOfYear({result.page, 1, 1});
    const int count = result.page == holidayPage ? 1 : core::daysPerMonth;
    result.days.reserve(static_cast<std::size_t>(count));
    for (int day = first; day < first + count; ++day) {
        CalendarDay& cell = result.days.emplace_back();
        cell.day = day;
        cell.weekday = core::weekdayName(day);
        cell.isToday = campaign.date.year == year && campaign.date.day == day;
    }
    for (const CampaignNote& note : campaign.notes) {
        if (!note.showOnCalendar || note.date.year != year || note.date.day < first ||
            note.date.day >= first + count)
            continue;
        result.days[static_cast<std::size_t>(note.date.day - first)].notes.push_back(
            {note.id, note.number, note.title});
    }
    for (CalendarDay& cell : result.days)
        std::sort(cell.notes.begin(), cell.notes.end(),
                  [](const CalendarNoteMark& a, const CalendarNoteMark& b) {
                      return a.number < b.number;
                  });
    return result;
}

CalendarPage currentCalendarPage(const Campaign& campaign) {
    const auto position = calendarPosition(campaign.date.day);
    return calendarPage(campaign, campaign.date.year, position ? position->month : holidayPage);
}

PageAddress nextCalendarPage(PageAddress address) {
    if (address.page < lastCalendarPage)
        return {address.year, address.page + 1};
    if (address.year == std::numeric_limits<int>::max())
        return address;
    return {address.year + 1, holidayPage};
}

PageAddress previousCalendarPage(PageAddress address) {
    if (address.page > holidayPage)
        return {address.year, address.page - 1};
    if (address.year == std::numeric_limits<int>::min())
        return address;
    return {address.year - 1, lastCalendarPage};
}

} // namespace velmora::campaign
