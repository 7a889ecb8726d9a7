#pragma once

#include "core/decode_error.h"
#include "universe/universe_record.h"

#include <memory>
#include <string>
#include <string_view>

namespace velmora::universe {

// Decoding: every key is optional and takes its default; nested records follow
// their own rules. A document that cannot be read throws core::DecodeError with
// a description of what is wrong.
UniverseRecord decodeUniverse(std::string_view text);
UniverseHeader decodeUniverseHeader(std::string_view text);

// The whole universe as pretty-printed JSON with sorted keys.
std::string encodeUniverse(const UniverseRecord& universe);

// Encodes a universe over and over, as the map's delayed saves do, keeping each
// unchanged hex's encoded text from the last time. The output is byte for byte
// what encodeUniverse gives.
class UniverseEncoder {
public:
    UniverseEncoder();
    ~UniverseEncoder();
    UniverseEncoder(UniverseEncoder&&) noexcept;
    UniverseEncoder& operator=(UniverseEncoder&&) noexcept;

    std::string encode(const UniverseRecord& universe);
    std::size_t cachedHexCount() const;

private:
    struct Cache;
    std::unique_ptr<Cache> m_cache;
};

} // namespace velmora::universe
