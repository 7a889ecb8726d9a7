#pragma once

#include "core/stellar.h"

#include <array>
#include <cstddef>

namespace velmora::generator {

using core::LuminosityClass;
using core::SpectralType;

// Flux + 7 (0-12) picks the spectral type: M is the most common, O the rarest.
inline constexpr std::array<SpectralType, 13> spectralTypeByFlux{
    SpectralType::O, SpectralType::B, SpectralType::A, SpectralType::A, SpectralType::F,
    SpectralType::F, SpectralType::G, SpectralType::K, SpectralType::K, SpectralType::M,
    SpectralType::M, SpectralType::M, SpectralType::M};

namespace detail {
using L = LuminosityClass;
inline constexpr std::array<L, 13> luminosityRowO{
    L::Ia, L::Ia, L::Ib, L::II, L::III, L::III, L::III, L::V, L::V, L::V, L::IV, L::D, L::D};
inline constexpr std::array<L, 13> luminosityRowB{
    L::Ia, L::Ia, L::Ib, L::II, L::III, L::III, L::III, L::III, L::V, L::V, L::IV, L::D, L::D};
inline constexpr std::array<L, 13> luminosityRowA{L::Ia, L::Ia, L::Ib, L::II, L::III, L::IV, L::V,
                                                  L::V,  L::V,  L::V,  L::V,  L::D,   L::D};
inline constexpr std::array<L, 13> luminosityRowFGK{L::II, L::II, L::III, L::IV, L::V, L::V, L::V,
                                                    L::V,  L::V,  L::V,   L::VI, L::D, L::D};
inline constexpr std::array<L, 13> luminosityRowM{L::II, L::II, L::II, L::II, L::III, L::V, L::V,
                                                  L::V,  L::V,  L::V,  L::VI, L::D,   L::D};
} // namespace detail

// A second Flux + 7 (0-12) picks the luminosity class within the type's row.
constexpr const std::array<LuminosityClass, 13>& luminosityRow(SpectralType type) {
    switch (type) {
    case SpectralType::O:
        return detail::luminosityRowO;
    case SpectralType::B:
        return detail::luminosityRowB;
    case SpectralType::A:
        return detail::luminosityRowA;
    case SpectralType::F:
    case SpectralType::G:
    case SpectralType::K:
        return detail::luminosityRowFGK;
    case SpectralType::M:
        return detail::luminosityRowM;
    }
    return detail::luminosityRowM;
}

struct MassRange {
    double low = 0;
    double high = 0;
};

// Main-sequence mass range of a spectral type, in solar masses.
constexpr MassRange spectralMassRange(SpectralType type) {
    switch (type) {
    case SpectralType::O:
        return {16, 60};
    case SpectralType::B:
        return {2.1, 16};
    case SpectralType::A:
        return {1.4, 2.1};
    case SpectralType::F:
        return {1.04, 1.4};
    case SpectralType::G:
        return {0.8, 1.04};
    case SpectralType::K:
        return {0.45, 0.8};
    case SpectralType::M:
        return {0.08, 0.45};
    }
    return {};
}

// How much heavier a star of each class is than a main-sequence one (dwarfs: see starMassRange).
constexpr double luminosityMassFactor(LuminosityClass luminosity) {
    switch (luminosity) {
    case LuminosityClass::Ia:
        return 3.0;
    case LuminosityClass::Ib:
        return 2.5;
    case LuminosityClass::II:
        return 2.0;
    case LuminosityClass::III:
        return 1.5;
    case LuminosityClass::IV:
        return 1.2;
    case LuminosityClass::V:
        return 1.0;
    case LuminosityClass::VI:
        return 0.8;
    case LuminosityClass::D:
        return 1.0;
    }
    return 1.0;
}

// White dwarfs weigh 0.6-1.1 whatever their type; other stars take their type's
// range scaled by the class factor.
constexpr MassRange starMassRange(SpectralType type, LuminosityClass luminosity) {
    if (luminosity == LuminosityClass::D)
        return {0.6, 1.1};
    const MassRange range = spectralMassRange(type);
    const double factor = luminosityMassFactor(luminosity);
    return {range.low * factor, range.high * factor};
}

// The orbit number of a star's habitable zone, by type (rows O-M) and class (columns Ia-D).
inline constexpr std::array<std::array<int, 8>, 7> habitableZoneOrbits{{
    {15, 15, 14, 13, 12, 11, 0, 1},
    {13, 13, 12, 11, 10, 9, 0, 0},
    {12, 11, 9, 7, 7, 7, 0, 0},
    {11, 10, 9, 6, 6, 5, 3, 0},
    {12, 10, 9, 7, 5, 3, 2, 0},
    {12, 10, 9, 8, 5, 2, 1, 0},
    {12, 11, 10, 9, 0, 0, 0, 0},
}};

constexpr int hzOrbit(SpectralType type, LuminosityClass luminosity) {
    return habitableZoneOrbits[static_cast<std::size_t>(type)]
                              [static_cast<std::size_t>(luminosity)];
}

} // namespace velmora::generator
