#include "core/timestamp.h"

#include <gtest/gtest.h>

using namespace velmora::core;
using namespace std::chrono;

TEST(Iso8601, WritesUtcToTheSecond) {
    const Timestamp time = sys_days(2024y / May / 1) + 12h + 34min + 56s;
    EXPECT_EQ(iso8601Text(time), "2024-05-01T12:34:56Z");
    EXPECT_EQ(iso8601Text(sys_days(1970y / January / 1)), "1970-01-01T00:00:00Z");
    EXPECT_EQ(parseIso8601(iso8601Text(time)), time);
}

TEST(Iso8601, ReadsZonesAndFractionsAndRefusesImpossibleDates) {
    const Timestamp noonUtc = sys_days(2024y / February / 29) + 12h;
    const std::pair<const char*, std::optional<Timestamp>> cases[] = {
        {"2024-02-29T12:00:00Z", noonUtc},
        {"2024-02-29T14:00:00+02:00", noonUtc},
        {"2024-02-29T14:00:00+0200", noonUtc},
        {"2024-02-29T07:00:00-05", noonUtc},
        {"2024-02-29T12:00:00.987Z", noonUtc},
        // Two hours east of Greenwich is still the 28th there.
        {"2024-02-29T01:00:00+02:00", sys_days(2024y / February / 28) + 23h},
        {"2023-02-29T12:00:00Z", std::nullopt}, // not a leap year
        {"2024-13-01T12:00:00Z", std::nullopt},
        {"2024-02-29T24:00:00Z", std::nullopt},
        {"2024-02-29T12:00:00", std::nullopt}, // no zone
        {"2024-02-29 12:00:00Z", std::nullopt},
        {"2024-02-29T12:00:00.Z", std::nullopt},
        {"2024-02-29T12:00:00+25:00", std::nullopt},
        {"0000-01-01T00:30:00+01:00", std::nullopt}, // before year 0 in UTC
        {"", std::nullopt},
    };
    for (const auto& [text, expected] : cases)
        EXPECT_EQ(parseIso8601(text), expected) << text;
}
