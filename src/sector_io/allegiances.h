#pragma once

#include <array>
#include <map>
#include <string>
#include <string_view>
#include <utility>

namespace velmora::sector_io {

// Allegiance code → name, as the map service publishes it. Empty for files.
using AllegianceTable = std::map<std::string, std::string, std::less<>>;

// The allegiances a sector file most often names, for files that carry no table.
inline constexpr std::array<std::pair<std::string_view, std::string_view>, 31> builtInAllegiances{{
    {"Im", "Third Imperium"},
    {"ImDd", "Domain of Deneb"},
    {"ImDi", "Domain of Ilelish"},
    {"ImLa", "Domain of Antares"},
    {"ImLu", "Domain of Lucan"},
    {"ImVd", "Domain of Vland"},
    {"ImSy", "Domain of Sylea"},
    {"ImDg", "Domain of Gateway"},
    {"ImDc", "Domain of Corridor"},
    {"Zh", "Zhodani Consulate"},
    {"So", "Solomani Confederation"},
    {"SoCf", "Solomani Confederation"},
    {"As", "Aslan Hierate"},
    {"Kk", "Two Thousand Worlds (K'kree)"},
    {"Dr", "Droyne"},
    {"Hv", "Hive Federation"},
    {"Va", "Vargr (Non-Aligned)"},
    {"Sw", "Sword Worlds"},
    {"SwCf", "Sword Worlds Confederation"},
    {"Da", "Darrian Confederation"},
    {"Dn", "Darrian Confederation"},
    {"Fa", "Federation of Arden"},
    {"Na", "Non-Aligned"},
    {"NaHu", "Non-Aligned, Human"},
    {"NaXX", "Non-Aligned"},
    {"Cs", "Client State"},
    {"CsIm", "Imperial Client State"},
    {"CsZh", "Zhodani Client State"},
    {"Tt", "Tomon Trade Federation"},
    {"Vi", "Vilani Protectorate"},
    {"Am", "Amiimii League"},
}};

// The built-in name of a code, or nothing.
std::string_view builtInAllegianceName(std::string_view code);

// The table's name when it has a non-empty one; else the built-in name; else, for
// longer codes, the built-in name of the first two letters ("ImXx" is still the
// Imperium); else "Unknown Allegiance" for no code at all, or the code itself.
std::string allegianceName(std::string_view code, const AllegianceTable& table = {});

} // namespace velmora::sector_io
