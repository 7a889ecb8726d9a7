#include "starmap/system_summary.h"

#include "core/star_system.h"
#include "core/trade_class.h"
#include "core/uwp.h"

namespace velmora::starmap {

std::string profileLine(const core::StarSystem& system) {
    const core::WorldData* main = core::mainWorld(system);
    if (!main)
        return {};
    std::string line = core::uwpCode(main->uwp);
    line += ' ';
    // Each of P, B and G is one extended-hex digit, as in a UWP: 10 belts read "A".
    line += core::ehex(main->uwp.populationMultiplier);
    line += core::ehex(system.planetoidBelts);
    line += core::ehex(system.gasGiant);
    line += ' ' + std::to_string(main->dayLength) + '\\' + std::to_string(main->yearLength);
    line += " [";
    for (std::size_t i = 0; i < main->tradeClasses.size(); ++i) {
        if (i > 0)
            line += ' ';
        line += core::code(main->tradeClasses[i]);
    }
    line += ']';
    return line;
}

std::string mainWorldSummary(const core::HexData& hex, const std::string& locationText,
                             const universe::SystemDisclosure& disclosure) {
    const std::string name = hex.starSystem.name.empty() ? "Unnamed System" : hex.starSystem.name;
    if (!disclosure.profile)
        return name + " (" + locationText + ") — " + std::string(disclosure.withheldReason);
    const std::string line = profileLine(hex.starSystem);
    return name + " (" + locationText + ")" +
           (line.empty() ? std::string(" — No main world") : " " + line);
}

} // namespace velmora::starmap
