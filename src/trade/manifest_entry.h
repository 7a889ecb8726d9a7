#pragma once

#include "core/code_table.h"
#include "core/credits.h"
#include "core/galactic_coordinates.h"
#include "core/universe_date.h"
#include "core/uuid.h"
#include "trade/passage_class.h"

#include <optional>
#include <string>

namespace velmora::trade {

// One thing aboard the ship: passengers booked, freight or mail accepted, or
// speculative cargo bought. Which of the figures mean anything depends on the kind.
struct ManifestEntry {
    enum class Kind { passengers, freight, mail, cargo };

    core::Uuid id;
    Kind kind = Kind::freight;
    core::GalacticCoordinates origin; // where it came aboard
    std::string originName;
    // Nothing for cargo, and for mail bound nowhere in particular.
    std::optional<core::GalacticCoordinates> destination;
    std::string destinationName;
    core::UniverseDate acceptedOn;
    std::optional<PassageClass> passageClass; // passengers only
    int count = 0;                            // passengers
    int containers = 0;                       // mail
    int tons = 0;                             // freight, mail or cargo
    // The fare per passenger, the rate per ton, the fee per mail container, or the
    // price paid per ton of cargo.
    core::Credits creditsPerUnit = 0;
    std::optional<int> goodD66; // cargo: the row of its trade good
    bool illegal = false;
    bool revenueCollected = false;
    // Cargo: failed searches for a buyer in the trade month buyerAttemptsMonth.
    int buyerAttempts = 0;
    int buyerAttemptsMonth = 0;

    friend bool operator==(const ManifestEntry&, const ManifestEntry&) = default;
};

inline constexpr auto manifestEntryKindTable = core::makeRawValueTable<ManifestEntry::Kind>(
    std::pair{ManifestEntry::Kind::passengers, "passengers"},
    std::pair{ManifestEntry::Kind::freight, "freight"},
    std::pair{ManifestEntry::Kind::mail, "mail"}, std::pair{ManifestEntry::Kind::cargo, "cargo"});

static_assert(core::isInCaseOrder(manifestEntryKindTable) &&
              core::hasDistinctTexts(manifestEntryKindTable));

constexpr std::string_view rawValue(ManifestEntry::Kind kind) {
    return core::textAt(manifestEntryKindTable, kind);
}

} // namespace velmora::trade
