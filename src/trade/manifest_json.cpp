#include "trade/manifest_json.h"

#include "core/json_fields.h"
#include "core/json_record_rules.h"
#include "core/json_tree_bridge.h"
#include "core/universe_date_json.h"
#include "trade/ship_manifest.h"
#include "trade/trade_json_support.h"

namespace velmora::trade {

using namespace core::json_fields;
using namespace json_support;
using core::Json;
using core::JsonTextWriter;
using core::JsonValue;

void readJson(const JsonValue& json, ManifestEntry& out) {
    requireObject(json, "A manifest entry");
    ManifestEntry entry;
    entry.id = requiredUuid(json, "id");
    entry.kind = code(json, "kind", manifestEntryKindTable, "ManifestEntry.Kind");
    entry.origin = coordinates(required(json, "origin"), "origin");
    entry.originName = textOr(json, "originName", "");
    if (const auto destination = present(json, "destination"))
        entry.destination = coordinates(*destination, "destination");
    entry.destinationName = textOr(json, "destinationName", "");
    core::readJson(required(json, "acceptedOn"), entry.acceptedOn);
    if (const auto passage = optionalText(json, "passageClass"))
        entry.passageClass = passageClassFromRawValue(*passage);
    entry.count = wholeOr(json, "count", 0);
    entry.containers = wholeOr(json, "containers", 0);
    entry.tons = wholeOr(json, "tons", 0);
    entry.creditsPerUnit = wholeOr<core::Credits>(json, "creditsPerUnit", 0);
    if (const auto good = present(json, "goodD66"))
        entry.goodD66 = whole<int>(*good, "goodD66");
    entry.illegal = flagOr(json, "illegal", false);
    entry.revenueCollected = flagOr(json, "revenueCollected", false);
    entry.buyerAttempts = wholeOr(json, "buyerAttempts", 0);
    entry.buyerAttemptsMonth = wholeOr(json, "buyerAttemptsMonth", 0);
    out = std::move(entry);
}

void writeJson(JsonTextWriter& out, const ManifestEntry& entry) {
    out.beginObject();
    out.key("acceptedOn");
    core::writeJson(out, entry.acceptedOn);
    member(out, "buyerAttempts", entry.buyerAttempts);
    member(out, "buyerAttemptsMonth", entry.buyerAttemptsMonth);
    member(out, "containers", entry.containers);
    member(out, "count", entry.count);
    out.key("creditsPerUnit");
    out.value(std::int64_t{entry.creditsPerUnit});
    if (entry.destination) {
        out.key("destination");
        core::writeJson(out, *entry.destination);
    }
    member(out, "destinationName", entry.destinationName);
    if (entry.goodD66)
        member(out, "goodD66", *entry.goodD66);
    member(out, "id", entry.id.toString());
    member(out, "illegal", entry.illegal);
    member(out, "kind", rawValue(entry.kind));
    out.key("origin");
    core::writeJson(out, entry.origin);
    member(out, "originName", entry.originName);
    if (entry.passageClass)
        member(out, "passageClass", rawValue(*entry.passageClass));
    member(out, "revenueCollected", entry.revenueCollected);
    member(out, "tons", entry.tons);
    out.endObject();
}

void readJson(const JsonValue& json, ShipManifest& out) {
    requireObject(json, "A manifest");
    ShipManifest manifest;
    manifest.shipDesignID = optionalUuid(json, "shipDesignID");
    listOr(json, "entries", manifest.entries,
           [](const JsonValue& element, ManifestEntry& entry) { readJson(element, entry); });
    manifest.refinedFuelTons = numberOr(json, "refinedFuelTons", 0);
    manifest.unrefinedFuelTons = numberOr(json, "unrefinedFuelTons", 0);
    manifest.dropTankRefinedFuelTons = numberOr(json, "dropTankRefinedFuelTons", 0);
    manifest.dropTankUnrefinedFuelTons = numberOr(json, "dropTankUnrefinedFuelTons", 0);
    manifest.dropTankJettisoned = flagOr(json, "dropTankJettisoned", false);
    manifest.collapsibleTankRefinedFuelTons = numberOr(json, "collapsibleTankRefinedFuelTons", 0);
    manifest.collapsibleTankUnrefinedFuelTons =
        numberOr(json, "collapsibleTankUnrefinedFuelTons", 0);
    manifest.containerRefinedFuelTons = numberOr(json, "containerRefinedFuelTons", 0);
    manifest.containerUnrefinedFuelTons = numberOr(json, "containerUnrefinedFuelTons", 0);
    out = std::move(manifest);
}

void writeJson(JsonTextWriter& out, const ShipManifest& manifest) {
    const auto tons = [&](const char* key, double value) {
        out.key(key);
        out.value(value);
    };
    out.beginObject();
    tons("collapsibleTankRefinedFuelTons", manifest.collapsibleTankRefinedFuelTons);
    tons("collapsibleTankUnrefinedFuelTons", manifest.collapsibleTankUnrefinedFuelTons);
    tons("containerRefinedFuelTons", manifest.containerRefinedFuelTons);
    tons("containerUnrefinedFuelTons", manifest.containerUnrefinedFuelTons);
    member(out, "dropTankJettisoned", manifest.dropTankJettisoned);
    tons("dropTankRefinedFuelTons", manifest.dropTankRefinedFuelTons);
    tons("dropTankUnrefinedFuelTons", manifest.dropTankUnrefinedFuelTons);
    out.key("entries");
    out.beginArray();
    for (const ManifestEntry& entry : manifest.entries)
        writeJson(out, entry);
    out.endArray();
    tons("refinedFuelTons", manifest.refinedFuelTons);
    if (manifest.shipDesignID)
        member(out, "shipDesignID", manifest.shipDesignID->toString());
    tons("unrefinedFuelTons", manifest.unrefinedFuelTons);
    out.endObject();
}

void to_json(Json& json, const ManifestEntry& entry) {
    core::recordToTree(json, entry);
}
void from_json(const Json& json, ManifestEntry& entry) {
    core::recordFromTree(json, entry);
}
void to_json(Json& json, const ShipManifest& manifest) {
    core::recordToTree(json, manifest);
}
void from_json(const Json& json, ShipManifest& manifest) {
    core::recordFromTree(json, manifest);
}

} // namespace velmora::trade
