#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace velmora {

// The domain's UTF-8 texts as Qt strings, for every view.
inline QString qt(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

inline QString qt(const std::string& text) {
    return QString::fromStdString(text);
}

} // namespace velmora
