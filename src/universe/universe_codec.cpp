#include "universe/universe_codec.h"

#include "core/core_json.h"
#include "core/hex_json_reader.h"
#include "core/json_record_rules.h"
#include "core/json_support.h"
#include "core/world_json.h"
#include "universe/overlay_json.h"
#include "universe/parallel_blocks.h"
#include "universe/universe_migrations.h"

#include <bit>
#include <optional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace velmora::universe {

using core::DecodeError;
using core::Json;
using detail::inBlocks;

namespace {

constexpr const char* dataKey = "data";

// Nearly all of a universe file is its "data" array of hexes. The reader finds where
// each hex's text starts and ends without reading it, reads the hexes with the fast
// parser on every core, and gives the rest of the document, with "data" left empty,
// to the JSON tree: it is small. The file is never held as a tree or index of its
// own beside its text.

bool isJsonSpace(char c) {
    return c == ' ' || c == '\n' || c == '\r' || c == '\t';
}

bool onlySpaceBetween(std::string_view text, std::size_t from, std::size_t to) {
    for (std::size_t i = from; i < to; ++i) {
        if (!isJsonSpace(text[i]))
            return false;
    }
    return true;
}

std::string_view trimmed(std::string_view text) {
    while (!text.empty() && isJsonSpace(text.front()))
        text.remove_prefix(1);
    while (!text.empty() && isJsonSpace(text.back()))
        text.remove_suffix(1);
    return text;
}

struct DataArray {
    std::size_t begin = 0; // the opening bracket
    std::size_t end = 0;   // just past the closing one
    std::vector<std::string_view> hexes;
};

// Calls visit(i) for the position of every quote, backslash, bracket, brace, comma
// and colon in `text`, in order, until visit returns false. Nearly all of a
// pretty-printed file is indentation, names and numbers, which this passes over
// sixteen bytes at a time.
template <typename Visit>
bool forEachSpecialCharacter(std::string_view text, Visit&& visit) {
    const char* const p = text.data();
    const std::size_t n = text.size();
    std::size_t block = 0;
#if defined(__SSE2__)
    const __m128i quote = _mm_set1_epi8('"');
    const __m128i backslash = _mm_set1_epi8('\\');
    const __m128i comma = _mm_set1_epi8(',');
    const __m128i colon = _mm_set1_epi8(':');
    const __m128i openBrace = _mm_set1_epi8('{');  // '[' with the 0x20 bit set
    const __m128i closeBrace = _mm_set1_epi8('}'); // ']' with the 0x20 bit set
    const __m128i caseBit = _mm_set1_epi8(0x20);
    for (; block + 16 <= n; block += 16) {
        const __m128i bytes = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + block));
        const __m128i folded = _mm_or_si128(bytes, caseBit);
        const __m128i special = _mm_or_si128(
            _mm_or_si128(_mm_cmpeq_epi8(bytes, quote), _mm_cmpeq_epi8(bytes, backslash)),
            _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(bytes, comma), _mm_cmpeq_epi8(bytes, colon)),
                         _mm_or_si128(_mm_cmpeq_epi8(folded, openBrace),
                                      _mm_cmpeq_epi8(folded, closeBrace))));
        auto bits = static_cast<unsigned>(_mm_movemask_epi8(special));
        while (bits != 0) {
            if (!visit(block + static_cast<std::size_t>(std::countr_zero(bits))))
                return false;
            bits &= bits - 1;
        }
    }
#endif
    for (std::size_t i = block; i < n; ++i) {
        switch (p[i]) {
        case '"':
        case '\\':
        case ',':
        case ':':
        case '{':
        case '}':
        case '[':
        case ']':
            if (!visit(i))
                return false;
            break;
        default:
            break;
        }
    }
    return true;
}

// `quoted` is a top-level key with its quotes. Escaped spellings of "data" count too.
bool isDataKey(std::string_view quoted, bool escaped) {
    if (!escaped)
        return quoted == "\"data\"";
    const Json key = Json::parse(quoted, nullptr, false);
    return key.is_string() && key.get_ref<const std::string&>() == dataKey;
}

// The top-level "data" arrays and the text of each element. Nothing when strings or
// brackets do not add up: the caller then has the whole text parsed to say what is
// wrong. Each element's text is checked by the parser that reads it, and the rest of
// the document by the tree, so this only has to split correctly, not validate.
std::optional<std::vector<DataArray>> findDataArrays(std::string_view text) {
    std::vector<DataArray> arrays;
    std::size_t depth = 0;
    bool inString = false;
    std::size_t stringStart = 0;
    bool stringEscaped = false;
    std::size_t skipUntil = 0; // past the character after a backslash
    std::string_view topString;
    bool topStringEscaped = false;
    std::size_t topStringEnd = std::string_view::npos;
    bool afterDataKey = false;
    std::size_t colonAt = 0;
    bool inData = false;
    std::size_t elementStart = 0;

    const auto endElement = [&](std::size_t at, bool last) {
        const std::string_view element = trimmed(text.substr(elementStart, at - elementStart));
        auto& hexes = arrays.back().hexes;
        if (element.empty())
            return last && hexes.empty(); // only "[]" may hold nothing
        hexes.push_back(element);
        elementStart = at + 1;
        return true;
    };

    const bool whole = forEachSpecialCharacter(text, [&](std::size_t i) {
        if (i < skipUntil)
            return true;
        const char c = text[i];
        if (inString) {
            if (c == '\\') {
                skipUntil = i + 2;
                stringEscaped = true;
            } else if (c == '"') {
                inString = false;
                if (depth == 1) {
                    topString = text.substr(stringStart, i + 1 - stringStart);
                    topStringEscaped = stringEscaped;
                    topStringEnd = i + 1;
                }
            }
            return true;
        }
        switch (c) {
        case '"':
            inString = true;
            stringStart = i;
            stringEscaped = false;
            return true;
        case ':':
            afterDataKey = depth == 1 && topStringEnd != std::string_view::npos &&
                           onlySpaceBetween(text, topStringEnd, i) &&
                           isDataKey(topString, topStringEscaped);
            colonAt = i;
            return true;
        case '[':
        case '{':
            if (c == '[' && depth == 1 && afterDataKey && onlySpaceBetween(text, colonAt + 1, i)) {
                arrays.push_back({i, 0, {}});
                inData = true;
                elementStart = i + 1;
            }
            afterDataKey = false;
            ++depth;
            return true;
        case ']':
        case '}':
            if (depth == 0)
                return false;
            --depth;
            if (inData && depth == 1) {
                if (c != ']' || !endElement(i, true))
                    return false;
                arrays.back().end = i + 1;
                inData = false;
            }
            return true;
        case ',':
            return !(inData && depth == 2) || endElement(i, false);
        default: // a backslash outside a string: left for the parsers to refuse
            return true;
        }
    });
    if (!whole || inString || depth != 0 || inData)
        return std::nullopt;
    return arrays;
}

// Where and how `text` stops being JSON, in the tree's words. Nothing is built: a
// broken file of hundreds of megabytes is refused without holding it as a tree.
std::string syntaxErrorIn(std::string_view text) {
    struct Checker final : nlohmann::json_sax<Json> {
        std::string error;
        bool null() override { return true; }
        bool boolean(bool) override { return true; }
        bool number_integer(number_integer_t) override { return true; }
        bool number_unsigned(number_unsigned_t) override { return true; }
        bool number_float(number_float_t, const string_t&) override { return true; }
        bool string(string_t&) override { return true; }
        bool binary(binary_t&) override { return true; }
        bool start_object(std::size_t) override { return true; }
        bool key(string_t&) override { return true; }
        bool end_object() override { return true; }
        bool start_array(std::size_t) override { return true; }
        bool end_array() override { return true; }
        bool parse_error(std::size_t, const std::string&,
                         const nlohmann::detail::exception& ex) override {
            error = ex.what();
            return false;
        }
    };
    Checker checker;
    Json::sax_parse(text, &checker);
    return checker.error.empty() ? "The universe file is not valid JSON" : checker.error;
}

// The document with every top-level "data" array emptied.
std::string documentWithoutHexes(std::string_view text, const std::vector<DataArray>& arrays) {
    std::string rest;
    std::size_t from = 0;
    for (const DataArray& array : arrays) {
        rest.append(text, from, array.begin - from);
        rest.append("[]");
        from = array.end;
    }
    rest.append(text, from);
    return rest;
}

void checkHexes(const std::vector<std::string_view>& texts) {
    inBlocks(texts.size(), [&](std::size_t from, std::size_t to, const auto& stop) {
        core::HexJsonReader reader;
        for (std::size_t i = from; i < to && !stop(); ++i)
            reader.check(texts[i]);
    });
}

void readHexes(const std::vector<std::string_view>& texts, std::vector<core::HexData>& hexes) {
    hexes.resize(texts.size());
    inBlocks(texts.size(), [&](std::size_t from, std::size_t to, const auto& stop) {
        core::HexJsonReader reader;
        for (std::size_t i = from; i < to && !stop(); ++i) {
            if (texts[i].front() != '{')
                throw DecodeError("A hex in \"data\" is not an object");
            reader.read(texts[i], hexes[i]);
        }
    });
}

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
    // As the hexes' reader does, for the records and the map's transform; trade
    // markets are kept as text and never read.
    for (const char* key : {"factions", "factionLists", "rutters", "nebulae", "regions",
                            "starmapLabels", "sectors", "mapTransform"}) {
        if (const auto value = root.find(key); value != root.end())
            core::refuseNumbersBeyondInt(*value);
    }
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
    if (const auto transform = root.find("mapTransform");
        transform != root.end() && transform->is_object())
        u.mapTransform = readMapTransform(*transform);
    if (const auto filter = root.find("mapFilterTradeClasses");
        filter != root.end() && filter->is_array()) {
        for (const Json& code : *filter)
            u.mapFilterTradeClasses.insert(code.get<core::TradeClass>());
    }
}

} // namespace

UniverseRecord decodeUniverse(std::string_view text) {
    UniverseRecord universe;
    try {
        const auto arrays = findDataArrays(text);
        if (!arrays)
            throw DecodeError(syntaxErrorIn(text));
        readUniverseFields(Json::parse(documentWithoutHexes(text, *arrays)), universe);
        // A key given twice counts once, the last time, as everywhere in JSON.
        if (!arrays->empty())
            readHexes(arrays->back().hexes, universe.data);
        // The factions older files kept inside worlds are read here, so a broken one
        // fails the file like any other record.
        migrateLegacyFactions(universe);
    } catch (const DecodeError&) {
        throw;
    } catch (const std::exception& error) {
        throw DecodeError(error.what());
    }
    return universe;
}

UniverseHeader decodeUniverseHeader(std::string_view text) {
    Json root;
    try {
        const auto arrays = findDataArrays(text);
        if (!arrays)
            throw DecodeError(syntaxErrorIn(text));
        // The hexes are not read, only checked: a file that is not whole JSON is not listed.
        for (const DataArray& array : *arrays)
            checkHexes(array.hexes);
        root = Json::parse(documentWithoutHexes(text, *arrays));
    } catch (const DecodeError&) {
        throw;
    } catch (const std::exception& error) {
        throw DecodeError(error.what());
    }
    const auto id = root.is_object() ? root.find("id") : root.end();
    if (id == root.end() || !id->is_string())
        throw DecodeError("The universe file has no \"id\"");
    const std::string& idText = id->get_ref<const std::string&>();
    const auto uuid = core::Uuid::fromString(idText);
    if (!uuid)
        throw DecodeError("Invalid UUID: " + idText);
    UniverseHeader header;
    header.id = *uuid;
    const auto name = root.find("name");
    header.name =
        name != root.end() && name->is_string() ? name->get<std::string>() : "Untitled Universe";
    return header;
}

} // namespace velmora::universe
