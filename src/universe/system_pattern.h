#pragma once

#include "core/base.h"
#include "core/hex_data.h"
#include "core/trade_class.h"
#include "universe/faction.h"
#include "universe/map_view_settings.h"

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace velmora::universe {

// The digits of a main world's profile that a search can compare.
enum class ProfileDigit { size, atmosphere, hydrographics, population, government, law, techLevel };
enum class Comparison { equal, less, lessOrEqual, greater, greaterOrEqual };

// One condition of a search. Every term of a search must hold.
struct PatternTerm {
    enum class Kind {
        name,       // the text, lowered, inside the system's or main world's name
        profile,    // "A???9??-*": '?' any one digit, '*' anything from there on
        comparison, // "TL>=12", "pop<6"
        base,       // "N"
        tradeClass, // "Ri"
        allegiance, // "al:ImDd": a faction's short code
    };
    Kind kind = Kind::name;
    std::string text; // the name text, the profile pattern in capitals, or the faction code
    ProfileDigit digit = ProfileDigit::size;
    Comparison comparison = Comparison::equal;
    int value = 0;
    core::Base base = core::Base::navalBase;
    core::TradeClass tradeClass = core::TradeClass::rich;

    friend bool operator==(const PatternTerm&, const PatternTerm&) = default;
};

struct SystemPattern {
    std::vector<PatternTerm> terms;

    bool isEmpty() const { return terms.empty(); }
    // Only words to find in names: the searches every list has always done.
    bool onlyNames() const;
};

struct SystemPatternError {
    std::string message;
};

// What a search field says of the language, as its tooltip.
inline constexpr std::string_view systemPatternHelp =
    "A name, or terms on the main world that must all hold:\n"
    "A???9?\?-*   a profile: ? any one digit, * anything from there on\n"
    "TL>=12  pop<6  size=0  atm  hyd  gov  law   with =, <, <=, >, >=\n"
    "N   a base letter          Ri   a trade code\n"
    "al:ImDd   an allegiance (a faction's short code)\n"
    "\"New Rome\"   a name with blanks in it";

// Reads a search as typed. Terms are separated by blanks; text in double quotes is
// one name term, blanks and all. A word that is none of the other kinds is a name
// term, so a plain name always works. The only errors are terms that start as a
// comparison, a base or an allegiance and then cannot be one ("TL>=", "Q", "al:"):
// finding nothing for them would hide the slip.
std::variant<SystemPattern, SystemPatternError> parseSystemPattern(std::string_view text);

// A search bound to a universe's factions, ready to test many systems fast.
// Profile terms read the main world; a system without one matches only by name.
// With the players' view given, what the players may not know of a system never
// makes it match: an unsurveyed world is found by its name, not its profile.
class SystemPatternMatcher {
public:
    SystemPatternMatcher(SystemPattern pattern, const std::vector<Faction>& factions,
                         const MapViewSettings* view = nullptr);

    // `moreTexts` are further texts a name term may be found in (a list also
    // finds systems by hex number or location).
    bool matches(const core::HexData& hex, std::initializer_list<std::string_view> moreTexts) const;
    bool matches(const core::HexData& hex) const { return matches(hex, {}); }

    const SystemPattern& pattern() const { return m_pattern; }

private:
    SystemPattern m_pattern;
    // For each allegiance term, the ids of the factions with that code.
    std::vector<std::vector<core::Uuid>> m_allegianceIDs;
    const MapViewSettings* m_view;
};

// The systems of a universe that match, in the universe's order.
std::vector<const core::HexData*> findSystems(const std::vector<core::HexData>& hexes,
                                              const SystemPatternMatcher& matcher);

// Whether `haystack` contains `loweredNeedle`, ignoring the case of ASCII letters.
bool containsIgnoringCase(std::string_view haystack, std::string_view loweredNeedle);

} // namespace velmora::universe
