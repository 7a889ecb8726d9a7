#include "core/percent_encoding.h"

#include <array>

namespace velmora::core {

namespace {

bool isUnreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.' || c == '_' || c == '~';
}

} // namespace

std::string percentEncoded(std::string_view text) {
    static constexpr std::array<char, 16> digits{'0', '1', '2', '3', '4', '5', '6', '7',
                                                 '8', '9', 'A', 'B', 'C', 'D', 'E', 'F'};
    std::string encoded;
    encoded.reserve(text.size());
    for (const char raw : text) {
        const auto c = static_cast<unsigned char>(raw);
        if (isUnreserved(c)) {
            encoded += raw;
        } else {
            encoded += '%';
            encoded += digits[c >> 4];
            encoded += digits[c & 0x0F];
        }
    }
    return encoded;
}

std::string urlWithQuery(std::string base, const QueryItems& query) {
    char separator = base.find('?') == std::string::npos ? '?' : '&';
    for (const auto& [key, value] : query) {
        base += separator;
        base += percentEncoded(key);
        base += '=';
        base += percentEncoded(value);
        separator = '&';
    }
    return base;
}

} // namespace velmora::core
