#pragma once

#include "ships/saved_ship_design.h"

#include <nlohmann/json_fwd.hpp>
#include <string>
#include <string_view>

namespace velmora::ships {

// design.json: every key of the record is required; dates are ISO-8601 text.
// Decoding fails with core::DecodeError naming what is wrong.
void to_json(nlohmann::json& json, const SavedShipDesign& saved);
SavedShipDesign savedShipDesignFromJson(const nlohmann::json& json);

// The header keys only; the rest of the file is not looked at beyond parsing it.
void to_json(nlohmann::json& json, const SavedShipDesign::Header& header);
SavedShipDesign::Header savedShipDesignHeaderFromJson(const nlohmann::json& json);

// The file's text: indented, keys sorted, ending with a newline.
std::string designFileText(const SavedShipDesign& saved);
// From a file's text; core::DecodeError for text that is not such a file.
SavedShipDesign decodeDesignFile(std::string_view text);
SavedShipDesign::Header decodeDesignFileHeader(std::string_view text);

} // namespace velmora::ships
