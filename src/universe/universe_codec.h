#pragma once

#include "core/decode_error.h"
#include "universe/universe_record.h"

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

} // namespace velmora::universe
