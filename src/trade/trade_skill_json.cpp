#include "trade/trade_skill_json.h"

#include "core/json_fields.h"
#include "core/json_tree_bridge.h"
#include "trade/trade_skill_source.h"

namespace velmora::trade {

using namespace core::json_fields;
using core::Json;
using core::JsonTextWriter;
using core::JsonValue;

namespace {

// The fields in the order of their keys, which is the order they are written in.
template <typename Skills, typename Visit>
void forEachSkill(Skills& skills, Visit visit) {
    visit("admin", skills.admin);
    visit("broker", skills.broker);
    visit("carouse", skills.carouse);
    visit("navalRank", skills.navalRank);
    visit("scoutRank", skills.scoutRank);
    visit("socialStanding", skills.socialStanding);
    visit("steward", skills.steward);
    visit("streetwise", skills.streetwise);
}

} // namespace

void readJson(const JsonValue& json, TradeSkillSet& out) {
    requireObject(json, "A skill set");
    TradeSkillSet skills;
    forEachSkill(skills, [&](const char* key, int& field) { field = wholeOr(json, key, field); });
    out = skills;
}

void writeJson(JsonTextWriter& out, const TradeSkillSet& skills) {
    out.beginObject();
    forEachSkill(skills, [&](const char* key, int field) {
        out.key(key);
        out.value(field);
    });
    out.endObject();
}

void readJson(const JsonValue& json, TradeSkillSource& out) {
    requireObject(json, "A skill source");
    if (json.size() != 1)
        throw core::DecodeError("Invalid number of keys found, expected one.");
    json.forEachMember([&](std::string_view key, const JsonValue& value) {
        requireObject(value, "A skill source's case");
        if (key == "player") {
            out = TradeSkillSource::player(requiredUuid(value, "_0"));
        } else if (key == "outside") {
            TradeSkillSet skills;
            readJson(required(value, "_0"), skills);
            out = TradeSkillSource::outside(skills);
        } else {
            throw core::DecodeError("Unknown TradeSkillSource case: " + std::string(key));
        }
    });
}

// The case is the key, its value the case's one unlabelled field under "_0".
void writeJson(JsonTextWriter& out, const TradeSkillSource& source) {
    out.beginObject();
    if (const auto id = source.playerID()) {
        out.key("player");
        out.beginObject();
        out.key("_0");
        out.value(id->toString());
        out.endObject();
    } else {
        out.key("outside");
        out.beginObject();
        out.key("_0");
        writeJson(out, source.outsideSkills().value_or(TradeSkillSet{}));
        out.endObject();
    }
    out.endObject();
}

void to_json(Json& json, const TradeSkillSet& skills) {
    core::recordToTree(json, skills);
}
void from_json(const Json& json, TradeSkillSet& skills) {
    core::recordFromTree(json, skills);
}
void to_json(Json& json, const TradeSkillSource& source) {
    core::recordToTree(json, source);
}
void from_json(const Json& json, TradeSkillSource& source) {
    core::recordFromTree(json, source);
}

} // namespace velmora::trade
