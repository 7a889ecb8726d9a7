#pragma once

#include "wiki/wiki_records.h"

#include <string>
#include <string_view>
#include <vector>

// The API's answers read into records. Only text goes in, so all of it is
// testable without a network.
namespace velmora::wiki {

// A search snippet as plain text: the highlighting markup gone and the common
// entities written out.
std::string cleanedSnippet(std::string_view snippet);

// The hits of a search answer in the order received. Throws WikiError: the wiki's
// own error text, or badResponse for anything that is not a search answer.
std::vector<SearchResult> decodeSearchResponse(std::string_view body);

// The page of a parse answer. Throws WikiError: noResults(title) for a page that
// does not exist, the wiki's own error text, or badResponse.
Article decodeParseResponse(std::string_view body, const std::string& title);

} // namespace velmora::wiki
