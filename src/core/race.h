#pragma once

#include "core/code_table.h"

#include <optional>
#include <string>
#include <string_view>

namespace velmora::core {

// A species: one of the named races, or a custom race that carries its own name.
class Race {
public:
    enum class Kind {
        custom,
        corporation,
        human,
        mixed,
        none,
        unknown,
        dralasite,
        humma,
        ifshnits,
        mechanon,
        mhemne,
        mixedRIM,
        osakar,
        sathar,
        vrusk,
        yazirian,
        aslan,
        droyne,
        hiver,
        kkree,
        solomani,
        vargr,
        vilani,
        zhodani,
    };

    // Worlds default to a human population.
    Race() = default;
    // A named race; Kind::custom here makes a custom race without a name.
    Race(Kind kind) : m_kind(kind) {}

    static Race custom(std::string name);
    // The identity text back to a race: a named race's case name, or "custom:" and a name.
    static std::optional<Race> fromIdentity(std::string_view text);

    Kind kind() const { return m_kind; }
    bool isCustom() const { return m_kind == Kind::custom; }
    // The name of a custom race; empty for the named ones.
    const std::string& customName() const { return m_name; }

    // Tells races apart in lists and is what files store: "human", "mixedRIM",
    // "custom:Grel".
    std::string identity() const;
    // "Human", "Mixed (RIM)", "K'kree"; a custom race shows its own name.
    std::string_view displayName() const;

    friend bool operator==(const Race&, const Race&) = default;
    friend auto operator<=>(const Race&, const Race&) = default;

private:
    Kind m_kind = Kind::human;
    std::string m_name;
};

inline constexpr std::string_view customRacePrefix = "custom:";

// The identity text of the named races; custom races are written with customRacePrefix.
inline constexpr auto raceIdentityTable = makeRawValueTable<Race::Kind>(
    std::pair{Race::Kind::custom, "custom"}, std::pair{Race::Kind::corporation, "corporation"},
    std::pair{Race::Kind::human, "human"}, std::pair{Race::Kind::mixed, "mixed"},
    std::pair{Race::Kind::none, "none"}, std::pair{Race::Kind::unknown, "unknown"},
    std::pair{Race::Kind::dralasite, "dralasite"}, std::pair{Race::Kind::humma, "humma"},
    std::pair{Race::Kind::ifshnits, "ifshnits"}, std::pair{Race::Kind::mechanon, "mechanon"},
    std::pair{Race::Kind::mhemne, "mhemne"}, std::pair{Race::Kind::mixedRIM, "mixedRIM"},
    std::pair{Race::Kind::osakar, "osakar"}, std::pair{Race::Kind::sathar, "sathar"},
    std::pair{Race::Kind::vrusk, "vrusk"}, std::pair{Race::Kind::yazirian, "yazirian"},
    std::pair{Race::Kind::aslan, "aslan"}, std::pair{Race::Kind::droyne, "droyne"},
    std::pair{Race::Kind::hiver, "hiver"}, std::pair{Race::Kind::kkree, "kkree"},
    std::pair{Race::Kind::solomani, "solomani"}, std::pair{Race::Kind::vargr, "vargr"},
    std::pair{Race::Kind::vilani, "vilani"}, std::pair{Race::Kind::zhodani, "zhodani"});

inline constexpr auto raceDisplayNameTable = makeRawValueTable<Race::Kind>(
    std::pair{Race::Kind::custom, ""}, std::pair{Race::Kind::corporation, "Corporation"},
    std::pair{Race::Kind::human, "Human"}, std::pair{Race::Kind::mixed, "Mixed"},
    std::pair{Race::Kind::none, "None"}, std::pair{Race::Kind::unknown, "Unknown"},
    std::pair{Race::Kind::dralasite, "Dralasite"}, std::pair{Race::Kind::humma, "Humma"},
    std::pair{Race::Kind::ifshnits, "Ifshnit"}, std::pair{Race::Kind::mechanon, "Mechanon"},
    std::pair{Race::Kind::mhemne, "Mhemne"}, std::pair{Race::Kind::mixedRIM, "Mixed (RIM)"},
    std::pair{Race::Kind::osakar, "Osakar"}, std::pair{Race::Kind::sathar, "Sathar"},
    std::pair{Race::Kind::vrusk, "Vrusk"}, std::pair{Race::Kind::yazirian, "Yazirian"},
    std::pair{Race::Kind::aslan, "Aslan"}, std::pair{Race::Kind::droyne, "Droyne"},
    std::pair{Race::Kind::hiver, "Hiver"}, std::pair{Race::Kind::kkree, "K'kree"},
    std::pair{Race::Kind::solomani, "Solomani"}, std::pair{Race::Kind::vargr, "Vargr"},
    std::pair{Race::Kind::vilani, "Vilani"}, std::pair{Race::Kind::zhodani, "Zhodani"});

static_assert(isInCaseOrder(raceIdentityTable) && hasDistinctTexts(raceIdentityTable));
static_assert(isInCaseOrder(raceDisplayNameTable) && hasDistinctTexts(raceDisplayNameTable));

} // namespace velmora::core
