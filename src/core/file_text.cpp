#include "core/file_text.h"

namespace velmora::core {

std::size_t FileText::size() const {
    std::size_t total = head.size() + tail.size();
    for (const auto& item : items)
        total += item->size();
    if (!items.empty())
        total += separator.size() * (items.size() - 1);
    return total;
}

std::string FileText::joined() const {
    std::string text;
    text.reserve(size());
    text += head;
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i > 0)
            text += separator;
        text += *items[i];
    }
    text += tail;
    return text;
}

} // namespace velmora::core
