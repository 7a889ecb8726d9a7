#include "app/platform/name_order.h"

#include <QCollator>
#include <QLocale>
#include <memory>

namespace velmora::app {

universe::UniverseManager::NameOrder fileBrowserNameOrder() {
    // An explicit locale: under the C locale (no LANG, as in CI) the collator
    // ignores numeric mode.
    auto collator = std::make_shared<QCollator>(QLocale(QLocale::English));
    collator->setNumericMode(true);
    collator->setCaseSensitivity(Qt::CaseInsensitive);
    return [collator](const std::string& a, const std::string& b) {
        return collator->compare(QString::fromStdString(a), QString::fromStdString(b));
    };
}

} // namespace velmora::app
