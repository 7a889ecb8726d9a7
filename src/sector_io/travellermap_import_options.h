#pragma once

#include <array>
#include <string>
#include <string_view>

namespace velmora::sector_io {

// The eras the service keeps data for; M1105 is the classic setting's default.
inline constexpr std::array<std::string_view, 7> travellerMapMilieux{
    "M0", "M990", "M1105", "M1120", "M1201", "M1248", "M1900"};
inline constexpr std::string_view defaultMilieu = "M1105";
inline constexpr std::string_view subsectorLetters = "ABCDEFGHIJKLMNOP";

// What the referee asks of one import.
struct TravellerMapImportOptions {
    std::string sectorName;
    std::string subsector; // one letter A-P; empty for the whole sector
    std::string milieu{defaultMilieu};
    bool importWorlds = true;
    bool importRoutes = true;
    bool importBorders = true;
    bool importLabels = true;
    bool overwriteExisting = false;
    bool generateAdditionalWorlds = false;
    bool createRaceFactions = false;

    bool wantsMetadata() const { return importRoutes || importBorders || importLabels; }
    bool wantsAnything() const { return importWorlds || wantsMetadata(); }
};

} // namespace velmora::sector_io
