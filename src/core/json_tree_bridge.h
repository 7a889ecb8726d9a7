#pragma once

// The records read from a JsonDocument and written with a JsonTextWriter, moved in
// and out of the JSON tree through their text, for the places that hold them in a
// tree. Include only from *_json.cpp files: this pulls in the whole JSON library.

#include "core/json_document.h"
#include "core/json_support.h"
#include "core/json_text_writer.h"

#include <string>

namespace velmora::core {

template <typename Record>
void recordToTree(Json& json, const Record& record) {
    std::string text;
    JsonTextWriter out(text);
    writeJson(out, record);
    json = Json::parse(text);
}

template <typename Record>
void recordFromTree(const Json& json, Record& record) {
    JsonDocument document;
    readJson(document.parse(json.dump()), record);
}

} // namespace velmora::core
