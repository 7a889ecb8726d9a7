#pragma once

#include "core/http_client.h"
#include "core/random_source.h"
#include "sector_io/travellermap_import_options.h"
#include "sector_io/travellermap_importer.h"
#include "sector_io/travellermap_requests.h"

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace velmora::sector_io {

// Everything one import brought back from the service, read and converted, ready
// to be applied to a universe.
struct TravellerMapDownload {
    std::string sectorName; // as the referee entered it, trimmed
    int sectorX = 0;        // the universe's sector: the service's y flipped
    int sectorY = 0;
    AllegianceTable allegiances;
    std::string allegiancesAnswer; // as the service sent it, to keep for SEC imports
    std::vector<ImportedWorld> worlds;
    std::size_t unreadableLines = 0; // world rows that gave no world
    bool metadataFetched = false;
    std::vector<std::string> names; // the sector's names in the metadata, first the main one
    std::string abbreviation;
    std::vector<ImportedRoute> routes;
    std::vector<ImportedRegion> regions;
    std::vector<universe::StarmapLabel> labels; // the service's labels, then subsector names
};

// How a fetch ended: the download, or the error the referee is shown.
struct TravellerMapFetchResult {
    std::optional<TravellerMapDownload> download;
    std::optional<ImportError> error;
};

// Asks the service for one sector, one request after the other: its position,
// the allegiance names, the world rows (when worlds are wanted) and the metadata
// (when routes, borders or labels are). The requests run on the network client's
// own schedule; the completion comes once, on the client's thread, unless the
// fetch is cancelled or destroyed first.
class TravellerMapFetch {
public:
    using Completion = std::function<void(TravellerMapFetchResult)>;

    TravellerMapFetch(core::HttpClient& http, TravellerMapEndpoints endpoints,
                      TravellerMapImportOptions options, core::RandomSource& random);
    ~TravellerMapFetch();
    TravellerMapFetch(const TravellerMapFetch&) = delete;
    TravellerMapFetch& operator=(const TravellerMapFetch&) = delete;

    // An empty sector name completes at once with its error.
    void start(Completion completion);
    void cancel();
    bool isRunning() const { return m_running; }

private:
    void requestCoordinates();
    void requestAllegiances();
    void requestWorldRows();
    void requestMetadata();
    // Sends a request whose successful answer goes to `next`; any failure ends the
    // fetch with its error (`onFailure` may name a more precise one).
    void send(const core::HttpRequest& request, std::function<void(const std::string&)> next,
              std::function<std::optional<ImportError>(const core::HttpResult&)> onFailure = {});
    void finish(TravellerMapFetchResult result);
    void fail(ImportError error);

    core::HttpClient& m_http;
    TravellerMapEndpoints m_endpoints;
    TravellerMapImportOptions m_options;
    core::RandomSource& m_random;
    Completion m_completion;
    std::unique_ptr<core::HttpRequestHandle> m_pending;
    TravellerMapDownload m_download;
    bool m_running = false;
};

} // namespace velmora::sector_io
