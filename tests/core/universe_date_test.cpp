#include "core/decode_error.h"
#include "core/json_support.h"
#include "core/universe_date.h"
#include "core/universe_date_json.h"

#include <gtest/gtest.h>

using namespace velmora::core;

namespace {

UniverseDate at(int year, int day, int hour, int minute) {
    UniverseDate date;
    date.year = year;
    date.day = day;
    date.hour = hour;
    date.minute = minute;
    return date;
}

struct Moment {
    int year, day, hour, minute;
};

void expectAt(const UniverseDate& date, Moment expected) {
    EXPECT_EQ(date.year, expected.year);
    EXPECT_EQ(date.day, expected.day);
    EXPECT_EQ(date.hour, expected.hour);
    EXPECT_EQ(date.minute, expected.minute);
}

} // namespace

TEST(UniverseDateAdding, CrossesYearsBothWaysAndKeepsTheId) {
    struct Case {
        const char* what;
        Moment from;
        std::int64_t minutes;
        Moment to;
    };
    const Case cases[] = {
        {"10 minutes past the last minute of the year", {1105, 365, 23, 55}, 10, {1106, 1, 0, 5}},
        {"10 minutes back over the new year", {1106, 1, 0, 5}, -10, {1105, 365, 23, 55}},
        // 350 + 28 = 378, which is day 378 - 365 = 13 of the next year.
        {"28 days from day 350", {1105, 350, 8, 0}, 40'320, {1106, 13, 8, 0}},
        {"a whole year", {1105, 200, 6, 30}, 525'600, {1106, 200, 6, 30}},
        // One minute more than a year back from the first minute: two years borrowed.
        {"a year and a minute back", {1105, 1, 0, 0}, -525'601, {1103, 365, 23, 59}},
        {"nothing", {1105, 40, 12, 0}, 0, {1105, 40, 12, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UniverseDate from = at(c.from.year, c.from.day, c.from.hour, c.from.minute);
        from.id = Uuid::generate();
        const UniverseDate to = from.adding(c.minutes);
        expectAt(to, c.to);
        EXPECT_EQ(to.id, from.id);
        EXPECT_EQ(minutesBetween(from, to), c.minutes);
        EXPECT_EQ(minutesBetween(to, from), -c.minutes);
    }
}

TEST(UniverseDateNormalize, CarriesAndBorrowsEachField) {
    struct Case {
        const char* what;
        Moment edited;
        Moment normal;
    };
    const Case cases[] = {
        {"75 minutes at 23h on the last day", {1105, 365, 23, 75}, {1106, 1, 0, 15}},
        {"day 366", {1105, 366, 0, 0}, {1106, 1, 0, 0}},
        // (731 - 1) div 365 = 2 years; 731 - 2 × 365 = day 1.
        {"day 731", {1105, 731, 0, 0}, {1107, 1, 0, 0}},
        {"day 730", {1105, 730, 0, 0}, {1106, 365, 0, 0}},
        {"minute -5 on the holiday", {1106, 1, 0, -5}, {1105, 365, 23, 55}},
        {"hour -1", {1105, 100, -1, 30}, {1105, 99, 23, 30}},
        {"day 0", {1105, 0, 10, 0}, {1104, 365, 10, 0}},
        {"already normal", {1105, 45, 9, 59}, {1105, 45, 9, 59}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        UniverseDate date = at(c.edited.year, c.edited.day, c.edited.hour, c.edited.minute);
        date.normalize();
        expectAt(date, c.normal);
    }
}

TEST(UniverseDateMonthIndex, HolidayJoinsTheFirstMonthAndTheLastRunsToDay365) {
    const int base = 1105 * 13; // 14365
    const std::pair<int, int> dayToMonth[] = {{1, 0},  {2, 0},    {28, 0},   {29, 1},  {56, 1},
                                              {57, 2}, {336, 11}, {337, 12}, {365, 12}};
    for (const auto& [day, month] : dayToMonth)
        EXPECT_EQ(monthIndex(at(1105, day, 0, 0)), base + month) << "day " << day;
    // The next year's holiday follows the last month.
    EXPECT_EQ(monthIndex(at(1106, 1, 0, 0)), base + 13);
}

TEST(UniverseDateTexts, NamesDaysAndWritesTimesAndDurations) {
    EXPECT_EQ(campaignStartDate().timeText(), "12:00-001-1105");
    EXPECT_EQ(campaignStartDate().dayYearText(), "001-1105");
    EXPECT_EQ(at(1107, 45, 7, 5).timeText(), "07:05-045-1107");
    EXPECT_EQ(at(1107, 245, 23, 59).dayYearText(), "245-1107");

    const std::pair<int, const char*> names[] = {
        {-3, "Not Normal"}, {0, "Not Normal"}, {1, "Holiday"}, {2, "Wonday"},
        {7, "Sixday"},      {8, "Senday"},     {9, "Wonday"},  {365, "Senday"}};
    for (const auto& [day, name] : names)
        EXPECT_EQ(weekdayName(day), name) << "day " << day;

    const std::pair<std::int64_t, const char*> durations[] = {
        {-5, "0m"},     {0, "0m"},       {10, "10m"},      {240, "4h"},
        {90, "1h30m"},  {1440, "1 day"}, {2880, "2 days"}, {40'320, "28 days"},
        {1500, "1d1h"}, {1441, "1d1m"},  {1590, "1d2h30m"}};
    for (const auto& [minutes, text] : durations)
        EXPECT_EQ(durationText(minutes), text) << minutes << " minutes";
}

TEST(UniverseDateRounding, GoesToTheNearestTenMinutesHalvesUp) {
    expectAt(roundedToTenMinutes(at(1105, 10, 12, 4)), {1105, 10, 12, 0});
    expectAt(roundedToTenMinutes(at(1105, 10, 12, 5)), {1105, 10, 12, 10});
    expectAt(roundedToTenMinutes(at(1105, 10, 12, 50)), {1105, 10, 12, 50});
    // Up from the last minutes of the year is the next year's holiday.
    expectAt(roundedToTenMinutes(at(1105, 365, 23, 56)), {1106, 1, 0, 0});
}

TEST(UniverseDateJson, ReadsEveryKeyAndRefusesMissingOrBrokenNumbers) {
    UniverseDate date = at(1105, 123, 4, 56);
    date.id = Uuid::generate();
    const Json written = date;
    EXPECT_EQ(written.at("id"), date.id.toString());
    EXPECT_EQ(written.get<UniverseDate>(), date);

    // Another program may write a whole number with a fraction of zero.
    Json wholeFloat = written;
    wholeFloat["year"] = 1105.0;
    EXPECT_EQ(wholeFloat.get<UniverseDate>().year, 1105);

    for (const char* key : {"id", "day", "year", "hour", "minute"}) {
        Json missing = written;
        missing.erase(key);
        EXPECT_THROW(missing.get<UniverseDate>(), DecodeError) << key;
    }
    for (const Json& broken : {Json(1105.5), Json(3e9), Json(-3e9), Json("1105")}) {
        Json bad = written;
        bad["year"] = broken;
        EXPECT_THROW(bad.get<UniverseDate>(), DecodeError) << broken.dump();
    }
}
