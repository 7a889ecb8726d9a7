#include "wiki/wiki_records_json.h"

#include "wiki/wiki_records.h"

#include <nlohmann/json.hpp>

namespace velmora::wiki {

void to_json(nlohmann::json& json, const SearchResult& result) {
    json = {{"pageID", result.pageID},
            {"title", result.title},
            {"snippet", result.snippet},
            {"wordCount", result.wordCount}};
}

void from_json(const nlohmann::json& json, SearchResult& result) {
    json.at("pageID").get_to(result.pageID);
    json.at("title").get_to(result.title);
    json.at("snippet").get_to(result.snippet);
    json.at("wordCount").get_to(result.wordCount);
}

void to_json(nlohmann::json& json, const Article& article) {
    json = {
        {"title", article.title}, {"displayTitle", article.displayTitle}, {"html", article.html}};
}

void from_json(const nlohmann::json& json, Article& article) {
    json.at("title").get_to(article.title);
    json.at("displayTitle").get_to(article.displayTitle);
    json.at("html").get_to(article.html);
}

} // namespace velmora::wiki
