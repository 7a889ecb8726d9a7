#include "universe/faction_list_json.h"

#include "core/core_json.h"
#include "core/json_support.h"
#include "universe/faction_list.h"

namespace velmora::universe {

void to_json(core::Json& json, const FactionList& list) {
    json = core::Json{{"id", list.id}, {"name", list.name}, {"factionIDs", list.factionIDs}};
}

void from_json(const core::Json& json, FactionList& out) {
    FactionList list;
    core::readRequired(json, "id", list.id);
    core::readOptional(json, "name", list.name);
    core::readOptional(json, "factionIDs", list.factionIDs);
    out = std::move(list);
}

} // namespace velmora::universe
