#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace velmora::core {

// A URL's query, name and value pairs in the order they are sent.
using QueryItems = std::vector<std::pair<std::string, std::string>>;

// Every byte outside the unreserved set written as %XX, so names with spaces,
// apostrophes or non-ASCII letters reach a web service intact.
std::string percentEncoded(std::string_view text);

// `base` with `query` added, each name and value percent-encoded: after "?", or
// after "&" when `base` already carries a query. An empty query adds nothing.
std::string urlWithQuery(std::string base, const QueryItems& query);

} // namespace velmora::core
