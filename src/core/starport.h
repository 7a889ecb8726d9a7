#pragma once

#include "core/code_table.h"

#include <optional>
#include <string_view>

namespace velmora::core {

// The last four cases are the spaceports of worlds other than the main world.
enum class Starport { typeA, typeB, typeC, typeD, typeE, typeX, typeF, typeG, typeH, typeY };

// The raw value written in files.
inline constexpr auto starportTable = makeRawValueTable<Starport>(
    std::pair{Starport::typeA, "Excellent"}, std::pair{Starport::typeB, "Good"},
    std::pair{Starport::typeC, "Routine"}, std::pair{Starport::typeD, "Poor"},
    std::pair{Starport::typeE, "Frontier"}, std::pair{Starport::typeX, "None"},
    std::pair{Starport::typeF, "Good (Sp)"}, std::pair{Starport::typeG, "Poor (Sp)"},
    std::pair{Starport::typeH, "Basic (Sp)"}, std::pair{Starport::typeY, "None (Sp)"});

// The letter shown in profiles and sector listings.
inline constexpr auto starportLetterTable =
    makeRawValueTable<Starport>(std::pair{Starport::typeA, "A"}, std::pair{Starport::typeB, "B"},
                                std::pair{Starport::typeC, "C"}, std::pair{Starport::typeD, "D"},
                                std::pair{Starport::typeE, "E"}, std::pair{Starport::typeX, "X"},
                                std::pair{Starport::typeF, "F"}, std::pair{Starport::typeG, "G"},
                                std::pair{Starport::typeH, "H"}, std::pair{Starport::typeY, "Y"});

static_assert(isInCaseOrder(starportTable) && hasDistinctTexts(starportTable));
static_assert(isInCaseOrder(starportLetterTable) && hasDistinctTexts(starportLetterTable));

constexpr std::string_view rawValue(Starport starport) {
    return textAt(starportTable, starport);
}

constexpr char letter(Starport starport) {
    return textAt(starportLetterTable, starport).front();
}

constexpr std::optional<Starport> starportFromRawValue(std::string_view text) {
    return starportTable.value(text);
}

constexpr std::optional<Starport> starportFromLetter(char letter) {
    return starportLetterTable.value(std::string_view(&letter, 1));
}

} // namespace velmora::core
