#include "sector_io/sophonts.h"

#include <array>
#include <utility>

namespace velmora::sector_io {

namespace {

using Kind = core::Race::Kind;

// Four-letter sophont codes of the races the program knows.
constexpr std::array<std::pair<std::string_view, Kind>, 9> sophontCodes{{
    {"Asla", Kind::aslan},
    {"Varg", Kind::vargr},
    {"Droy", Kind::droyne},
    {"Hive", Kind::hiver},
    {"Kkre", Kind::kkree},
    {"Zhod", Kind::zhodani},
    {"Solo", Kind::solomani},
    {"Vila", Kind::vilani},
    {"Huma", Kind::human},
}};

// Codes of minor races with no case of their own: they become custom races by name.
constexpr std::array<std::pair<std::string_view, std::string_view>, 10> minorSophontCodes{{
    {"Dary", "Darrian"},
    {"Dolp", "Dolphin"},
    {"Llel", "Llellewyloly"},
    {"Jonk", "Jonkeereen"},
    {"Chir", "Chirper"},
    {"Geon", "Geonee"},
    {"Suer", "Suerrat"},
    {"Sydi", "Sydite"},
    {"Ursa", "Ursa"},
    {"Bwap", "Bwap"},
}};

// Allegiance letter pairs that stand for one race.
constexpr std::array<std::pair<std::string_view, Kind>, 11> allegianceRaces{{
    {"As", Kind::aslan},
    {"Va", Kind::vargr},
    {"Zh", Kind::zhodani},
    {"Kk", Kind::kkree},
    {"Hv", Kind::hiver},
    {"Dr", Kind::droyne},
    {"So", Kind::solomani},
    {"Vi", Kind::vilani},
    {"Im", Kind::human},
    {"Sw", Kind::human},
    {"Hu", Kind::human},
}};

std::optional<core::Race> raceNamed(std::string_view name) {
    for (const auto& [kind, display] : core::raceDisplayNameTable.entries) {
        if (kind != Kind::custom && display == name)
            return core::Race(kind);
    }
    return std::nullopt;
}

// 10 for a whole world, the tenths otherwise; nothing when the figure is not one.
std::optional<int> share(std::string_view figure) {
    if (figure.empty() || figure == "W")
        return 10;
    if (figure.size() == 1 && figure[0] >= '0' && figure[0] <= '9')
        return figure[0] - '0';
    return std::nullopt;
}

bool isLower(char c) {
    return c >= 'a' && c <= 'z';
}

struct Sophont {
    core::Race race;
    int share = 0;
};

std::optional<Sophont> sophontOf(std::string_view token) {
    // A homeworld: "(Name)" or "[Name]" and an optional figure.
    if (token.size() >= 3 && (token.front() == '(' || token.front() == '[')) {
        const char close = token.front() == '(' ? ')' : ']';
        const auto end = token.find(close);
        if (end == std::string_view::npos || end < 2)
            return std::nullopt;
        const std::string_view name = token.substr(1, end - 1);
        const auto figure = share(token.substr(end + 1));
        if (!figure || name == "minor")
            return std::nullopt;
        return Sophont{raceNamed(name).value_or(core::Race::custom(std::string(name))), *figure};
    }
    // A code: a capital, three small letters and the figure.
    if (token.size() == 5 && token[0] >= 'A' && token[0] <= 'Z' && isLower(token[1]) &&
        isLower(token[2]) && isLower(token[3])) {
        const auto figure = share(token.substr(4));
        if (!figure)
            return std::nullopt;
        const std::string_view code = token.substr(0, 4);
        for (const auto& [entry, kind] : sophontCodes) {
            if (entry == code)
                return Sophont{core::Race(kind), *figure};
        }
        for (const auto& [entry, name] : minorSophontCodes) {
            if (entry == code)
                return Sophont{core::Race::custom(std::string(name)), *figure};
        }
    }
    return std::nullopt;
}

std::optional<core::Race> raceOfLetters(std::string_view letters) {
    for (const auto& [entry, kind] : allegianceRaces) {
        if (entry == letters)
            return core::Race(kind);
    }
    return std::nullopt;
}

} // namespace

std::optional<core::Race> raceFromRemarks(const std::vector<std::string_view>& remarks) {
    std::optional<Sophont> best;
    for (const std::string_view token : remarks) {
        const auto sophont = sophontOf(token);
        if (sophont && sophont->share >= 5 && (!best || sophont->share > best->share))
            best = sophont;
    }
    if (!best)
        return std::nullopt;
    return best->race;
}

std::optional<core::Race> raceFromAllegiance(std::string_view code) {
    if ((code.starts_with("Na") || code.starts_with("Cs")) && code.size() > 3) {
        if (const auto race = raceOfLetters(code.substr(2, 2)))
            return race;
    }
    if (code.size() < 2)
        return std::nullopt;
    return raceOfLetters(code.substr(0, 2));
}

core::Race prevalentRace(const std::vector<std::string_view>& remarks,
                         std::string_view allegiance) {
    if (auto race = raceFromRemarks(remarks))
        return *race;
    if (auto race = raceFromAllegiance(allegiance))
        return *race;
    return core::Race(Kind::human);
}

} // namespace velmora::sector_io
