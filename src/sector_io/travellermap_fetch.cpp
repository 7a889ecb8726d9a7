#include "sector_io/travellermap_fetch.h"

#include "sector_io/sec_text.h"

#include <utility>

namespace velmora::sector_io {

TravellerMapFetch::TravellerMapFetch(core::HttpClient& http, TravellerMapEndpoints endpoints,
                                     TravellerMapImportOptions options, core::RandomSource& random)
    : m_http(http), m_endpoints(std::move(endpoints)), m_options(std::move(options)),
      m_random(random) {}

TravellerMapFetch::~TravellerMapFetch() {
    cancel();
}

void TravellerMapFetch::start(Completion completion) {
    cancel();
    m_completion = std::move(completion);
    m_download = {};
    m_download.sectorName = std::string(trimmed(m_options.sectorName));
    m_running = true;
    if (m_download.sectorName.empty()) {
        fail(ImportError::emptySectorName());
        return;
    }
    requestCoordinates();
}

void TravellerMapFetch::cancel() {
    if (m_pending)
        m_pending->cancel();
    m_pending.reset();
    m_running = false;
}

void TravellerMapFetch::send(
    const core::HttpRequest& request, std::function<void(const std::string&)> next,
    std::function<std::optional<ImportError>(const core::HttpResult&)> onFailure) {
    m_pending = m_http.get(request, [this, next = std::move(next),
                                     onFailure = std::move(onFailure)](core::HttpResult result) {
        if (auto error = importErrorFor(result)) {
            if (onFailure) {
                if (auto precise = onFailure(result))
                    error = std::move(precise);
            }
            fail(std::move(*error));
            return;
        }
        try {
            next(result.body);
        } catch (const ImportError& error) {
            fail(error);
        }
    });
}

void TravellerMapFetch::requestCoordinates() {
    const std::string name = m_download.sectorName;
    send(
        m_endpoints.coordinates(name),
        [this](const std::string& body) {
            const core::GalacticCoordinates origin = sectorOrigin(decodeCoordinates(body));
            m_download.sectorX = origin.sectorX;
            m_download.sectorY = origin.sectorY;
            requestAllegiances();
        },
        [name](const core::HttpResult& result) -> std::optional<ImportError> {
            if (result.status == 404)
                return ImportError::sectorNotFound(name);
            return std::nullopt;
        });
}

void TravellerMapFetch::requestAllegiances() {
    send(m_endpoints.allegiances(), [this](const std::string& body) {
        m_download.allegiances = allegianceTable(decodeAllegiances(body));
        m_download.allegiancesAnswer = body;
        if (m_options.importWorlds)
            requestWorldRows();
        else if (m_options.wantsMetadata())
            requestMetadata();
        else
            finish({std::move(m_download), std::nullopt});
    });
}

void TravellerMapFetch::requestWorldRows() {
    send(m_endpoints.worldRows(m_download.sectorName, m_options.subsector, m_options.milieu),
         [this](const std::string& body) {
             ImportedWorlds read =
                 importedWorldsFromTab(cleanUtf8(body), m_download.sectorX, m_download.sectorY,
                                       m_download.allegiances, m_random);
             m_download.worlds = std::move(read.worlds);
             m_download.unreadableLines = read.unreadableLines;
             if (m_options.wantsMetadata())
                 requestMetadata();
             else
                 finish({std::move(m_download), std::nullopt});
         });
}

void TravellerMapFetch::requestMetadata() {
    send(m_endpoints.metadata(m_download.sectorName, m_options.milieu),
         [this](const std::string& body) {
             const SectorMetadata metadata = decodeSectorMetadata(body);
             TravellerMapDownload& download = m_download;
             const int x = download.sectorX;
             const int y = download.sectorY;
             download.metadataFetched = true;
             for (const MetaName& name : metadata.names)
                 download.names.push_back(name.text);
             download.abbreviation = metadata.abbreviation;
             if (m_options.importRoutes)
                 download.routes = importedRoutes(metadata, x, y);
             if (m_options.importBorders)
                 download.regions = importedRegions(metadata, x, y);
             if (m_options.importLabels) {
                 download.labels = importedLabels(metadata, x, y);
                 for (universe::StarmapLabel& label : subsectorLabels(metadata, x, y))
                     download.labels.push_back(std::move(label));
             }
             finish({std::move(download), std::nullopt});
         });
}

void TravellerMapFetch::fail(ImportError error) {
    finish({std::nullopt, std::move(error)});
}

void TravellerMapFetch::finish(TravellerMapFetchResult result) {
    // The completion may destroy this fetch, so nothing here runs after it.
    m_running = false;
    Completion completion = std::move(m_completion);
    m_completion = nullptr;
    if (completion)
        completion(std::move(result));
}

} // namespace velmora::sector_io
