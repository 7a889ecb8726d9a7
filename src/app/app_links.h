#pragma once

#include <QString>

namespace velmora::app {

// Where Velmora's documentation and community live.
QString documentationUrl();
QString communityUrl();

} // namespace velmora::app
