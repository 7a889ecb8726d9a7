#include "campaign/campaign_clock.h"

#include "campaign/campaign_rules.h"

#include <algorithm>

namespace velmora::campaign {

namespace {

std::string reported(Campaign& campaign, std::string text) {
    reportFeedback(campaign, text);
    return text;
}

} // namespace

std::string timeAndDateText(const Campaign& campaign) {
    return "Time & Date: " + campaign.date.timeText();
}

std::string advanceTime(Campaign& campaign, std::int64_t minutes, std::string_view prefix) {
    minutes = std::max<std::int64_t>(minutes, 0);
    campaign.date = campaign.date.adding(minutes);
    return reported(campaign,
                    std::string(prefix) + "Time advanced by " + core::durationText(minutes));
}

std::string rewindTime(Campaign& campaign, std::int64_t minutes) {
    minutes = std::max<std::int64_t>(minutes, 0);
    campaign.date = campaign.date.adding(-minutes);
    return reported(campaign, "Time rewound by " + core::durationText(minutes));
}

std::string roundTime(Campaign& campaign) {
    campaign.date = core::roundedToTenMinutes(campaign.date);
    return reported(campaign, "Time rounded to " + campaign.date.timeText());
}

std::string setYear(Campaign& campaign, int year) {
    campaign.date.year = year;
    return reported(campaign, "Year set to " + std::to_string(year));
}

std::string setDay(Campaign& campaign, int day) {
    campaign.date.day = std::clamp(day, 1, core::daysPerYear);
    if (campaign.date.day == 1)
        return reported(campaign, "Day set to 1 (Holiday).");
    return reported(campaign, "Day set to " + std::to_string(campaign.date.day));
}

std::string setCalendarPosition(Campaign& campaign, CalendarPosition position) {
    return setDay(campaign, dayOfYear(position));
}

} // namespace velmora::campaign
