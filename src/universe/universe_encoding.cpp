#include "universe/universe_encoding.h"

#include "core/core_json.h"
#include "core/json_record_rules.h"
#include "core/json_support.h"
#include "core/json_text_writer.h"
#include "core/world_json.h"
#include "universe/overlay_json.h"
#include "universe/parallel_blocks.h"
#include "universe/universe_codec.h"

#include <algorithm>

namespace velmora::universe::detail {

using core::Json;

namespace {

constexpr int indentWidth = 2;
constexpr std::string_view hexIndent = "    "; // a hex sits two levels deep: root, then "data"
constexpr std::string_view dataKey = "data";
// Stands for a piece in the frame: the key's name between NUL characters, which no
// real value of these keys holds at the top level.
constexpr std::string_view markerStart = "\"\\u0000velmora:";
constexpr std::string_view markerEnd = "\\u0000\"";

// Every field but the hexes and the kept lists.
Json smallFieldsToJson(const UniverseRecord& u) {
    Json root = Json::object();
    root["id"] = u.id;
    root["name"] = u.name;
    root["hiddenLabelCategories"] = u.hiddenLabelCategories;
    root["locationShowsSectorCode"] = u.locationShowsSectorCode;
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
            // A width and height pair; older files wrote it as an object, which reads too.
            {"offset", Json::array({u.mapTransform->offsetWidth, u.mapTransform->offsetHeight})}};
    }
    Json filter = Json::array();
    for (const core::TradeClass tradeClass : u.mapFilterTradeClasses)
        filter.push_back(tradeClass);
    root["mapFilterTradeClasses"] = std::move(filter);
    return root;
}

Json markerFor(std::string_view key) {
    std::string text("\0velmora:", 9);
    text.append(key);
    text.push_back('\0');
    return Json(std::move(text));
}

// The kept lists and the hexes as markers in the small fields' tree, in the tree's
// own order of keys.
std::string frameOf(const UniverseRecord& u) {
    Json root = smallFieldsToJson(u);
    root[std::string(dataKey)] = markerFor(dataKey);
    for (std::string_view key : keptListKeys)
        root[std::string(key)] = markerFor(key);
    return root.dump(indentWidth);
}

// A value dumped on its own, moved one level in, as inside the root object.
std::string indentedOneLevel(const std::string& text) {
    std::string out;
    out.reserve(text.size() + text.size() / 8);
    for (const char c : text) {
        out.push_back(c);
        if (c == '\n')
            out.append(indentWidth, ' ');
    }
    return out;
}

} // namespace

std::string encodeHexForDocument(const core::HexData& hex) {
    thread_local std::string scratch;
    scratch.clear();
    core::JsonTextWriter out(scratch, static_cast<int>(hexIndent.size()));
    writeJson(out, hex);
    // Kept texts live as long as the universe is open: no spare capacity.
    return std::string(scratch);
}

std::string encodeListForDocument(const UniverseRecord& u, std::string_view key) {
    Json value;
    if (key == "customRaces")
        value = u.customRaces;
    else if (key == "factionLists")
        value = u.factionLists;
    else if (key == "factions")
        value = u.factions;
    else if (key == "nebulae")
        value = u.nebulae;
    else if (key == "regions")
        value = u.regions;
    else if (key == "rutters")
        value = u.rutters;
    else if (key == "sectors")
        value = u.sectors;
    else if (key == "starmapLabels")
        value = u.starmapLabels;
    else if (key == "tradeMarkets") {
        // Markets are kept as their compact text; the file has them pretty-printed.
        value = Json::array();
        for (const std::string& market : u.tradeMarkets)
            value.push_back(Json::parse(market));
    }
    return indentedOneLevel(value.dump(indentWidth));
}

core::FileText assembleDocument(const UniverseRecord& u, std::vector<SharedText> hexTexts,
                                const std::array<SharedText, keptListKeys.size()>& listTexts) {
    const std::string frame = frameOf(u);
    core::FileText file;
    std::string* out = &file.head;
    std::size_t from = 0;
    for (std::size_t at = frame.find(markerStart); at != std::string::npos;
         at = frame.find(markerStart, from)) {
        const std::size_t nameStart = at + markerStart.size();
        const std::size_t nameEnd = frame.find(markerEnd, nameStart);
        const std::string_view name =
            std::string_view(frame).substr(nameStart, nameEnd - nameStart);
        // Only a marker standing as the value of its own key counts: a universe
        // named like a marker stays a name.
        const std::string keyBefore = "\"" + std::string(name) + "\": ";
        const auto key = std::find(keptListKeys.begin(), keptListKeys.end(), name);
        if (nameEnd == std::string::npos || (name != dataKey && key == keptListKeys.end()) ||
            at < keyBefore.size() ||
            std::string_view(frame).substr(at - keyBefore.size(), keyBefore.size()) != keyBefore) {
            out->append(frame, from, nameStart - from);
            from = nameStart;
            continue;
        }
        out->append(frame, from, at - from);
        from = nameEnd + markerEnd.size();
        if (name == dataKey) {
            if (hexTexts.empty()) {
                out->append("[]");
            } else {
                out->append("[\n").append(hexIndent);
                file.separator = ",\n" + std::string(hexIndent);
                file.items = std::move(hexTexts);
                out = &file.tail;
                out->append("\n  ]");
            }
            continue;
        }
        out->append(*listTexts[static_cast<std::size_t>(key - keptListKeys.begin())]);
    }
    out->append(frame, from);
    return file;
}

} // namespace velmora::universe::detail

namespace velmora::universe {

std::string encodeUniverse(const UniverseRecord& universe) {
    std::vector<detail::SharedText> hexTexts(universe.data.size());
    detail::inBlocks(universe.data.size(), [&](std::size_t from, std::size_t to, const auto&) {
        for (std::size_t i = from; i < to; ++i)
            hexTexts[i] =
                std::make_shared<const std::string>(detail::encodeHexForDocument(universe.data[i]));
    });
    std::array<detail::SharedText, detail::keptListKeys.size()> listTexts;
    for (std::size_t i = 0; i < listTexts.size(); ++i)
        listTexts[i] = std::make_shared<const std::string>(
            detail::encodeListForDocument(universe, detail::keptListKeys[i]));
    return detail::assembleDocument(universe, std::move(hexTexts), listTexts).joined();
}

} // namespace velmora::universe
