#include "sector_io/travellermap_requests.h"

namespace velmora::sector_io {

std::string travellerMapUrl(std::string_view address, std::string_view path,
                            const QueryItems& query) {
    while (!address.empty() && (address.back() == '/' || address.back() == ' '))
        address.remove_suffix(1);
    while (!address.empty() && address.front() == ' ')
        address.remove_prefix(1);
    std::string url;
    if (address.find("://") == std::string_view::npos)
        url = "https://";
    url += address;
    url += path;
    return core::urlWithQuery(std::move(url), query);
}

core::HttpRequest TravellerMapEndpoints::request(std::string_view path,
                                                 const QueryItems& query) const {
    core::HttpRequest request;
    request.url = travellerMapUrl(address, path, query);
    request.headers.emplace_back("User-Agent", std::string(travellerMapUserAgent));
    request.timeout = timeout;
    return request;
}

core::HttpRequest TravellerMapEndpoints::coordinates(const std::string& sectorName) const {
    return request("/api/coordinates", {{"sector", sectorName}});
}

core::HttpRequest TravellerMapEndpoints::allegiances() const {
    return request("/t5ss/allegiances", {});
}

core::HttpRequest TravellerMapEndpoints::worldRows(const std::string& sectorName,
                                                   const std::string& subsector,
                                                   const std::string& milieu) const {
    QueryItems query{{"sector", sectorName}, {"type", "TabDelimited"}};
    if (!subsector.empty())
        query.emplace_back("subsector", subsector);
    if (!milieu.empty())
        query.emplace_back("milieu", milieu);
    return request("/api/sec", query);
}

core::HttpRequest TravellerMapEndpoints::metadata(const std::string& sectorName,
                                                  const std::string& milieu) const {
    QueryItems query{{"sector", sectorName}};
    if (!milieu.empty())
        query.emplace_back("milieu", milieu);
    core::HttpRequest metadataRequest = request("/api/metadata", query);
    metadataRequest.headers.emplace_back("Accept", "application/json");
    return metadataRequest;
}

std::optional<ImportError> importErrorFor(const core::HttpResult& result) {
    if (result.isSuccess())
        return std::nullopt;
    if (result.status)
        return ImportError::httpStatus(*result.status);
    if (result.transportError.empty())
        return ImportError::badResponse();
    // The message adds its own full stop.
    std::string description = result.transportError;
    while (!description.empty() && (description.back() == '.' || description.back() == ' '))
        description.pop_back();
    return ImportError::network(description);
}

} // namespace velmora::sector_io
