#include "campaign/calendar_position.h"
#include "campaign/campaign_calendar.h"
#include "campaign/campaign_clock.h"
#include "campaign/campaign_journal.h"
#include "campaign/campaign_rules.h"
#include "sample_campaign.h"

#include <gtest/gtest.h>

using namespace velmora;
using namespace velmora::campaign;
using velmora::testing::dateAt;
using velmora::testing::sampleCampaign;

TEST(CampaignClock, ReportsEveryMoveOnTheFeedbackLine) {
    Campaign c = sampleCampaign();
    c.date = dateAt(1105, 365, 23, 55);
    struct Step {
        std::string report;
        const char* time;
    };
    const Step steps[] = {
        {advanceTime(c, 10), "00:05-001-1106"},
        {rewindTime(c, 10), "23:55-365-1105"},
        {advanceTime(c, 40'320), "23:55-028-1106"},
        {advanceTime(c, 90, "Astrogation plotted. "), "01:25-029-1106"},
        {roundTime(c), "01:30-029-1106"},
        {setYear(c, 1110), "01:30-029-1110"},
        {setDay(c, 45), "01:30-045-1110"},
        {setDay(c, 1), "01:30-001-1110"},
        {setDay(c, 400), "01:30-365-1110"},
    };
    const char* reports[] = {"Time advanced by 10m",
                             "Time rewound by 10m",
                             "Time advanced by 28 days",
                             "Astrogation plotted. Time advanced by 1h30m",
                             "Time rounded to 01:30-029-1106",
                             "Year set to 1110",
                             "Day set to 45",
                             "Day set to 1 (Holiday).",
                             "Day set to 365"};
    ASSERT_EQ(c.feedbackHistory.size(), std::size(steps));
    for (std::size_t i = 0; i < std::size(steps); ++i) {
        EXPECT_EQ(steps[i].report, reports[i]);
        EXPECT_EQ(c.feedbackHistory[i], reports[i]);
    }
    EXPECT_EQ(c.lastFeedback, "Day set to 365");
    EXPECT_EQ(timeAndDateText(c), "Time & Date: 01:30-365-1110");
}

TEST(CampaignClock, TheButtonsMoveByTheirMinutes) {
    Campaign c = sampleCampaign();
    const std::int64_t before = c.date.absoluteMinutes();
    std::int64_t total = 0;
    for (const ClockStep& step : advanceSteps) {
        advanceTime(c, step.minutes);
        total += step.minutes;
    }
    // 28 days, 7 days, 1 hour, 10 and 30 minutes, 4, 6, 8 and 12 hours.
    EXPECT_EQ(total, 40'320 + 10'080 + 60 + 10 + 30 + (4 + 6 + 8 + 12) * 60);
    EXPECT_EQ(c.date.absoluteMinutes() - before, total);
    rewindTime(c, rewindStep.minutes);
    EXPECT_EQ(c.date.absoluteMinutes() - before, total - 10);
}

TEST(CampaignClock, TheFeedbackHistoryKeepsTheLatestReports) {
    Campaign c = sampleCampaign();
    for (std::size_t i = 0; i < feedbackHistoryLimit + 5; ++i)
        advanceTime(c, 10);
    ASSERT_EQ(c.feedbackHistory.size(), feedbackHistoryLimit);
    EXPECT_EQ(c.feedbackHistory.back(), c.lastFeedback);
}

TEST(CalendarPosition, MonthsStartTheDayAfterTheHolidayAndWeeksOnWonday) {
    struct Case {
        int day;
        std::optional<CalendarPosition> position;
    };
    const Case cases[] = {
        {0, std::nullopt},
        {1, std::nullopt},
        {2, CalendarPosition{1, 1, 1}},
        {8, CalendarPosition{1, 1, 7}},
        {9, CalendarPosition{1, 2, 1}},
        {29, CalendarPosition{1, 4, 7}},
        {30, CalendarPosition{2, 1, 1}},
        {338, CalendarPosition{13, 1, 1}},
        {365, CalendarPosition{13, 4, 7}},
        {366, std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(calendarPosition(c.day), c.position) << "day " << c.day;
        if (c.position) {
            EXPECT_EQ(dayOfYear(*c.position), c.day) << "day " << c.day;
        }
    }
    EXPECT_EQ(weekdayNameInWeek(1), "Wonday");
    EXPECT_EQ(weekdayNameInWeek(7), "Senday");
    EXPECT_EQ(dayOfYear({20, 9, 0}), 359); // month 13, week 4, weekday 1

    Campaign c = sampleCampaign();
    EXPECT_EQ(setCalendarPosition(c, {2, 1, 1}), "Day set to 30");
    EXPECT_EQ(c.date.day, 30);
}

TEST(CampaignCalendar, PagesThroughTheHolidayAndThirteenMonths) {
    Campaign c = sampleCampaign();
    c.date = dateAt(1105, 30, 8, 0); // month 2, first day
    auto mark = [&](int year, int day, bool shown, const char* title) {
        NoteFields fields;
        fields.title = title;
        fields.date = dateAt(year, day, 12);
        fields.showOnCalendar = shown;
        createNote(c, fields);
    };
    mark(1105, 31, true, "Ambush");
    mark(1105, 31, true, "Aftermath");
    mark(1105, 31, false, "Private thoughts");
    mark(1106, 31, true, "A year later");
    mark(1105, 1, true, "New year");

    const CalendarPage month = currentCalendarPage(c);
    EXPECT_EQ(month.year, 1105);
    EXPECT_EQ(month.page, 2);
    ASSERT_EQ(month.days.size(), 28u);
    EXPECT_EQ(month.days.front().day, 30);
    EXPECT_EQ(month.days.front().weekday, "Wonday");
    EXPECT_EQ(month.days.back().day, 57);
    EXPECT_TRUE(month.days.front().isToday);
    ASSERT_EQ(month.days[1].notes.size(), 2u);
    EXPECT_EQ(month.days[1].notes[0].title, "Ambush");
    EXPECT_EQ(month.days[1].notes[1].number, 2);
    EXPECT_FALSE(month.days[2].isToday);

    const CalendarPage holiday = calendarPage(c, 1105, holidayPage);
    ASSERT_EQ(holiday.days.size(), 1u);
    EXPECT_EQ(holiday.days[0].weekday, "Holiday");
    ASSERT_EQ(holiday.days[0].notes.size(), 1u);
    EXPECT_EQ(holiday.days[0].notes[0].title, "New year");

    const CalendarPage last = calendarPage(c, 1105, 13);
    EXPECT_EQ(last.days.front().day, 338);
    EXPECT_EQ(last.days.back().day, 365);

    EXPECT_EQ(nextCalendarPage({1105, 13}), (PageAddress{1106, holidayPage}));
    EXPECT_EQ(previousCalendarPage({1106, holidayPage}), (PageAddress{1105, 13}));
    EXPECT_EQ(nextCalendarPage({1105, 0}), (PageAddress{1105, 1}));
    EXPECT_EQ(calendarPage(c, 1106, 2).days[1].notes.at(0).title, "A year later");
}
