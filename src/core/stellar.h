#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::core {

enum class SpectralType { O, B, A, F, G, K, M };

enum class LuminosityClass { Ia, Ib, II, III, IV, V, VI, D }; // D: a white dwarf

inline constexpr auto spectralTypeTable = makeRawValueTable<SpectralType>(
    std::pair{SpectralType::O, "O"}, std::pair{SpectralType::B, "B"},
    std::pair{SpectralType::A, "A"}, std::pair{SpectralType::F, "F"},
    std::pair{SpectralType::G, "G"}, std::pair{SpectralType::K, "K"},
    std::pair{SpectralType::M, "M"});

inline constexpr auto luminosityClassTable = makeRawValueTable<LuminosityClass>(
    std::pair{LuminosityClass::Ia, "Ia"}, std::pair{LuminosityClass::Ib, "Ib"},
    std::pair{LuminosityClass::II, "II"}, std::pair{LuminosityClass::III, "III"},
    std::pair{LuminosityClass::IV, "IV"}, std::pair{LuminosityClass::V, "V"},
    std::pair{LuminosityClass::VI, "VI"}, std::pair{LuminosityClass::D, "D"});

static_assert(isInCaseOrder(spectralTypeTable) && hasDistinctTexts(spectralTypeTable));
static_assert(isInCaseOrder(luminosityClassTable) && hasDistinctTexts(luminosityClassTable));

constexpr std::string_view rawValue(SpectralType type) {
    return textAt(spectralTypeTable, type);
}

constexpr std::string_view rawValue(LuminosityClass luminosity) {
    return textAt(luminosityClassTable, luminosity);
}

constexpr std::optional<SpectralType> spectralTypeFromRawValue(std::string_view text) {
    return spectralTypeTable.value(text);
}

constexpr std::optional<LuminosityClass> luminosityClassFromRawValue(std::string_view text) {
    return luminosityClassTable.value(text);
}

} // namespace velmora::core
