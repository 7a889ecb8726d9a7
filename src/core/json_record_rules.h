#pragma once

// The one statement of how the world records and their codes are read from and
// written to JSON. The rules are templates over two small interfaces so that the
// same rules serve every JSON library the program uses: the general-purpose tree
// for documents of all kinds, and the fast parser and direct text writer that a
// universe of tens of thousands of hexes needs. Include only from *_json.cpp files.
//
// A value view V reads one JSON value:
//   std::optional<V> member(std::string_view key)  the key's value; nothing when the
//                                                   key is missing or V is not an object
//   fields()                                        something with the same member(),
//                                                   for looking up many keys of one object
//   bool isNull(), isObject(), isArray(), isString(), isBool()
//   int asInt(), double asDouble(), bool asBool()   fail with a description on a wrong type
//   string-like asString()                          same
//   std::size_t size(), void forEach(f)             the elements of an array
//   std::string compactText()                       the value as compact JSON text
//
// A writer W writes one JSON value:
//   beginObject(), key(k), endObject(), beginArray(), endArray()
//   value(int), value(double), value(bool), value(std::string_view)
// Object keys are written in sorted (byte) order: that is the order of the files, and
// a text writer can then write straight through.

#include "core/base.h"
#include "core/decode_error.h"
#include "core/galactic_coordinates.h"
#include "core/hex_data.h"
#include "core/orbits.h"
#include "core/race.h"
#include "core/raw_value_table.h"
#include "core/star.h"
#include "core/star_system.h"
#include "core/starport.h"
#include "core/stellar.h"
#include "core/technology_level.h"
#include "core/trade_class.h"
#include "core/trade_classification.h"
#include "core/uuid.h"
#include "core/uwp.h"
#include "core/world_data.h"
#include "core/world_tag.h"
#include "core/world_type.h"

#include <concepts>
#include <cstddef>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <vector>

namespace velmora::core {

template <typename V>
concept JsonValueView = std::copy_constructible<V> &&
    requires(const V& value, std::string_view key) {
    { value.member(key) } -> std::same_as<std::optional<V>>;
    { value.fields().member(key) } -> std::same_as<std::optional<V>>;
    { value.isNull() } -> std::same_as<bool>;
    { value.isObject() } -> std::same_as<bool>;
    { value.isArray() } -> std::same_as<bool>;
    { value.isString() } -> std::same_as<bool>;
    { value.isBool() } -> std::same_as<bool>;
    { value.asInt() } -> std::same_as<int>;
    { value.asDouble() } -> std::same_as<double>;
    { value.asBool() } -> std::same_as<bool>;
    { value.asString() } -> std::convertible_to<std::string_view>;
    { value.size() } -> std::convertible_to<std::size_t>;
    { value.compactText() } -> std::same_as<std::string>;
    value.forEach([](const V&) {});
};

template <typename W>
concept JsonWriter = requires(W& writer, std::string_view text, int number, double real,
                              bool flag) {
    writer.beginObject();
    writer.key(text);
    writer.endObject();
    writer.beginArray();
    writer.endArray();
    writer.value(number);
    writer.value(real);
    writer.value(flag);
    writer.value(text);
};

namespace json_rules {

// `object` is a value view or what its fields() gives.
template <typename Object>
auto required(const Object& object, const char* key) {
    auto value = object.member(key);
    if (!value)
        throw DecodeError(std::string("Missing key \"") + key + "\"");
    return std::move(*value);
}

// The value of an optional key; nothing when the key is missing or null.
template <typename Object>
auto present(const Object& object, const char* key) {
    auto value = object.member(key);
    if (value && value->isNull())
        value.reset();
    return value;
}

template <typename Object>
int intOr(const Object& object, const char* key, int fallback) {
    const auto value = present(object, key);
    return value ? value->asInt() : fallback;
}

template <typename Object>
double doubleOr(const Object& object, const char* key, double fallback) {
    const auto value = present(object, key);
    return value ? value->asDouble() : fallback;
}

template <typename Object>
bool boolOr(const Object& object, const char* key, bool fallback) {
    const auto value = present(object, key);
    return value ? value->asBool() : fallback;
}

template <typename Enum, std::size_t Count, JsonValueView V>
Enum codeFrom(const V& json, const RawValueTable<Enum, Count>& table, const char* typeName) {
    const std::string_view text = json.asString();
    if (const auto value = table.value(text))
        return *value;
    throw DecodeError(std::string("Unknown ") + typeName + " raw value: " + std::string(text));
}

[[noreturn]] inline void unknownNumber(const char* typeName, int number) {
    throw DecodeError(std::string("Unknown ") + typeName + " raw value: " + std::to_string(number));
}

} // namespace json_rules

// ---- Reading ---------------------------------------------------------------------
// Declared first: the records nest (a world holds satellite worlds).

// clang-format off: one declaration a line reads as a table
template <JsonValueView V>
void readJson(const V& json, int& out) {
    out = json.asInt();
}
template <JsonValueView V>
void readJson(const V& json, double& out) {
    out = json.asDouble();
}
template <JsonValueView V>
void readJson(const V& json, bool& out) {
    out = json.asBool();
}
template <JsonValueView V>
void readJson(const V& json, std::string& out) {
    out = json.asString();
}
template <JsonValueView V>
void readJson(const V& json, Uuid& out);
template <JsonValueView V>
void readJson(const V& json, GalacticCoordinates& out);
template <JsonValueView V>
void readJson(const V& json, Starport& out);
template <JsonValueView V>
void readJson(const V& json, Base& out);
template <JsonValueView V>
void readJson(const V& json, SpectralType& out);
template <JsonValueView V>
void readJson(const V& json, LuminosityClass& out);
template <JsonValueView V>
void readJson(const V& json, Orbits& out);
template <JsonValueView V>
void readJson(const V& json, PlanetOrbits& out);
template <JsonValueView V>
void readJson(const V& json, WorldType& out);
template <JsonValueView V>
void readJson(const V& json, TradeClass& out);
template <JsonValueView V>
void readJson(const V& json, TradeClassCategory& out);
template <JsonValueView V>
void readJson(const V& json, WorldTag& out);
template <JsonValueView V>
void readJson(const V& json, WorldTagCategory& out);
template <JsonValueView V>
void readJson(const V& json, TechnologyLevel& out);
template <JsonValueView V>
void readJson(const V& json, Race& out);
template <JsonValueView V>
void readJson(const V& json, UWP& out);
template <JsonValueView V>
void readJson(const V& json, WorldData& out);
template <JsonValueView V>
void readJson(const V& json, Star& out);
template <JsonValueView V>
void readJson(const V& json, StarSystem& out);
template <JsonValueView V>
void readJson(const V& json, HexData& out);
// clang-format on

namespace json_rules {

template <typename Object, typename T>
void readRequired(const Object& object, const char* key, T& out) {
    readJson(required(object, key), out);
}

template <JsonValueView V, typename T>
void readListInto(const V& array, const char* key, std::vector<T>& out) {
    if (!array.isArray())
        throw DecodeError(std::string("\"") + key + "\" is not a list");
    out.clear();
    out.reserve(array.size());
    array.forEach([&](const V& element) { readJson(element, out.emplace_back()); });
}

template <typename Object, typename T>
void readRequiredList(const Object& object, const char* key, std::vector<T>& out) {
    readListInto(required(object, key), key, out);
}

// A missing or null list reads as empty.
template <typename Object, typename T>
void readOptionalList(const Object& object, const char* key, std::vector<T>& out) {
    if (const auto list = present(object, key))
        readListInto(*list, key, out);
    else
        out.clear();
}

template <typename Object>
bool flagIsSet(const Object& object, const char* key) {
    const auto flag = object.member(key);
    return flag && flag->isBool() && flag->asBool();
}

// Unknown letters are skipped rather than failing the file: profiles imported from
// elsewhere carry base codes this program does not know.
template <typename Object>
void readBases(const Object& object, std::set<Base>& bases) {
    bases.clear();
    if (const auto list = present(object, "bases")) {
        if (!list->isArray())
            throw DecodeError("\"bases\" is not a list");
        list->forEach([&](const auto& letter) {
            if (!letter.isString())
                return;
            if (const auto base = baseFromRawValue(letter.asString()))
                bases.insert(*base);
        });
        return;
    }
    // Older files kept two flags instead of the list.
    if (flagIsSet(object, "navalBase"))
        bases.insert(Base::imperialNavalBase);
    if (flagIsSet(object, "scoutBase"))
        bases.insert(Base::scoutBase);
}

// Newer files list the ids of the universe's factions. Older ones stored whole faction
// records inside the world; those ids become the world's factionIDs, and the records
// are kept as text for the universe to adopt when it migrates the file.
template <typename Object>
void readFactions(const Object& object, WorldData& world) {
    world.factionIDs.clear();
    world.legacyFactionsJson.clear();
    if (const auto ids = present(object, "factionIDs")) {
        readListInto(*ids, "factionIDs", world.factionIDs);
        return;
    }
    const auto factions = present(object, "factions");
    if (!factions)
        return;
    if (!factions->isArray())
        throw DecodeError("\"factions\" is not a list");
    world.factionIDs.reserve(factions->size());
    world.legacyFactionsJson.reserve(factions->size());
    factions->forEach([&](const auto& faction) {
        readRequired(faction, "id", world.factionIDs.emplace_back());
        world.legacyFactionsJson.push_back(faction.compactText());
    });
}

} // namespace json_rules

template <JsonValueView V>
void readJson(const V& json, Uuid& out) {
    const std::string_view text = json.asString();
    const auto parsed = Uuid::fromString(text);
    if (!parsed)
        throw DecodeError("Invalid UUID: " + std::string(text));
    out = *parsed;
}

// Each key may be missing and reads as 0.
template <JsonValueView V>
void readJson(const V& value, GalacticCoordinates& out) {
    const auto json = value.fields();
    using json_rules::intOr;
    out.sectorX = intOr(json, "sectorX", 0);
    out.sectorY = intOr(json, "sectorY", 0);
    out.column = intOr(json, "column", 0);
    out.row = intOr(json, "row", 0);
}

template <JsonValueView V>
void readJson(const V& json, Starport& out) {
    out = json_rules::codeFrom(json, starportTable, "Starport");
}
template <JsonValueView V>
void readJson(const V& json, Base& out) {
    out = json_rules::codeFrom(json, baseTable, "Base");
}
template <JsonValueView V>
void readJson(const V& json, SpectralType& out) {
    out = json_rules::codeFrom(json, spectralTypeTable, "SpectralType");
}
template <JsonValueView V>
void readJson(const V& json, LuminosityClass& out) {
    out = json_rules::codeFrom(json, luminosityClassTable, "LuminosityClass");
}
template <JsonValueView V>
void readJson(const V& json, PlanetOrbits& out) {
    out = json_rules::codeFrom(json, planetOrbitsTable, "PlanetOrbits");
}
template <JsonValueView V>
void readJson(const V& json, WorldType& out) {
    out = json_rules::codeFrom(json, worldTypeTable, "WorldType");
}
template <JsonValueView V>
void readJson(const V& json, TradeClass& out) {
    out = json_rules::codeFrom(json, tradeClassTable, "TradeClass");
}
template <JsonValueView V>
void readJson(const V& json, TradeClassCategory& out) {
    out = json_rules::codeFrom(json, tradeClassCategoryTable, "TradeClassCategory");
}
template <JsonValueView V>
void readJson(const V& json, TechnologyLevel& out) {
    out = json_rules::codeFrom(json, technologyLevelTable, "TechnologyLevel");
}

template <JsonValueView V>
void readJson(const V& json, Orbits& out) {
    const int number = json.asInt();
    const auto value = orbitsFromRawValue(number);
    if (!value)
        json_rules::unknownNumber("Orbits", number);
    out = *value;
}

template <JsonValueView V>
void readJson(const V& json, WorldTagCategory& out) {
    const int number = json.asInt();
    const auto value = worldTagCategoryFromRawValue(number);
    if (!value)
        json_rules::unknownNumber("WorldTagCategory", number);
    out = *value;
}

// Also reads the older spelling "refueling-stop".
template <JsonValueView V>
void readJson(const V& json, WorldTag& out) {
    const std::string_view text = json.asString();
    const auto value = worldTagFromRawValue(text);
    if (!value)
        throw DecodeError("Unknown WorldTag raw value: " + std::string(text));
    out = *value;
}

template <JsonValueView V>
void readJson(const V& json, Race& out) {
    const std::string_view text = json.asString();
    auto value = Race::fromIdentity(text);
    if (!value)
        throw DecodeError("Unknown Race raw value: " + std::string(text));
    out = std::move(*value);
}

template <JsonValueView V>
void readJson(const V& value, UWP& uwp) {
    const auto json = value.fields();
    using namespace json_rules;
    readRequired(json, "starport", uwp.starport);
    readRequired(json, "size", uwp.size);
    uwp.density = doubleOr(json, "density", 1.0);
    readRequired(json, "atmosphere", uwp.atmosphere);
    readRequired(json, "hydrographics", uwp.hydrographics);
    readRequired(json, "population", uwp.population);
    readRequired(json, "government", uwp.government);
    readRequired(json, "lawLevel", uwp.lawLevel);
    readRequired(json, "techLevel", uwp.techLevel);
    readBases(json, uwp.bases);
    uwp.populationMultiplier = intOr(json, "populationMultiplier", 0);
    readOptionalList(json, "tags", uwp.tags);
}

template <JsonValueView V>
void readJson(const V& value, WorldData& world) {
    const auto json = value.fields();
    using namespace json_rules;
    readRequired(json, "id", world.id);
    readRequired(json, "name", world.name);
    readRequired(json, "mainWorld", world.mainWorld);
    readRequired(json, "type", world.type);
    readRequired(json, "sunOrbit", world.sunOrbit);
    readRequired(json, "satelliteOrbit", world.satelliteOrbit);
    readOptionalList(json, "satellites", world.satellites);
    readRequired(json, "hzOffset", world.hzOffset);
    readRequired(json, "uwp", world.uwp);
    readRequired(json, "dayLength", world.dayLength);
    world.yearLength = intOr(json, "yearLength", 0);
    world.tideLocked = boolOr(json, "tideLocked", false);
    if (const auto race = present(json, "prevalentRace"))
        readJson(*race, world.prevalentRace);
    else
        world.prevalentRace = Race(Race::Kind::human);
    readFactions(json, world);
    readRequiredList(json, "worldTags", world.worldTags);
    readRequired(json, "notes", world.notes);
    readRequired(json, "image", world.image);
    // Files from before worlds carried their classes get them derived, once the
    // orbits and the profile the climate depends on have been read.
    if (const auto classes = present(json, "tradeClasses"))
        readListInto(*classes, "tradeClasses", world.tradeClasses);
    else
        world.tradeClasses = deriveTradeClasses(world.uwp, worldClimate(world), world.tideLocked);
}

template <JsonValueView V>
void readJson(const V& value, Star& star) {
    const auto json = value.fields();
    using namespace json_rules;
    readRequired(json, "id", star.id);
    readRequired(json, "name", star.name);
    if (const auto name = present(json, "properName"))
        star.properName = std::string(name->asString());
    else
        star.properName.reset();
    readRequired(json, "spectralType", star.spectralType);
    readRequired(json, "temperature", star.temperature);
    readRequired(json, "luminosity", star.luminosity);
    readRequired(json, "mass", star.mass);
    readRequired(json, "orbit", star.orbit);
    readRequiredList(json, "worlds", star.worlds);
}

template <JsonValueView V>
void readJson(const V& value, StarSystem& system) {
    const auto json = value.fields();
    using namespace json_rules;
    readRequired(json, "id", system.id);
    readRequired(json, "name", system.name);
    readRequiredList(json, "stars", system.stars);
    readRequired(json, "gasGiant", system.gasGiant);
    readRequired(json, "planetoidBelts", system.planetoidBelts);
    readRequired(json, "totalNumberOfWorlds", system.totalNumberOfWorlds);
    readRequired(json, "starfarers", system.starfarers);
    readRequired(json, "sathar", system.sathar);
    readRequired(json, "other", system.other);
    system.surveyed = boolOr(json, "surveyed", false);
}

template <JsonValueView V>
void readJson(const V& value, HexData& hex) {
    const auto json = value.fields();
    using namespace json_rules;
    readRequired(json, "id", hex.id);
    readRequired(json, "coordinates", hex.coordinates);
    readRequired(json, "starSystem", hex.starSystem);
    readRequired(json, "notes", hex.notes);
}

// ---- Writing ---------------------------------------------------------------------
// Enumerations are written as their raw values: texts, except Orbits and
// WorldTagCategory, which are integers.

// clang-format off
template <JsonWriter W> void writeJson(W& out, int value) { out.value(value); }
template <JsonWriter W> void writeJson(W& out, double value) { out.value(value); }
template <JsonWriter W> void writeJson(W& out, bool value) { out.value(value); }
template <JsonWriter W> void writeJson(W& out, std::string_view value) { out.value(value); }
template <JsonWriter W> void writeJson(W& out, const std::string& value) { out.value(std::string_view(value)); }
template <JsonWriter W> void writeJson(W& out, const Uuid& uuid) { out.value(std::string_view(uuid.toString())); }
template <JsonWriter W> void writeJson(W& out, Starport value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, Base value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, SpectralType value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, LuminosityClass value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, Orbits value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, PlanetOrbits value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, WorldType value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, TradeClass value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, TradeClassCategory value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, WorldTag value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, WorldTagCategory value) { out.value(rawValue(value)); }
template <JsonWriter W> void writeJson(W& out, TechnologyLevel value) {
    out.value(technologyLevelTable.text(value));
}
template <JsonWriter W> void writeJson(W& out, const Race& race) { out.value(std::string_view(race.identity())); }
template <JsonWriter W> void writeJson(W& out, const GalacticCoordinates& value);
template <JsonWriter W> void writeJson(W& out, const UWP& value);
template <JsonWriter W> void writeJson(W& out, const WorldData& value);
template <JsonWriter W> void writeJson(W& out, const Star& value);
template <JsonWriter W> void writeJson(W& out, const StarSystem& value);
template <JsonWriter W> void writeJson(W& out, const HexData& value);
// clang-format on

namespace json_rules {

template <JsonWriter W, typename T>
void writeMember(W& out, std::string_view key, const T& value) {
    out.key(key);
    writeJson(out, value);
}

template <JsonWriter W, typename Range>
void writeList(W& out, std::string_view key, const Range& values) {
    out.key(key);
    out.beginArray();
    for (const auto& value : values)
        writeJson(out, value);
    out.endArray();
}

} // namespace json_rules

template <JsonWriter W>
void writeJson(W& out, const GalacticCoordinates& c) {
    using json_rules::writeMember;
    out.beginObject();
    writeMember(out, "column", c.column);
    writeMember(out, "row", c.row);
    writeMember(out, "sectorX", c.sectorX);
    writeMember(out, "sectorY", c.sectorY);
    out.endObject();
}

template <JsonWriter W>
void writeJson(W& out, const UWP& uwp) {
    using namespace json_rules;
    out.beginObject();
    writeMember(out, "atmosphere", uwp.atmosphere);
    writeList(out, "bases", uwp.bases);
    writeMember(out, "density", uwp.density);
    writeMember(out, "government", uwp.government);
    writeMember(out, "hydrographics", uwp.hydrographics);
    writeMember(out, "lawLevel", uwp.lawLevel);
    writeMember(out, "population", uwp.population);
    writeMember(out, "populationMultiplier", uwp.populationMultiplier);
    writeMember(out, "size", uwp.size);
    writeMember(out, "starport", uwp.starport);
    writeList(out, "tags", uwp.tags);
    writeMember(out, "techLevel", uwp.techLevel);
    out.endObject();
}

// The faction records of older files are never written back: the universe has
// adopted them by then.
template <JsonWriter W>
void writeJson(W& out, const WorldData& world) {
    using namespace json_rules;
    out.beginObject();
    writeMember(out, "dayLength", world.dayLength);
    writeList(out, "factionIDs", world.factionIDs);
    writeMember(out, "hzOffset", world.hzOffset);
    writeMember(out, "id", world.id);
    writeMember(out, "image", world.image);
    writeMember(out, "mainWorld", world.mainWorld);
    writeMember(out, "name", world.name);
    writeMember(out, "notes", world.notes);
    writeMember(out, "prevalentRace", world.prevalentRace);
    writeMember(out, "satelliteOrbit", world.satelliteOrbit);
    writeList(out, "satellites", world.satellites);
    writeMember(out, "sunOrbit", world.sunOrbit);
    writeMember(out, "tideLocked", world.tideLocked);
    writeList(out, "tradeClasses", world.tradeClasses);
    writeMember(out, "type", world.type);
    writeMember(out, "uwp", world.uwp);
    writeList(out, "worldTags", world.worldTags);
    writeMember(out, "yearLength", world.yearLength);
    out.endObject();
}

template <JsonWriter W>
void writeJson(W& out, const Star& star) {
    using namespace json_rules;
    out.beginObject();
    writeMember(out, "id", star.id);
    writeMember(out, "luminosity", star.luminosity);
    writeMember(out, "mass", star.mass);
    writeMember(out, "name", star.name);
    writeMember(out, "orbit", star.orbit);
    if (star.properName)
        writeMember(out, "properName", *star.properName);
    writeMember(out, "spectralType", star.spectralType);
    writeMember(out, "temperature", star.temperature);
    writeList(out, "worlds", star.worlds);
    out.endObject();
}

template <JsonWriter W>
void writeJson(W& out, const StarSystem& system) {
    using namespace json_rules;
    out.beginObject();
    writeMember(out, "gasGiant", system.gasGiant);
    writeMember(out, "id", system.id);
    writeMember(out, "name", system.name);
    writeMember(out, "other", system.other);
    writeMember(out, "planetoidBelts", system.planetoidBelts);
    writeMember(out, "sathar", system.sathar);
    writeMember(out, "starfarers", system.starfarers);
    writeList(out, "stars", system.stars);
    writeMember(out, "surveyed", system.surveyed);
    writeMember(out, "totalNumberOfWorlds", system.totalNumberOfWorlds);
    out.endObject();
}

template <JsonWriter W>
void writeJson(W& out, const HexData& hex) {
    using json_rules::writeMember;
    out.beginObject();
    writeMember(out, "coordinates", hex.coordinates);
    writeMember(out, "id", hex.id);
    writeMember(out, "notes", hex.notes);
    writeMember(out, "starSystem", hex.starSystem);
    out.endObject();
}

} // namespace velmora::core
