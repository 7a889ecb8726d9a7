#include "systems/profile_code.h"

#include "core/base.h"
#include "core/starport.h"

#include <cctype>

namespace velmora::systems {

namespace {

char upper(char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
}

ProfileCodeError notADigit(char c, std::string_view what) {
    return {"“" + std::string(1, c) + "” is not a " + std::string(what) + " digit."};
}

} // namespace

std::variant<core::UWP, ProfileCodeError> readProfileCode(std::string_view code,
                                                          const core::UWP& current,
                                                          core::TechnologyLevelSystem scale) {
    std::string text;
    for (const char c : code) {
        if (!std::isspace(static_cast<unsigned char>(c)))
            text += c;
    }
    // The dash that stands for "no bases" is written as an em dash in codes.
    const std::string emDash = "—";
    if (text.size() >= emDash.size() && text.ends_with(emDash))
        text.erase(text.size() - emDash.size());
    if (text.size() < 7)
        return ProfileCodeError{
            "A profile code needs a starport letter and six digits, such as A788899-C."};

    core::UWP uwp = current;
    const auto starport = core::starportFromLetter(upper(text[0]));
    if (!starport)
        return ProfileCodeError{"“" + std::string(1, text[0]) + "” is not a starport letter."};
    uwp.starport = *starport;

    static constexpr const char* digitNames[] = {"size",       "atmosphere", "hydrographics",
                                                 "population", "government", "law level"};
    int* const fields[] = {&uwp.size,       &uwp.atmosphere, &uwp.hydrographics,
                           &uwp.population, &uwp.government, &uwp.lawLevel};
    for (std::size_t i = 0; i < 6; ++i) {
        const char c = upper(text[i + 1]);
        const auto value = core::ehexValue(c);
        if (!value)
            return notADigit(text[i + 1], digitNames[i]);
        *fields[i] = *value;
    }

    std::size_t position = 7;
    if (position < text.size() && text[position] == '-') {
        ++position;
        if (position >= text.size())
            return ProfileCodeError{"The tech-level digit is missing after the “-”."};
        const char c = upper(text[position]);
        const auto value = core::ehexValue(c);
        if (!value)
            return notADigit(text[position], "tech-level");
        if (scale == core::TechnologyLevelSystem::traveller) {
            if (*value > 22)
                return ProfileCodeError{"Tech level " + std::to_string(*value) +
                                        " is beyond TL22."};
            uwp.techLevel = core::travellerTechLevel(*value);
        } else {
            static constexpr core::TechnologyLevel shortScale[] = {
                core::TechnologyLevel::tl0, core::TechnologyLevel::tl1, core::TechnologyLevel::tl2,
                core::TechnologyLevel::tl3, core::TechnologyLevel::tl4, core::TechnologyLevel::tl5,
                core::TechnologyLevel::tl6};
            if (*value > 6)
                return ProfileCodeError{"This universe's tech levels run from 0 to 6."};
            // "4+" writes its digit as 4: typing 4 again keeps it.
            if (!(*value == 4 && current.techLevel == core::TechnologyLevel::tl4Plus))
                uwp.techLevel = shortScale[*value];
        }
        ++position;
        uwp.bases.clear();
        for (; position < text.size(); ++position) {
            const auto base = core::baseFromLetter(upper(text[position]));
            if (!base)
                return ProfileCodeError{"“" + std::string(1, text[position]) +
                                        "” is not a base letter."};
            uwp.bases.insert(*base);
        }
    } else if (position < text.size()) {
        return ProfileCodeError{"A profile code has seven characters before the “-”."};
    }
    return uwp;
}

} // namespace velmora::systems
