#pragma once

#include <QString>
#include <functional>

namespace velmora::ui {

// How a view's "Look up … in the Traveller Wiki" action opens the wiki window at a
// name. The application sets it once at start; where nothing set it (a view on
// its own in a test), the views leave their look-up action switched off.
using WikiLookup = std::function<void(const QString& name)>;

inline WikiLookup& wikiLookupHook() {
    static WikiLookup hook;
    return hook;
}

inline bool canLookUpInWiki() {
    return static_cast<bool>(wikiLookupHook());
}

inline void lookUpInWiki(const QString& name) {
    if (const WikiLookup& hook = wikiLookupHook())
        hook(name);
}

} // namespace velmora::ui
