#pragma once

#include <nlohmann/json_fwd.hpp>

namespace velmora::wiki {

struct Article;
struct SearchResult;

// Keys named after the fields. Reading throws nlohmann's own errors on a missing
// key or a wrong type; callers that read outside data catch them.
void to_json(nlohmann::json& json, const SearchResult& result);
void from_json(const nlohmann::json& json, SearchResult& result);
void to_json(nlohmann::json& json, const Article& article);
void from_json(const nlohmann::json& json, Article& article);

} // namespace velmora::wiki
