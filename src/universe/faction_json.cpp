#include "universe/faction_json.h"

#include "core/core_json.h"
#include "core/json_support.h"
#include "universe/faction.h"
#include "universe/faction_color_json.h"

namespace velmora::universe {

using core::Json;
using core::readOptional;

void to_json(Json& json, const Faction& f) {
    json = Json{
        {"id", f.id},
        {"name", f.name},
        {"short", f.shortName},
        {"homeworld", f.homeworld},
        {"category", f.category},
        {"color", f.color},
        {"description", f.description},
        {"hp", f.hp},
        {"force", f.force},
        {"cunning", f.cunning},
        {"wealth", f.wealth},
        {"credits", f.credits},
        {"xp", f.xp},
        {"tags", f.tags},
        {"assets", f.assets},
        {"notes", f.notes},
    };
}

void from_json(const Json& json, Faction& out) {
    Faction f;
    core::readRequired(json, "id", f.id);
    readOptional(json, "name", f.name);
    readOptional(json, "short", f.shortName);
    readOptional(json, "homeworld", f.homeworld);
    readOptional(json, "category", f.category);
    readOptional(json, "color", f.color);
    readOptional(json, "description", f.description);
    readOptional(json, "hp", f.hp);
    readOptional(json, "force", f.force);
    readOptional(json, "cunning", f.cunning);
    readOptional(json, "wealth", f.wealth);
    readOptional(json, "credits", f.credits);
    readOptional(json, "xp", f.xp);
    readOptional(json, "tags", f.tags);
    readOptional(json, "assets", f.assets);
    readOptional(json, "notes", f.notes);
    out = std::move(f);
}

void to_json(Json& json, const FactionAsset& a) {
    json = Json{
        {"name", a.name},
        {"category", a.category},
        {"hp", a.hp},
        {"maxHP", a.maxHP},
        {"cost", a.cost},
        {"tl", a.tl},
        {"type", a.type},
        {"location", a.location},
        {"attack", a.attack},
        {"counter", a.counter},
        {"note", a.note},
        {"maintenance", a.maintenance},
        {"stealthed", a.stealthed},
        {"requiresPermission", a.requiresPermission},
        {"ratingRequired", a.ratingRequired},
    };
}

void from_json(const Json& json, FactionAsset& out) {
    FactionAsset a;
    readOptional(json, "name", a.name);
    readOptional(json, "category", a.category);
    readOptional(json, "hp", a.hp);
    a.maxHP = core::valueOr(json, "maxHP", a.hp);
    readOptional(json, "cost", a.cost);
    readOptional(json, "tl", a.tl);
    readOptional(json, "type", a.type);
    readOptional(json, "location", a.location);
    readOptional(json, "attack", a.attack);
    readOptional(json, "counter", a.counter);
    readOptional(json, "note", a.note);
    readOptional(json, "maintenance", a.maintenance);
    readOptional(json, "stealthed", a.stealthed);
    readOptional(json, "requiresPermission", a.requiresPermission);
    readOptional(json, "ratingRequired", a.ratingRequired);
    out = std::move(a);
}

void to_json(Json& json, const FactionNote& note) {
    json = Json{
        {"id", note.id}, {"title", note.title}, {"date", note.date}, {"content", note.content}};
}

void from_json(const Json& json, FactionNote& out) {
    FactionNote note;
    readOptional(json, "id", note.id);
    readOptional(json, "title", note.title);
    readOptional(json, "date", note.date);
    readOptional(json, "content", note.content);
    out = std::move(note);
}

void to_json(Json& json, const Stardate& date) {
    json =
        Json{{"year", date.year}, {"day", date.day}, {"hour", date.hour}, {"minute", date.minute}};
}

void from_json(const Json& json, Stardate& out) {
    Stardate date;
    readOptional(json, "year", date.year);
    readOptional(json, "day", date.day);
    readOptional(json, "hour", date.hour);
    readOptional(json, "minute", date.minute);
    out = date;
}

void to_json(Json& json, const FactionCategory& category) {
    json = core::enumToJson(category, factionCategoryTable);
}

void from_json(const Json& json, FactionCategory& category) {
    category = core::enumFromJson(json, factionCategoryTable, "FactionCategory");
}

void to_json(Json& json, const FactionTag& tag) {
    json = core::enumToJson(tag, factionTagTable);
}

void from_json(const Json& json, FactionTag& tag) {
    tag = core::enumFromJson(json, factionTagTable, "FactionTag");
}

void to_json(Json& json, const AssetCategory& category) {
    json = core::enumToJson(category, assetCategoryTable);
}

void from_json(const Json& json, AssetCategory& category) {
    category = core::enumFromJson(json, assetCategoryTable, "AssetCategory");
}

void to_json(Json& json, const AssetType& type) {
    json = core::enumToJson(type, assetTypeTable);
}

void from_json(const Json& json, AssetType& type) {
    type = core::enumFromJson(json, assetTypeTable, "AssetType");
}

} // namespace velmora::universe
