#include "universe/rutter_json.h"

#include "core/core_json.h"
#include "core/json_support.h"
#include "universe/faction_json.h"
#include "universe/rutter.h"

namespace velmora::universe {

using core::Json;
using core::readRequired;

void to_json(Json& json, const Rutter& rutter) {
    json = Json{
        {"id", rutter.id},   {"factionID", rutter.factionID},           {"start", rutter.start},
        {"end", rutter.end}, {"mainTradeRoute", rutter.mainTradeRoute}, {"age", rutter.age},
    };
}

void from_json(const Json& json, Rutter& out) {
    Rutter rutter;
    readRequired(json, "id", rutter.id);
    readRequired(json, "start", rutter.start);
    readRequired(json, "end", rutter.end);
    readRequired(json, "mainTradeRoute", rutter.mainTradeRoute);
    readRequired(json, "age", rutter.age);
    if (const auto id = json.find("factionID"); id != json.end() && !id->is_null()) {
        id->get_to(rutter.factionID);
    } else if (const auto legacy = json.find("faction");
               legacy != json.end() && !legacy->is_null()) {
        Faction faction = legacy->get<Faction>();
        rutter.factionID = faction.id;
        rutter.legacyFaction = std::move(faction);
    } else {
        throw core::DecodeError("Missing key \"factionID\"");
    }
    out = std::move(rutter);
}

void to_json(Json& json, const RutterAge& age) {
    json = core::enumToJson(age, rutterAgeTable);
}

void from_json(const Json& json, RutterAge& age) {
    age = core::enumFromJson(json, rutterAgeTable, "RutterAge");
}

} // namespace velmora::universe
