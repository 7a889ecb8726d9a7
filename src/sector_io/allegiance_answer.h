#pragma once

#include "sector_io/allegiances.h"

#include <filesystem>
#include <string>

namespace velmora::sector_io {

// The map service's last answer to "/t5ss/allegiances", kept in the data folder
// as it was received. SEC files carry only the codes; with this answer at hand a
// SEC import names factions exactly as a Traveller Map import does.
inline constexpr const char* allegianceAnswerFileName = "TravellerMapAllegiances.json";

// Keeps the answer; a failure to write costs only the names of later SEC imports.
void keepAllegianceAnswer(const std::filesystem::path& dataFolder, const std::string& answer);
// The names of the kept answer, or none when there is no answer or it cannot be read.
AllegianceTable keptAllegiances(const std::filesystem::path& dataFolder);

} // namespace velmora::sector_io
