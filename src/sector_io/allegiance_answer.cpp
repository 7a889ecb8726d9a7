#include "sector_io/allegiance_answer.h"

#include "core/file_io.h"
#include "sector_io/travellermap_importer.h"

namespace velmora::sector_io {

void keepAllegianceAnswer(const std::filesystem::path& dataFolder, const std::string& answer) {
    core::writeFileAtomically(dataFolder / allegianceAnswerFileName, answer);
}

AllegianceTable keptAllegiances(const std::filesystem::path& dataFolder) {
    const auto text = core::readWholeFile(dataFolder / allegianceAnswerFileName);
    if (!text)
        return {};
    try {
        return allegianceTable(decodeAllegiances(*text));
    } catch (const std::exception&) {
        return {}; // the built-in names serve instead
    }
}

} // namespace velmora::sector_io
