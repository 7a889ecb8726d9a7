#pragma once

#include "core/timestamp.h"

#include <nlohmann/json_fwd.hpp>

namespace velmora::core {
class JsonTextWriter;
class JsonValue;
} // namespace velmora::core

namespace velmora::campaign {

struct Campaign;
struct CampaignNote;
struct PlayerInfo;

// "id", "name" and "characterName" are required; every other key reads as the
// record's default (money 0, skills 0, Social Standing 7, level -1, markers -1).
void readJson(const core::JsonValue& json, PlayerInfo& player);
void writeJson(core::JsonTextWriter& out, const PlayerInfo& player);

// "id", "campaignCode", "number", "date" and "title" are required; a note without
// "content" or "showOnCalendar" has no content and is not on the calendar.
void readJson(const core::JsonValue& json, CampaignNote& note);
void writeJson(core::JsonTextWriter& out, const CampaignNote& note);

// "id", "name", "code" and "date" are required. A campaign without "created" was
// made `now`. Older files kept "hyperspace" (true: in hyperspace, otherwise
// landed) where "travelState" is now, and "daysToLocation" where
// "hoursToLocation" is; both are read when the new key is missing.
Campaign campaignFromJson(const core::JsonValue& json, core::Timestamp now);
// Only the current keys are written; absent optional fields are left out.
void writeJson(core::JsonTextWriter& out, const Campaign& campaign);

// The same in the JSON tree, for documents that hold these records (the command
// line's --json). A campaign is read only with campaignFromJson, which needs the time.
void to_json(nlohmann::json& json, const PlayerInfo& player);
void from_json(const nlohmann::json& json, PlayerInfo& player);
void to_json(nlohmann::json& json, const CampaignNote& note);
void from_json(const nlohmann::json& json, CampaignNote& note);
void to_json(nlohmann::json& json, const Campaign& campaign);

} // namespace velmora::campaign
