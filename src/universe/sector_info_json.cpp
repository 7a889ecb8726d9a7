#include "universe/sector_info_json.h"

#include "core/json_support.h"
#include "universe/sector_info.h"

namespace velmora::universe {

void to_json(core::Json& json, const SectorInfo& sector) {
    json = core::Json{
        {"sectorX", sector.sectorX},
        {"sectorY", sector.sectorY},
        {"name", sector.name},
        {"abbreviation", sector.abbreviation},
    };
}

void from_json(const core::Json& json, SectorInfo& out) {
    SectorInfo sector;
    core::readOptional(json, "sectorX", sector.sectorX);
    core::readOptional(json, "sectorY", sector.sectorY);
    core::readOptional(json, "name", sector.name);
    core::readOptional(json, "abbreviation", sector.abbreviation);
    out = std::move(sector);
}

} // namespace velmora::universe
