#pragma once

#include "core/orbits.h"
#include "core/stellar.h"
#include "core/uuid.h"
#include "core/world_data.h"

#include <optional>
#include <string>
#include <vector>

namespace velmora::core {

struct Star {
    Uuid id;
    std::string name; // the star's designation
    std::optional<std::string> properName;
    SpectralType spectralType = SpectralType::G;
    int temperature = 0; // spectral subclass 0-9: the digit of "G2"
    LuminosityClass luminosity = LuminosityClass::V;
    double mass = 1.0; // solar masses
    // The companion's orbit around the primary; the primary itself stands at starOrbitP.
    Orbits orbit = Orbits::starOrbitP;
    std::vector<WorldData> worlds;

    friend bool operator==(const Star&, const Star&) = default;
};

} // namespace velmora::core
