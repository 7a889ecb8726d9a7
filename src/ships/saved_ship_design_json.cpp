#include "ships/saved_ship_design_json.h"

#include "core/decode_error.h"
#include "ships/ship_design_json.h"

#include <nlohmann/json.hpp>

namespace velmora::ships {

namespace {

using Json = nlohmann::json;

const Json& requiredKey(const Json& json, const char* key) {
    const auto it = json.find(key);
    if (it == json.end())
        throw core::DecodeError(std::string("Missing key \"") + key + "\"");
    return *it;
}

std::string requiredText(const Json& json, const char* key) {
    const Json& value = requiredKey(json, key);
    if (!value.is_string())
        throw core::DecodeError(std::string("\"") + key + "\" is not text");
    return value.get<std::string>();
}

core::Uuid requiredUuid(const Json& json, const char* key) {
    const auto text = requiredText(json, key);
    const auto id = core::Uuid::fromString(text);
    if (!id)
        throw core::DecodeError(std::string("\"") + key + "\" is not an identity: " + text);
    return *id;
}

core::Timestamp requiredDate(const Json& json, const char* key) {
    const auto text = requiredText(json, key);
    const auto date = core::parseIso8601(text);
    if (!date)
        throw core::DecodeError(std::string("\"") + key + "\" is not an ISO-8601 date: " + text);
    return *date;
}

Json parse(std::string_view text) {
    Json json = Json::parse(text.begin(), text.end(), nullptr, /*allow_exceptions=*/false);
    if (json.is_discarded())
        throw core::DecodeError("The file is not JSON");
    if (!json.is_object())
        throw core::DecodeError("The file does not hold a ship design");
    return json;
}

} // namespace

void to_json(Json& json, const SavedShipDesign::Header& header) {
    json = Json::object();
    json["id"] = header.id.toString();
    json["configurationName"] = header.configurationName;
    json["typeLabel"] = header.typeLabel;
    json["shipName"] = header.shipName;
    json["modifiedDate"] = core::iso8601Text(header.modifiedDate);
}

SavedShipDesign::Header savedShipDesignHeaderFromJson(const Json& json) {
    if (!json.is_object())
        throw core::DecodeError("The file does not hold a ship design");
    SavedShipDesign::Header header;
    header.id = requiredUuid(json, "id");
    header.configurationName = requiredText(json, "configurationName");
    header.typeLabel = requiredText(json, "typeLabel");
    header.shipName = requiredText(json, "shipName");
    header.modifiedDate = requiredDate(json, "modifiedDate");
    return header;
}

void to_json(Json& json, const SavedShipDesign& saved) {
    to_json(json, saved.header());
    json["description"] = saved.description;
    json["design"] = toJson(saved.design);
    json["imageFilenames"] = saved.imageFilenames;
    json["createdDate"] = core::iso8601Text(saved.createdDate);
}

SavedShipDesign savedShipDesignFromJson(const Json& json) {
    const auto header = savedShipDesignHeaderFromJson(json);
    SavedShipDesign saved;
    saved.id = header.id;
    saved.configurationName = header.configurationName;
    saved.typeLabel = header.typeLabel;
    saved.shipName = header.shipName;
    saved.modifiedDate = header.modifiedDate;
    saved.description = requiredText(json, "description");
    saved.createdDate = requiredDate(json, "createdDate");
    const Json& images = requiredKey(json, "imageFilenames");
    if (!images.is_array())
        throw core::DecodeError("\"imageFilenames\" is not a list");
    for (const Json& name : images) {
        if (!name.is_string())
            throw core::DecodeError("\"imageFilenames\" holds something other than text");
        saved.imageFilenames.push_back(name.get<std::string>());
    }
    saved.design = shipDesignFromJson(requiredKey(json, "design"), "design");
    return saved;
}

std::string designFileText(const SavedShipDesign& saved) {
    // The tree keeps object keys sorted, so its indented text is the file's layout.
    return Json(saved).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

SavedShipDesign decodeDesignFile(std::string_view text) {
    try {
        return savedShipDesignFromJson(parse(text));
    } catch (const core::DecodeError&) {
        throw;
    } catch (const std::exception& error) {
        throw core::DecodeError(error.what());
    }
}

SavedShipDesign::Header decodeDesignFileHeader(std::string_view text) {
    try {
        return savedShipDesignHeaderFromJson(parse(text));
    } catch (const core::DecodeError&) {
        throw;
    } catch (const std::exception& error) {
        throw core::DecodeError(error.what());
    }
}

} // namespace velmora::ships
