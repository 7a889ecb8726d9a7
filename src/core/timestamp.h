#pragma once

#include <chrono>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::core {

// A moment of real (not campaign) time, to the second: when a record was made.
using Timestamp = std::chrono::sys_seconds;

// Where the current time comes from; tests hand in a fixed one.
using Clock = std::function<Timestamp()>;
Timestamp systemNow();

// "2024-05-01T12:34:56Z": ISO-8601 in UTC, to the second.
std::string iso8601Text(Timestamp time);

// ISO-8601 date and time as other programs write it: "YYYY-MM-DDTHH:MM:SS",
// optionally a fraction of a second (dropped), then "Z" or an offset "+HH:MM",
// "+HHMM" or "+HH". Nothing for any other text, an impossible date, or a moment
// outside the years 0000-9999 once taken to UTC.
std::optional<Timestamp> parseIso8601(std::string_view text);

} // namespace velmora::core
