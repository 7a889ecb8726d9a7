#include "sector_io/allegiances.h"

namespace velmora::sector_io {

std::string_view builtInAllegianceName(std::string_view code) {
    for (const auto& [entry, name] : builtInAllegiances) {
        if (entry == code)
            return name;
    }
    return {};
}

std::string allegianceName(std::string_view code, const AllegianceTable& table) {
    if (const auto it = table.find(code); it != table.end() && !it->second.empty())
        return it->second;
    if (const auto name = builtInAllegianceName(code); !name.empty())
        return std::string(name);
    if (code.size() > 2) {
        if (const auto name = builtInAllegianceName(code.substr(0, 2)); !name.empty())
            return std::string(name);
    }
    if (code.empty())
        return "Unknown Allegiance";
    return std::string(code);
}

} // namespace velmora::sector_io
