#pragma once

#include "core/base.h"
#include "core/starport.h"
#include "core/technology_level.h"
#include "core/world_tag.h"

#include <optional>
#include <set>
#include <string>
#include <vector>

namespace velmora::core {

// The universal world profile.
struct UWP {
    Starport starport = Starport::typeX;
    int size = 0;          // 0-10 for planets (size × 1,600 km), larger for gas giants
    double density = 1.0;  // relative to the standard
    int atmosphere = 0;    // 0-15
    int hydrographics = 0; // 0-10, tenths of the surface covered by liquid
    int population = 0;    // 0-15, the power of ten of the head count
    int government = 0;    // 0-15
    int lawLevel = 0;      // 0-20
    TechnologyLevel techLevel = TechnologyLevel::ttl0;
    std::set<Base> bases;
    int populationMultiplier = 0; // the P digit of a sector listing; 0 when not given
    std::vector<WorldTag> tags;   // carried with an imported profile

    friend bool operator==(const UWP&, const UWP&) = default;
};

// Extended hexadecimal: 0-9, then A-H for 10-17, J-N for 18-22 and P-Z for 23-33.
// I and O are skipped because they read as 1 and 0. Values outside 0-33 give '?'.
char ehex(int value);
// The value of an extended-hexadecimal digit; nothing for I, O and other characters.
std::optional<int> ehexValue(char digit);

// "A788899-C NS": starport, six profile digits, "-", the tech-level digit, a blank,
// and the base letters in alphabetical order, or "—" when there are none.
std::string uwpCode(const UWP& uwp);

} // namespace velmora::core
