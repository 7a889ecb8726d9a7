#include "campaign/campaign_json.h"

#include "campaign/campaign.h"
#include "core/json_fields.h"
#include "core/json_record_rules.h"
#include "core/json_text_writer.h"
#include "core/json_tree_bridge.h"
#include "core/universe_date_json.h"
#include "trade/manifest_json.h"
#include "trade/trade_skill_json.h"

#include <cmath>

namespace velmora::campaign {

using namespace core::json_fields;
using core::JsonTextWriter;
using core::JsonValue;

namespace {

// A field the record cannot do without.
template <typename T>
struct Mandatory {
    T& value;
};
template <typename T>
Mandatory<T> mandatory(T& value) {
    return {value};
}

// Reads each field of a table, keeping the record's default for a missing key.
struct FieldReader {
    const JsonValue& json;

    void operator()(const char* key, int& field) const { field = wholeOr(json, key, field); }
    void operator()(const char* key, std::int64_t& field) const {
        field = wholeOr(json, key, field);
    }
    void operator()(const char* key, bool& field) const { field = flagOr(json, key, field); }
    void operator()(const char* key, std::string& field) const {
        field = textOr(json, key, std::move(field));
    }
    void operator()(const char* key, Mandatory<int> field) const {
        field.value = requiredWhole<int>(json, key);
    }
    void operator()(const char* key, Mandatory<std::string> field) const {
        field.value = requiredText(json, key);
    }
    void operator()(const char* key, Mandatory<core::Uuid> field) const {
        field.value = requiredUuid(json, key);
    }
    void operator()(const char* key, Mandatory<core::UniverseDate> field) const {
        core::readJson(required(json, key), field.value);
    }
};

// Writes each field of a table; the tables list their keys in order.
struct FieldWriter {
    JsonTextWriter& out;

    void operator()(const char* key, int field) const {
        out.key(key);
        out.value(field);
    }
    void operator()(const char* key, std::int64_t field) const {
        out.key(key);
        out.value(field);
    }
    void operator()(const char* key, bool field) const {
        out.key(key);
        out.value(field);
    }
    void operator()(const char* key, std::string_view field) const {
        out.key(key);
        out.value(field);
    }
    template <typename T>
    void operator()(const char* key, Mandatory<T> field) const {
        (*this)(key, field.value);
    }
    void operator()(const char* key, const core::Uuid& field) const {
        (*this)(key, std::string_view(field.toString()));
    }
    void operator()(const char* key, const core::UniverseDate& field) const {
        out.key(key);
        core::writeJson(out, field);
    }
};

template <typename Player, typename Visit>
void forEachPlayerField(Player& p, Visit visit) {
    visit("admin", p.admin);
    visit("bank", p.bank);
    visit("broker", p.broker);
    visit("carouse", p.carouse);
    visit("cash", p.cash);
    visit("characterName", mandatory(p.characterName));
    visit("debt", p.debt);
    visit("id", mandatory(p.id));
    visit("isNPC", p.isNPC);
    visit("jtas", p.jtas);
    visit("livingExpenses", p.livingExpenses);
    visit("livingExpensesAccruedMonth", p.livingExpensesAccruedMonth);
    visit("monthlyPayment", p.monthlyPayment);
    visit("monthlyPaymentAccruedMonth", p.monthlyPaymentAccruedMonth);
    visit("name", mandatory(p.name));
    visit("navalRank", p.navalRank);
    visit("notes", p.notes);
    visit("pendingEDUCheck", p.pendingEDUCheck);
    visit("pension", p.pension);
    visit("pensionAccruedMonth", p.pensionAccruedMonth);
    visit("period", p.period);
    visit("role", p.role);
    visit("salary", p.salary);
    visit("salaryAccruedMonth", p.salaryAccruedMonth);
    visit("scoutRank", p.scoutRank);
    visit("socialStanding", p.socialStanding);
    visit("steward", p.steward);
    visit("streetwise", p.streetwise);
    visit("training", p.training);
    visit("trainingSkillLevel", p.trainingSkillLevel);
    visit("weeks", p.weeks);
}

template <typename Note, typename Visit>
void forEachNoteField(Note& n, Visit visit) {
    visit("campaignCode", mandatory(n.campaignCode));
    visit("content", n.content);
    visit("date", mandatory(n.date));
    visit("id", mandatory(n.id));
    visit("number", mandatory(n.number));
    visit("showOnCalendar", n.showOnCalendar);
    visit("title", mandatory(n.title));
}

// The party's place is a copy of the hex. Older hexes may carry whole faction
// records inside their worlds, which only a universe adopts; the copy drops them.
void dropLegacyFactions(std::vector<core::WorldData>& worlds) {
    for (core::WorldData& world : worlds) {
        world.legacyFactionsJson.clear();
        dropLegacyFactions(world.satellites);
    }
}

std::optional<core::HexData> hexFrom(const JsonValue& json) {
    const auto value = present(json, "hex");
    if (!value)
        return std::nullopt;
    requireObject(*value, "\"hex\"");
    core::HexData hex;
    core::readJson(*value, hex);
    for (core::Star& star : hex.starSystem.stars)
        dropLegacyFactions(star.worlds);
    return hex;
}

std::optional<core::Orbits> orbitFrom(const JsonValue& json) {
    const auto value = present(json, "orbit");
    if (!value)
        return std::nullopt;
    const int number = whole<int>(*value, "orbit");
    const auto orbit = core::orbitsFromRawValue(number);
    if (!orbit)
        throw core::DecodeError("Unknown Orbits raw value: " + std::to_string(number));
    return orbit;
}

std::optional<core::PlanetOrbits> planetOrbitFrom(const JsonValue& json) {
    const auto text = optionalText(json, "planetOrbit");
    if (!text)
        return std::nullopt;
    const auto orbit = core::planetOrbitsFromRawValue(*text);
    if (!orbit)
        throw core::DecodeError("Unknown PlanetOrbits raw value: " + *text);
    return orbit;
}

TravelState travelStateFrom(const JsonValue& json) {
    if (const auto text = optionalText(json, "travelState")) {
        const auto state = travelStateFromRawValue(*text);
        if (!state)
            throw core::DecodeError("Unknown TravelState raw value: " + *text);
        return *state;
    }
    return flagOr(json, "hyperspace", false) ? TravelState::hyperspace : TravelState::landed;
}

double hoursToLocationFrom(const JsonValue& json) {
    double hours = 0;
    if (const auto value = present(json, "hoursToLocation"))
        hours = number(*value, "hoursToLocation");
    else
        hours = numberOr(json, "daysToLocation", 0) * 24;
    if (!std::isfinite(hours))
        throw core::DecodeError("\"daysToLocation\" is out of range");
    return hours;
}

core::Timestamp createdFrom(const JsonValue& json, core::Timestamp now) {
    const auto written = optionalText(json, "created");
    if (!written)
        return now;
    const auto created = core::parseIso8601(*written);
    if (!created)
        throw core::DecodeError("\"created\" is not an ISO-8601 date: " + *written);
    return *created;
}

template <typename T>
void readSource(const JsonValue& json, const char* key, T& source) {
    if (const auto value = present(json, key))
        trade::readJson(*value, source);
}

} // namespace

void readJson(const JsonValue& json, PlayerInfo& out) {
    requireObject(json, "A player");
    PlayerInfo player;
    forEachPlayerField(player, FieldReader{json});
    out = std::move(player);
}

void writeJson(JsonTextWriter& out, const PlayerInfo& player) {
    out.beginObject();
    forEachPlayerField(player, FieldWriter{out});
    out.endObject();
}

void readJson(const JsonValue& json, CampaignNote& out) {
    requireObject(json, "A note");
    CampaignNote note;
    forEachNoteField(note, FieldReader{json});
    out = std::move(note);
}

void writeJson(JsonTextWriter& out, const CampaignNote& note) {
    out.beginObject();
    forEachNoteField(note, FieldWriter{out});
    out.endObject();
}

Campaign campaignFromJson(const JsonValue& json, core::Timestamp now) {
    requireObject(json, "A campaign");
    Campaign c;
    c.id = requiredUuid(json, "id");
    c.created = createdFrom(json, now);
    c.name = requiredText(json, "name");
    c.code = requiredText(json, "code");
    c.description = textOr(json, "description", "");
    c.isActive = flagOr(json, "isActive", true);
    listOr(json, "players", c.players,
           [](const JsonValue& element, PlayerInfo& player) { readJson(element, player); });
    c.commonCredits = wholeOr<core::Credits>(json, "commonCredits", 0);
    core::readJson(required(json, "date"), c.date);
    c.hex = hexFrom(json);
    c.orbit = orbitFrom(json);
    c.planetOrbit = planetOrbitFrom(json);
    c.starIndex = wholeOr(json, "starIndex", 0);
    c.travelState = travelStateFrom(json);
    c.hoursToLocation = hoursToLocationFrom(json);
    c.departureLocationDescription = optionalText(json, "departureLocationDescription");
    listOr(json, "notes", c.notes,
           [](const JsonValue& element, CampaignNote& note) { readJson(element, note); });
    c.universeID = optionalUuid(json, "universeID");
    c.shipDesignID = optionalUuid(json, "shipDesignID");
    if (const auto manifest = present(json, "manifest"))
        trade::readJson(*manifest, c.manifest);
    readSource(json, "tradeNegotiator", c.tradeNegotiator);
    readSource(json, "tradeSteward", c.tradeSteward);
    c.tradeSupplierBrokerSkill = wholeOr(json, "tradeSupplierBrokerSkill", 2);
    c.maintenanceAccruedMonth = wholeOr(json, "maintenanceAccruedMonth", -1);
    c.lifeSupportAccruedMonth = wholeOr(json, "lifeSupportAccruedMonth", -1);
    listOr(json, "feedbackHistory", c.feedbackHistory,
           [](const JsonValue& element, std::string& line) {
               line = text(element, "feedbackHistory");
           });
    c.lastFeedback = textOr(json, "lastFeedback", "");
    return c;
}

void writeJson(JsonTextWriter& out, const Campaign& c) {
    const FieldWriter field{out};
    out.beginObject();
    field("code", std::string_view(c.code));
    field("commonCredits", std::int64_t{c.commonCredits});
    field("created", std::string_view(core::iso8601Text(c.created)));
    field("date", c.date);
    if (c.departureLocationDescription)
        field("departureLocationDescription", std::string_view(*c.departureLocationDescription));
    field("description", std::string_view(c.description));
    out.key("feedbackHistory");
    out.beginArray();
    for (const std::string& line : c.feedbackHistory)
        out.value(std::string_view(line));
    out.endArray();
    if (c.hex) {
        out.key("hex");
        core::writeJson(out, *c.hex);
    }
    out.key("hoursToLocation");
    out.value(c.hoursToLocation);
    field("id", c.id);
    field("isActive", c.isActive);
    field("lastFeedback", std::string_view(c.lastFeedback));
    field("lifeSupportAccruedMonth", c.lifeSupportAccruedMonth);
    field("maintenanceAccruedMonth", c.maintenanceAccruedMonth);
    out.key("manifest");
    trade::writeJson(out, c.manifest);
    field("name", std::string_view(c.name));
    out.key("notes");
    out.beginArray();
    for (const CampaignNote& note : c.notes)
        writeJson(out, note);
    out.endArray();
    if (c.orbit)
        field("orbit", core::rawValue(*c.orbit));
    if (c.planetOrbit)
        field("planetOrbit", core::rawValue(*c.planetOrbit));
    out.key("players");
    out.beginArray();
    for (const PlayerInfo& player : c.players)
        writeJson(out, player);
    out.endArray();
    if (c.shipDesignID)
        field("shipDesignID", *c.shipDesignID);
    field("starIndex", c.starIndex);
    out.key("tradeNegotiator");
    trade::writeJson(out, c.tradeNegotiator);
    out.key("tradeSteward");
    trade::writeJson(out, c.tradeSteward);
    field("tradeSupplierBrokerSkill", c.tradeSupplierBrokerSkill);
    field("travelState", rawValue(c.travelState));
    if (c.universeID)
        field("universeID", *c.universeID);
    out.endObject();
}

void to_json(core::Json& json, const PlayerInfo& player) {
    core::recordToTree(json, player);
}
void from_json(const core::Json& json, PlayerInfo& player) {
    core::recordFromTree(json, player);
}
void to_json(core::Json& json, const CampaignNote& note) {
    core::recordToTree(json, note);
}
void from_json(const core::Json& json, CampaignNote& note) {
    core::recordFromTree(json, note);
}
void to_json(core::Json& json, const Campaign& campaign) {
    core::recordToTree(json, campaign);
}

} // namespace velmora::campaign
