#pragma once

#include "core/technology_level.h"
#include "core/uwp.h"

#include <string>
#include <string_view>
#include <variant>

namespace velmora::systems {

// A profile code typed by hand ("A788899-C NS"), read into a profile. The starport
// letter and the six digits are required; the tech-level digit and the base letters
// may be left off, and then keep what the profile had. Digits are read, not judged:
// "A7G..." gives population 16, which the editor's checks then refuse. The tech-level
// digit is read on the given scale. Fields a code does not carry (density, the
// population multiplier, tags) are kept from `current`.
struct ProfileCodeError {
    std::string message;
};
std::variant<core::UWP, ProfileCodeError>
readProfileCode(std::string_view code, const core::UWP& current, core::TechnologyLevelSystem scale);

} // namespace velmora::systems
