#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace velmora::core {

class RandomSource;

// A 128-bit identity, written as canonical text (8-4-4-4-12 hexadecimal digits,
// upper case). Reading accepts either case.
struct Uuid {
    std::array<std::uint8_t, 16> bytes{};

    // A random (version 4) identity drawn from the given source, or from the
    // system's secure source when none is given. The one way records get an id:
    // identities are not dice, so a generator rolling scripted dice still takes
    // them from the secure source and its rolls stay exact.
    static Uuid generate();
    static Uuid generate(RandomSource& random);
    static std::optional<Uuid> fromString(std::string_view text);

    std::string toString() const;
    bool isNull() const;

    friend auto operator<=>(const Uuid&, const Uuid&) = default;
};

} // namespace velmora::core

template <>
struct std::hash<velmora::core::Uuid> {
    std::size_t operator()(const velmora::core::Uuid& uuid) const noexcept;
};
