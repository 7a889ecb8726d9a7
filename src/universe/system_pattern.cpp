#include "universe/system_pattern.h"

#include "core/star_system.h"
#include "core/starport.h"
#include "core/technology_level.h"
#include "core/uwp.h"
#include "universe/system_disclosure.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace velmora::universe {

namespace {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

char upperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

bool isUpper(char c) {
    return c >= 'A' && c <= 'Z';
}

bool isLetter(char c) {
    return isUpper(c) || (c >= 'a' && c <= 'z');
}

bool isBlank(char c) {
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

std::string lowered(std::string_view text) {
    std::string result(text);
    std::transform(result.begin(), result.end(), result.begin(), lowerAscii);
    return result;
}

bool equalIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

struct Token {
    std::string text;
    bool quoted = false;
};

// Blank-separated words; a double quote opens a phrase that runs to the next quote
// or, while it is still being typed, to the end.
std::vector<Token> tokens(std::string_view text) {
    std::vector<Token> result;
    std::size_t i = 0;
    while (i < text.size()) {
        if (isBlank(text[i])) {
            ++i;
            continue;
        }
        if (text[i] == '"') {
            const std::size_t close = text.find('"', i + 1);
            const std::size_t end = close == std::string_view::npos ? text.size() : close;
            result.push_back({std::string(text.substr(i + 1, end - i - 1)), true});
            i = close == std::string_view::npos ? text.size() : close + 1;
            continue;
        }
        std::size_t end = i;
        while (end < text.size() && !isBlank(text[end]))
            ++end;
        result.push_back({std::string(text.substr(i, end - i)), false});
        i = end;
    }
    return result;
}

constexpr std::array<std::pair<std::string_view, ProfileDigit>, 7> digitNames{{
    {"tl", ProfileDigit::techLevel},
    {"pop", ProfileDigit::population},
    {"size", ProfileDigit::size},
    {"atm", ProfileDigit::atmosphere},
    {"hyd", ProfileDigit::hydrographics},
    {"gov", ProfileDigit::government},
    {"law", ProfileDigit::law},
}};

// Longer operators first, so "<=" is not read as "<" followed by "=5".
constexpr std::array<std::pair<std::string_view, Comparison>, 5> operators{{
    {"<=", Comparison::lessOrEqual},
    {">=", Comparison::greaterOrEqual},
    {"=", Comparison::equal},
    {"<", Comparison::less},
    {">", Comparison::greater},
}};

// "TL>=12": nothing when the word does not start with a digit's name and an
// operator; an error when it does and the value is missing or no number.
std::optional<std::variant<PatternTerm, SystemPatternError>> comparisonTerm(std::string_view word) {
    for (const auto& [name, digit] : digitNames) {
        if (word.size() <= name.size() || !equalIgnoringCase(word.substr(0, name.size()), name))
            continue;
        const std::string_view rest = word.substr(name.size());
        for (const auto& [symbol, comparison] : operators) {
            if (!rest.starts_with(symbol))
                continue;
            const std::string_view value = rest.substr(symbol.size());
            PatternTerm term;
            term.kind = PatternTerm::Kind::comparison;
            term.digit = digit;
            term.comparison = comparison;
            const bool decimal = !value.empty() && value.size() <= 3 &&
                                 std::all_of(value.begin(), value.end(),
                                             [](char c) { return c >= '0' && c <= '9'; });
            if (decimal) {
                term.value = 0;
                for (const char c : value)
                    term.value = term.value * 10 + (c - '0');
                return term;
            }
            // A single profile digit reads as the profile writes it: "TL>=C" is TL 12.
            if (value.size() == 1) {
                if (const auto ehex = core::ehexValue(upperAscii(value.front()))) {
                    term.value = *ehex;
                    return term;
                }
            }
            return SystemPatternError{"“" + std::string(word) + "” needs a number after “" +
                                      std::string(symbol) + "”, as in “" +
                                      std::string(word.substr(0, name.size())) + ">=9”"};
        }
    }
    return std::nullopt;
}

// A profile pattern is nine characters with "-" in the eighth place; shorter ones
// ending in "*" ("A7*") are read the same way, as the rest is anything.
bool isProfilePattern(std::string_view word) {
    if (word.empty() || word.size() > 9)
        return false;
    const bool full = word.size() == 9 && word[7] == '-';
    if (!full && word.back() != '*')
        return false;
    for (std::size_t i = 0; i < word.size(); ++i) {
        const char c = upperAscii(word[i]);
        if (c == '*')
            return i + 1 == word.size();
        if (c == '?')
            continue;
        if (i == 7) {
            if (c != '-')
                return false;
        } else if (i == 0) {
            if (!core::starportFromLetter(c))
                return false;
        } else if (!core::ehexValue(c)) {
            return false;
        }
    }
    return true;
}

std::variant<PatternTerm, SystemPatternError> termOf(const Token& token) {
    PatternTerm term;
    if (token.quoted) {
        term.text = lowered(token.text);
        return term;
    }
    const std::string_view word = token.text;
    if (const auto comparison = comparisonTerm(word))
        return *comparison;
    if (word.size() >= 3 && equalIgnoringCase(word.substr(0, 3), "al:")) {
        if (word.size() == 3)
            return SystemPatternError{"“al:” needs an allegiance code after it, as in “al:ImDd”"};
        term.kind = PatternTerm::Kind::allegiance;
        term.text = std::string(word.substr(3));
        return term;
    }
    if (isProfilePattern(word)) {
        term.kind = PatternTerm::Kind::profile;
        term.text.resize(word.size());
        std::transform(word.begin(), word.end(), term.text.begin(), upperAscii);
        return term;
    }
    if (word.size() == 1 && isUpper(word.front())) {
        const auto base = core::baseFromLetter(word.front());
        if (!base) {
            std::string letters;
            for (const auto& entry : core::baseTable.entries)
                letters += std::string(letters.empty() ? "" : ", ") + std::string(entry.second);
            return SystemPatternError{"No base is written “" + std::string(word) +
                                      "”: the base letters are " + letters};
        }
        term.kind = PatternTerm::Kind::base;
        term.base = *base;
        return term;
    }
    // Two letters beginning with a capital are a trade code when one is written so;
    // "in" or "Mo" stay words of a name.
    if (word.size() == 2 && isUpper(word[0]) && isLetter(word[1])) {
        for (const auto& entry : core::tradeClassTable.entries) {
            if (equalIgnoringCase(entry.second, word)) {
                term.kind = PatternTerm::Kind::tradeClass;
                term.tradeClass = entry.first;
                return term;
            }
        }
    }
    term.text = lowered(word);
    return term;
}

int digitOf(const core::UWP& uwp, ProfileDigit digit) {
    switch (digit) {
    case ProfileDigit::size:
        return uwp.size;
    case ProfileDigit::atmosphere:
        return uwp.atmosphere;
    case ProfileDigit::hydrographics:
        return uwp.hydrographics;
    case ProfileDigit::population:
        return uwp.population;
    case ProfileDigit::government:
        return uwp.government;
    case ProfileDigit::law:
        return uwp.lawLevel;
    case ProfileDigit::techLevel:
        return core::techLevelNumber(uwp.techLevel);
    }
    return 0;
}

bool compare(int have, Comparison comparison, int wanted) {
    switch (comparison) {
    case Comparison::equal:
        return have == wanted;
    case Comparison::less:
        return have < wanted;
    case Comparison::lessOrEqual:
        return have <= wanted;
    case Comparison::greater:
        return have > wanted;
    case Comparison::greaterOrEqual:
        return have >= wanted;
    }
    return false;
}

bool profileMatches(const core::UWP& uwp, std::string_view pattern) {
    // The code as the profile writes it, built without allocating: this runs for
    // every system while the user types.
    const std::array<char, 9> code{core::letter(uwp.starport),
                                   core::ehex(uwp.size),
                                   core::ehex(uwp.atmosphere),
                                   core::ehex(uwp.hydrographics),
                                   core::ehex(uwp.population),
                                   core::ehex(uwp.government),
                                   core::ehex(uwp.lawLevel),
                                   '-',
                                   core::ehex(core::techLevelNumber(uwp.techLevel))};
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '*')
            return true;
        if (pattern[i] != '?' && pattern[i] != code[i])
            return false;
    }
    return true;
}

} // namespace

bool SystemPattern::onlyNames() const {
    return std::all_of(terms.begin(), terms.end(), [](const PatternTerm& term) {
        return term.kind == PatternTerm::Kind::name;
    });
}

bool containsIgnoringCase(std::string_view haystack, std::string_view loweredNeedle) {
    if (loweredNeedle.empty())
        return true;
    return std::search(haystack.begin(), haystack.end(), loweredNeedle.begin(), loweredNeedle.end(),
                       [](char h, char n) { return lowerAscii(h) == n; }) != haystack.end();
}

std::variant<SystemPattern, SystemPatternError> parseSystemPattern(std::string_view text) {
    SystemPattern pattern;
    for (const Token& token : tokens(text)) {
        auto term = termOf(token);
        if (auto* error = std::get_if<SystemPatternError>(&term))
            return std::move(*error);
        pattern.terms.push_back(std::move(std::get<PatternTerm>(term)));
    }
    return pattern;
}

SystemPatternMatcher::SystemPatternMatcher(SystemPattern pattern,
                                           const std::vector<Faction>& factions,
                                           const MapViewSettings* view)
    : m_pattern(std::move(pattern)), m_view(view) {
    for (const PatternTerm& term : m_pattern.terms) {
        if (term.kind != PatternTerm::Kind::allegiance)
            continue;
        std::vector<core::Uuid> ids;
        for (const Faction& faction : factions) {
            if (equalIgnoringCase(faction.shortName, term.text))
                ids.push_back(faction.id);
        }
        m_allegianceIDs.push_back(std::move(ids));
    }
}

bool SystemPatternMatcher::matches(const core::HexData& hex,
                                   std::initializer_list<std::string_view> moreTexts) const {
    const core::StarSystem& system = hex.starSystem;
    const core::WorldData* main = nullptr;
    bool mainLooked = false;
    const auto mainWorld = [&]() {
        if (!mainLooked) {
            main = core::mainWorld(system);
            mainLooked = true;
        }
        return main;
    };
    const SystemDisclosure disclosure =
        m_view ? systemDisclosure(*m_view, system) : SystemDisclosure{};
    std::size_t allegiance = 0;
    for (const PatternTerm& term : m_pattern.terms) {
        if (term.kind == PatternTerm::Kind::name) {
            bool found = containsIgnoringCase(system.name, term.text);
            if (!found && mainWorld())
                found = containsIgnoringCase(main->name, term.text);
            for (auto text = moreTexts.begin(); !found && text != moreTexts.end(); ++text)
                found = containsIgnoringCase(*text, term.text);
            if (!found)
                return false;
            continue;
        }
        if (!mainWorld())
            return false;
        switch (term.kind) {
        case PatternTerm::Kind::name:
            break;
        case PatternTerm::Kind::profile:
            if (!disclosure.profile || !profileMatches(main->uwp, term.text))
                return false;
            break;
        case PatternTerm::Kind::comparison:
            if (!disclosure.profile ||
                !compare(digitOf(main->uwp, term.digit), term.comparison, term.value))
                return false;
            break;
        case PatternTerm::Kind::base:
            if (!disclosure.profile || !main->uwp.bases.contains(term.base))
                return false;
            break;
        case PatternTerm::Kind::tradeClass:
            if (!disclosure.profile ||
                std::find(main->tradeClasses.begin(), main->tradeClasses.end(), term.tradeClass) ==
                    main->tradeClasses.end())
                return false;
            break;
        case PatternTerm::Kind::allegiance: {
            const auto& ids = m_allegianceIDs[allegiance++];
            if (!disclosure.factions ||
                std::none_of(main->factionIDs.begin(), main->factionIDs.end(),
                             [&](const core::Uuid& id) {
                                 return std::find(ids.begin(), ids.end(), id) != ids.end();
                             }))
                return false;
            break;
        }
        }
    }
    return true;
}

std::vector<const core::HexData*> findSystems(const std::vector<core::HexData>& hexes,
                                              const SystemPatternMatcher& matcher) {
    std::vector<const core::HexData*> found;
    for (const core::HexData& hex : hexes) {
        if (matcher.matches(hex))
            found.push_back(&hex);
    }
    return found;
}

} // namespace velmora::universe
