#pragma once

#include "core/http_client.h"
#include "core/percent_encoding.h"
#include "sector_io/travellermap_importer.h"

#include <chrono>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// The four requests an import makes of the map service, and what their answers
// mean when they are not the data asked for.
namespace velmora::sector_io {

// The public service; referees behind a mirror point imports elsewhere.
inline constexpr std::string_view defaultTravellerMapAddress = "https://travellermap.com";
// The preference that holds a different address.
inline constexpr const char* travellerMapAddressKey = "travellerMapAddress";

inline constexpr std::string_view travellerMapUserAgent =
    "Velmora/1.0 (referee-support@velmora.app; macOS/iOS app; sector import)";
inline constexpr std::chrono::milliseconds travellerMapTimeout = std::chrono::seconds(60);

using core::QueryItems;

using core::percentEncoded;

// address + path + "?" + the encoded query; a trailing "/" on the address is
// dropped, and an address without a scheme is taken as https.
std::string travellerMapUrl(std::string_view address, std::string_view path,
                            const QueryItems& query = {});

struct TravellerMapEndpoints {
    std::string address{defaultTravellerMapAddress};
    std::chrono::milliseconds timeout = travellerMapTimeout;

    core::HttpRequest coordinates(const std::string& sectorName) const;
    core::HttpRequest allegiances() const;
    core::HttpRequest worldRows(const std::string& sectorName, const std::string& subsector,
                                const std::string& milieu) const;
    // The metadata endpoint answers in XML unless asked for JSON.
    core::HttpRequest metadata(const std::string& sectorName, const std::string& milieu) const;

private:
    core::HttpRequest request(std::string_view path, const QueryItems& query) const;
};

// Nothing for a 2xx answer; otherwise the error it stands for: a status outside
// 200-299, a failed transfer, or something that is no HTTP answer at all.
std::optional<ImportError> importErrorFor(const core::HttpResult& result);

} // namespace velmora::sector_io
