#include "wiki/wiki_responses.h"

#include "wiki/wiki_error.h"

#include <climits>
#include <cstdint>
#include <nlohmann/json.hpp>
#include <optional>
#include <utility>

namespace velmora::wiki {

namespace {

using nlohmann::json;

std::string withoutTags(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    std::size_t i = 0;
    while (i < text.size()) {
        // A tag is "<", at least one character that is not ">", then ">".
        if (text[i] == '<' && i + 1 < text.size() && text[i + 1] != '>') {
            const std::size_t close = text.find('>', i + 1);
            if (close != std::string_view::npos) {
                i = close + 1;
                continue;
            }
        }
        out += text[i++];
    }
    return out;
}

void replaceAll(std::string& text, std::string_view from, std::string_view to) {
    std::string out;
    out.reserve(text.size());
    std::size_t start = 0;
    for (std::size_t at = text.find(from); at != std::string::npos; at = text.find(from, start)) {
        out.append(text, start, at - start);
        out += to;
        start = at + from.size();
    }
    out.append(text, start);
    text = std::move(out);
}

json parsed(std::string_view body) {
    json document = json::parse(body, nullptr, /*allow_exceptions=*/false);
    if (!document.is_object())
        throw WikiError::badResponse();
    return document;
}

// A key that may be absent; null counts as absent.
const json* optionalMember(const json& object, const char* key) {
    const auto it = object.find(key);
    return it == object.end() || it->is_null() ? nullptr : &*it;
}

const json& member(const json& object, const char* key) {
    const json* value = object.is_object() ? optionalMember(object, key) : nullptr;
    if (!value)
        throw WikiError::badResponse();
    return *value;
}

std::string text(const json& object, const char* key) {
    const json& value = member(object, key);
    if (!value.is_string())
        throw WikiError::badResponse();
    return value.get<std::string>();
}

int whole(const json& object, const char* key) {
    const json& value = member(object, key);
    if (value.is_number_unsigned()) {
        if (value.get<std::uint64_t>() > static_cast<std::uint64_t>(INT_MAX))
            throw WikiError::badResponse();
        return static_cast<int>(value.get<std::uint64_t>());
    }
    if (!value.is_number_integer())
        throw WikiError::badResponse();
    const auto number = value.get<std::int64_t>();
    if (number < INT_MIN || number > INT_MAX)
        throw WikiError::badResponse();
    return static_cast<int>(number);
}

struct ApiError {
    std::string code;
    std::string info;
};

std::optional<ApiError> apiErrorOf(const json& document) {
    const json* error = optionalMember(document, "error");
    if (!error)
        return std::nullopt;
    return ApiError{text(*error, "code"), text(*error, "info")};
}

} // namespace

std::string cleanedSnippet(std::string_view snippet) {
    std::string text = withoutTags(snippet);
    // In this order: "&amp;lt;" in a snippet reads "<".
    replaceAll(text, "&amp;", "&");
    replaceAll(text, "&lt;", "<");
    replaceAll(text, "&gt;", ">");
    replaceAll(text, "&quot;", "\"");
    replaceAll(text, "&#39;", "'");
    replaceAll(text, "&nbsp;", " ");
    return text;
}

std::vector<SearchResult> decodeSearchResponse(std::string_view body) {
    const json document = parsed(body);
    // Read whole before anything is concluded: a malformed error is no answer either.
    const auto error = apiErrorOf(document);
    const json* query = optionalMember(document, "query");
    std::vector<SearchResult> results;
    if (query) {
        const json& hits = member(*query, "search");
        if (!hits.is_array())
            throw WikiError::badResponse();
        results.reserve(hits.size());
        for (const json& hit : hits) {
            if (!hit.is_object())
                throw WikiError::badResponse();
            results.push_back({whole(hit, "pageid"), text(hit, "title"),
                               cleanedSnippet(text(hit, "snippet")), whole(hit, "wordcount")});
        }
    }
    if (error)
        throw WikiError::apiError(error->info);
    if (!query)
        throw WikiError::badResponse();
    return results;
}

Article decodeParseResponse(std::string_view body, const std::string& title) {
    const json document = parsed(body);
    const auto error = apiErrorOf(document);
    const json* parse = optionalMember(document, "parse");
    std::optional<Article> article;
    if (parse)
        article =
            Article{text(*parse, "title"), text(*parse, "displaytitle"), text(*parse, "text")};
    if (error) {
        if (error->code == "missingtitle")
            throw WikiError::noResults(title);
        throw WikiError::apiError(error->info);
    }
    if (!article)
        throw WikiError::badResponse();
    return *article;
}

} // namespace velmora::wiki
