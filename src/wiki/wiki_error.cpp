#include "wiki/wiki_error.h"

namespace velmora::wiki {

WikiError WikiError::httpStatus(int code) {
    return {Kind::httpStatus, "The Traveller Wiki returned an error (HTTP " + std::to_string(code) +
                                  "). Please try again."};
}

WikiError WikiError::network(const std::string& message) {
    return {Kind::network, "Network error: " + message + ". Please try again."};
}

WikiError WikiError::apiError(const std::string& info) {
    return {Kind::apiError, info};
}

WikiError WikiError::noResults(const std::string& query) {
    return {Kind::noResults, "No Traveller Wiki articles found for “" + query + "”."};
}

WikiError WikiError::emptyQuery() {
    return {Kind::emptyQuery, "Enter a search term."};
}

WikiError WikiError::badResponse() {
    return {Kind::badResponse, "The Traveller Wiki returned data that couldn't be read."};
}

} // namespace velmora::wiki
