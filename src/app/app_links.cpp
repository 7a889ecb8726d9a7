#include "app/app_links.h"

namespace velmora::app {

QString documentationUrl() {
    return QStringLiteral("https://velmora.app/docs");
}

QString communityUrl() {
    return QStringLiteral("https://velmora.app/community");
}

} // namespace velmora::app
