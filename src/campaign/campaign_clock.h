#pragma once

#include "campaign/calendar_position.h"
#include "campaign/campaign.h"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace velmora::campaign {

// The campaign clock moves only when the referee moves it or an action takes time.
// Every move reports on the campaign's feedback line and returns the report.

// One of the clock buttons.
struct ClockStep {
    std::string_view label;
    std::int64_t minutes;
};

inline constexpr std::array<ClockStep, 9> advanceSteps = {{
    {"+28 days", 40'320},
    {"+7 days", 10'080},
    {"+1 hr", 60},
    {"+10m", 10},
    {"+30m", 30},
    {"+ 4 hrs", 240},
    {"+ 6 hrs", 360},
    {"+ 8 hrs", 480},
    {"+ 12 hrs", 720},
}};
inline constexpr ClockStep rewindStep = {"-10m", 10};
inline constexpr std::string_view roundTimeHelp =
    "Click to round time to the nearest 10-minute increment";

// "Time & Date: 12:00-001-1105".
std::string timeAndDateText(const Campaign& campaign);

// Moves the clock on and reports `prefix` + "Time advanced by " + the duration,
// e.g. with the prefix "Astrogation plotted. ". A negative count moves nothing.
std::string advanceTime(Campaign& campaign, std::int64_t minutes, std::string_view prefix = {});

// Moves the clock back and reports "Time rewound by " + the duration.
std::string rewindTime(Campaign& campaign, std::int64_t minutes);

// To the nearest 10 minutes (5 past rounds up), reporting "Time rounded to " + the
// new time.
std::string roundTime(Campaign& campaign);

// "Year set to 1106".
std::string setYear(Campaign& campaign, int year);

// The day of the year, brought into 1-365. "Day set to 45", or for the holiday
// "Day set to 1 (Holiday)."
std::string setDay(Campaign& campaign, int day);

// The month, week and weekday pickers: the day at that place, reported as setDay.
std::string setCalendarPosition(Campaign& campaign, CalendarPosition position);

} // namespace velmora::campaign
