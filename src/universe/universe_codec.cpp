#include "universe/universe_codec.h"

#include "core/core_json.h"
#include "core/json_support.h"
#include "core/world_json.h"
#include "universe/overlay_json.h"
#include "universe/universe_migrations.h"

#include <unordered_map>

namespace velmora::universe {

using core::DecodeError;
using core::Json;

namespace {

constexpr const char* dataKey = "data";

// Builds the document tree as the parser streams through the text, except for
// the hexes: each element of "data" is turned into its record as soon as it is
// complete and its tree thrown away. A 50,000-hex file never exists as one tree.
class StreamingUniverseReader final : public nlohmann::json_sax<Json> {
public:
    explicit StreamingUniverseReader(std::vector<core::HexData>& hexes) : m_hexes(hexes) {}

    Json root;
    std::string error;

    bool null() override { return addValue(Json(nullptr)); }
    bool boolean(bool value) override { return addValue(Json(value)); }
    bool number_integer(number_integer_t value) override { return addValue(Json(value)); }
    bool number_unsigned(number_unsigned_t value) override { return addValue(Json(value)); }
    bool number_float(number_float_t value, const string_t&) override { return addValue(Json(value)); }
    bool string(string_t& value) override { return addValue(Json(std::move(value))); }
    bool binary(binary_t&) override { return addValue(Json(nullptr)); }

    bool start_object(std::size_t) override {
        if (isDataArray()) {
            m_hex = Json::object();
            m_stack.push_back(&m_hex);
            return true;
        }
        m_stack.push_back(addContainer(Json::object()));
        return true;
    }

    bool key(string_t& value) override {
        m_key = std::move(value);
        return true;
    }

    bool end_object() override {
        m_stack.pop_back();
        if (isDataArray())
            finishHex();
        return true;
    }

    bool start_array(std::size_t) override {
        if (m_stack.size() == 1 && m_key == dataKey && m_stack.back() == &root) {
            m_stack.push_back(&m_dataMarker);
            return true;
        }
        m_stack.push_back(addContainer(Json::array()));
        return true;
    }

    bool end_array() override {
        m_stack.pop_back();
        return true;
    }

    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& ex) override {
        error = ex.what();
        return false;
    }

private:
    bool isDataArray() const { return !m_stack.empty() && m_stack.back() == &m_dataMarker; }

    void finishHex() {
        core::HexData hex;
        from_json(m_hex, hex);
        m_hexes.push_back(std::move(hex));
        m_hex = Json();
    }

    bool addValue(Json&& value) {
        if (isDataArray())
            throw DecodeError("A hex in \"data\" is not an object");
        addContainer(std::move(value));
        return true;
    }

    Json* addContainer(Json&& value) {
        if (m_stack.empty()) {
            root = std::move(value);
            return &root;
        }
        Json* top = m_stack.back();
        if (top->is_array()) {
            top->push_back(std::move(value));
            return &top->back();
        }
        auto& object = top->get_ref<Json::object_t&>();
        auto [it, inserted] = object.insert_or_assign(std::move(m_key), std::move(value));
        return &it->second;
    }

    std::vector<core::HexData>& m_hexes;
    std::vector<Json*> m_stack;
    std::string m_key;
    Json m_hex;
    Json m_dataMarker; // stands on the stack for the "data" array, which is never built
};

template <typename T>
void readList(const Json& root, const char* key, std::vector<T>& out) {
    const auto it = root.find(key);
    if (it == root.end() || it->is_null())
        return;
    out.reserve(it->size());
    for (const Json& element : *it)
        out.push_back(element.get<T>());
}

std::optional<MapTransform> readMapTransform(const Json& json) {
    MapTransform transform;
    transform.scale = core::valueOr(json, "scale", 1.0);
    if (const auto offset = json.find("offset"); offset != json.end()) {
        if (offset->is_array() && offset->size() == 2) {
            transform.offsetWidth = (*offset)[0].get<double>();
            transform.offsetHeight = (*offset)[1].get<double>();
        } else if (offset->is_object()) {
            transform.offsetWidth = core::valueOr(*offset, "width", 0.0);
            transform.offsetHeight = core::valueOr(*offset, "height", 0.0);
        }
    }
    return transform;
}

// Markets are read tolerantly: one that is not a record drops them all, and the
// universe still opens.
std::vector<std::string> readTradeMarkets(const Json& root) {
    std::vector<std::string> markets;
    const auto it = root.find("tradeMarkets");
    if (it == root.end() || !it->is_array())
        return markets;
    for (const Json& market : *it) {
        if (!market.is_object())
            return {};
        markets.push_back(market.dump());
    }
    return markets;
}

void readUniverseFields(const Json& root, UniverseRecord& u) {
    if (!root.is_object())
        throw DecodeError("The universe file does not hold a JSON object");
    if (const auto id = root.find("id"); id != root.end() && !id->is_null())
        id->get_to(u.id);
    u.name = core::valueOr<std::string>(root, "name", "Untitled Universe");
    readList(root, "factions", u.factions);
    readList(root, "factionLists", u.factionLists);
    readList(root, "rutters", u.rutters);
    readList(root, "nebulae", u.nebulae);
    readList(root, "regions", u.regions);
    readList(root, "starmapLabels", u.starmapLabels);
    core::readOptional(root, "hiddenLabelCategories", u.hiddenLabelCategories);
    readList(root, "sectors", u.sectors);
    core::readOptional(root, "customRaces", u.customRaces);
    u.locationShowsSectorCode = core::valueOr(root, "locationShowsSectorCode", false);
    u.tradeMarkets = readTradeMarkets(root);
    if (const auto mode = root.find("mapViewMode"); mode != root.end() && !mode->is_null())
        u.mapViewMode = core::enumFromJson(*mode, mapViewModeTable, "MapViewMode");
    u.mapShowRutters = core::valueOr(root, "mapShowRutters", true);
    u.mapShowRouteDistances = core::valueOr(root, "mapShowRouteDistances", true);
    u.mapShowNebulae = core::valueOr(root, "mapShowNebulae", true);
    u.mapShowRegions = core::valueOr(root, "mapShowRegions", true);
    u.mapShowLabels = core::valueOr(root, "mapShowLabels", true);
    u.mapShowSurveyedData = core::valueOr(root, "mapShowSurveyedData", true);
    u.mapShowStarfarers = core::valueOr(root, "mapShowStarfarers", true);
    u.mapShowSathar = core::valueOr(root, "mapShowSathar", true);
    u.mapShowOther = core::valueOr(root, "mapShowOther", true);
    core::readOptional(root, "selectedFactionIDs", u.selectedFactionIDs);
    if (const auto transform = root.find("mapTransform"); transform != root.end() && transform->is_object())
        u.mapTransform = readMapTransform(*transform);
    if (const auto filter = root.find("mapFilterTradeClasses"); filter != root.end() && filter->is_array()) {
        for (const Json& code : *filter)
            u.mapFilterTradeClasses.insert(code.get<core::TradeClass>());
    }
}

// Every field but the hexes.
Json universeFieldsToJson(const UniverseRecord& u) {
    Json root = Json::object();
    root["id"] = u.id;
    root["name"] = u.name;
    root["factions"] = u.factions;
    root["factionLists"] = u.factionLists;
    root["rutters"] = u.rutters;
    root["nebulae"] = u.nebulae;
    root["regions"] = u.regions;
    root["starmapLabels"] = u.starmapLabels;
    root["hiddenLabelCategories"] = u.hiddenLabelCategories;
    root["sectors"] = u.sectors;
    root["customRaces"] = u.customRaces;
    root["locationShowsSectorCode"] = u.locationShowsSectorCode;
    Json markets = Json::array();
    for (const std::string& market : u.tradeMarkets)
        markets.push_back(Json::parse(market));
    root["tradeMarkets"] = std::move(markets);
    root["mapViewMode"] = core::enumToJson(u.mapViewMode, mapViewModeTable);
    root["mapShowRutters"] = u.mapShowRutters;
    root["mapShowRouteDistances"] = u.mapShowRouteDistances;
    root["mapShowNebulae"] = u.mapShowNebulae;
    root["mapShowRegions"] = u.mapShowRegions;
    root["mapShowLabels"] = u.mapShowLabels;
    root["mapShowSurveyedData"] = u.mapShowSurveyedData;
    root["mapShowStarfarers"] = u.mapShowStarfarers;
    root["mapShowSathar"] = u.mapShowSathar;
    root["mapShowOther"] = u.mapShowOther;
    root["selectedFactionIDs"] = u.selectedFactionIDs;
    if (u.mapTransform) {
        root["mapTransform"] = Json{
            {"scale", u.mapTransform->scale},
            {"offset", {{"width", u.mapTransform->offsetWidth}, {"height", u.mapTransform->offsetHeight}}}};
    }
    Json filter = Json::array();
    for (const core::TradeClass tradeClass : u.mapFilterTradeClasses)
        filter.push_back(tradeClass);
    root["mapFilterTradeClasses"] = std::move(filter);
    return root;
}

constexpr int indentWidth = 2;
constexpr std::string_view hexIndent = "    "; // a hex sits two levels deep: root, then "data"
constexpr std::string_view dataPlaceholder = "\"\\u0000velmora-hexes\\u0000\"";

// One hex's text as it stands inside the "data" array of the whole document.
std::string encodeHexForDocument(const core::HexData& hex) {
    const std::string plain = Json(hex).dump(indentWidth);
    std::string text;
    text.reserve(plain.size() + plain.size() / 8);
    for (const char c : plain) {
        text.push_back(c);
        // Raw new lines only stand between tokens: inside strings they are escaped.
        if (c == '\n')
            text.append(hexIndent);
    }
    return text;
}

// The document text with the placeholder of "data" replaced by the hexes' texts.
template <typename HexTextAt>
std::string assembleDocument(const UniverseRecord& u, HexTextAt hexTextAt) {
    Json root = universeFieldsToJson(u);
    root[dataKey] = Json(std::string("\0velmora-hexes\0", 15));
    const std::string frame = root.dump(indentWidth);
    const std::size_t at = frame.find(dataPlaceholder);
    if (u.data.empty()) {
        return frame.substr(0, at) + "[]" + frame.substr(at + dataPlaceholder.size());
    }
    std::size_t total = frame.size();
    for (std::size_t i = 0; i < u.data.size(); ++i)
        total += hexTextAt(i).size() + hexIndent.size() + 2;
    std::string text;
    text.reserve(total + 16);
    text.append(frame, 0, at);
    text.append("[\n");
    for (std::size_t i = 0; i < u.data.size(); ++i) {
        text.append(hexIndent);
        text.append(hexTextAt(i));
        text.append(i + 1 < u.data.size() ? ",\n" : "\n");
    }
    text.append("  ]");
    text.append(frame, at + dataPlaceholder.size());
    return text;
}

} // namespace

UniverseRecord decodeUniverse(std::string_view text) {
    UniverseRecord universe;
    std::vector<core::HexData> hexes;
    StreamingUniverseReader reader(hexes);
    try {
        if (!Json::sax_parse(text, &reader))
            throw DecodeError(reader.error.empty() ? "The universe file is not valid JSON" : reader.error);
        readUniverseFields(reader.root, universe);
    } catch (const DecodeError&) {
        throw;
    } catch (const std::exception& error) {
        throw DecodeError(error.what());
    }
    universe.data = std::move(hexes);
    migrateLegacyFactions(universe);
    return universe;
}

namespace {

// Keeps only the top-level "id" and "name"; everything else is lexed and dropped.
class HeaderReader final : public nlohmann::json_sax<Json> {
public:
    std::optional<std::string> id;
    std::optional<std::string> name;
    std::string error;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    bool number_integer(number_integer_t) override { return true; }
    bool number_unsigned(number_unsigned_t) override { return true; }
    bool number_float(number_float_t, const string_t&) override { return true; }
    bool string(string_t& value) override {
        if (m_depth == 1 && m_key == "id")
            id = std::move(value);
        else if (m_depth == 1 && m_key == "name")
            name = std::move(value);
        // The rest is still lexed: a file that is not whole JSON is not listed.
        return true;
    }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override {
        ++m_depth;
        m_key.clear();
        return true;
    }
    bool key(string_t& value) override {
        if (m_depth == 1)
            m_key = std::move(value);
        return true;
    }
    bool end_object() override {
        --m_depth;
        return true;
    }
    bool start_array(std::size_t) override {
        ++m_depth;
        return true;
    }
    bool end_array() override {
        --m_depth;
        return true;
    }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception& ex) override {
        error = ex.what();
        return false;
    }

private:
    int m_depth = 0;
    std::string m_key;
};

} // namespace

UniverseHeader decodeUniverseHeader(std::string_view text) {
    HeaderReader reader;
    Json::sax_parse(text, &reader);
    if (!reader.error.empty())
        throw DecodeError(reader.error);
    UniverseHeader header;
    if (!reader.id)
        throw DecodeError("The universe file has no \"id\"");
    const auto id = core::Uuid::fromString(*reader.id);
    if (!id)
        throw DecodeError("Invalid UUID: " + *reader.id);
    header.id = *id;
    header.name = reader.name.value_or("Untitled Universe");
    return header;
}

std::string encodeUniverse(const UniverseRecord& universe) {
    std::vector<std::string> texts;
    texts.reserve(universe.data.size());
    for (const auto& hex : universe.data)
        texts.push_back(encodeHexForDocument(hex));
    return assembleDocument(universe, [&](std::size_t i) -> const std::string& { return texts[i]; });
}

struct UniverseEncoder::Cache {
    struct Entry {
        core::HexData hex;
        std::string text;
    };
    std::unordered_map<core::Uuid, Entry> entries;
};

UniverseEncoder::UniverseEncoder() : m_cache(std::make_unique<Cache>()) {}
UniverseEncoder::~UniverseEncoder() = default;
UniverseEncoder::UniverseEncoder(UniverseEncoder&&) noexcept = default;
UniverseEncoder& UniverseEncoder::operator=(UniverseEncoder&&) noexcept = default;

std::size_t UniverseEncoder::cachedHexCount() const {
    return m_cache->entries.size();
}

std::string UniverseEncoder::encode(const UniverseRecord& universe) {
    std::unordered_map<core::Uuid, Cache::Entry> fresh;
    fresh.reserve(universe.data.size());
    std::vector<const std::string*> texts;
    texts.reserve(universe.data.size());
    for (const auto& hex : universe.data) {
        auto cached = m_cache->entries.find(hex.id);
        Cache::Entry entry;
        if (cached != m_cache->entries.end() && cached->second.hex == hex) {
            entry = std::move(cached->second);
        } else {
            entry.hex = hex;
            entry.text = encodeHexForDocument(hex);
        }
        // Two hexes may share an id in a hand-edited file: the later one wins the cache slot,
        // and both still get their own text.
        auto [slot, inserted] = fresh.insert_or_assign(hex.id, std::move(entry));
        texts.push_back(&slot->second.text);
        (void)inserted;
    }
    // Pointers into an unordered_map stay valid while it only grows; rebuild them if
    // a duplicate id replaced an entry.
    if (fresh.size() != universe.data.size()) {
        m_cache->entries.clear();
        return encodeUniverse(universe);
    }
    m_cache->entries = std::move(fresh);
    return assembleDocument(universe, [&](std::size_t i) -> const std::string& { return *texts[i]; });
}

} // namespace velmora::universe
