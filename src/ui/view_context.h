#pragma once

#include "ui/destination.h"

#include <QWidget>
#include <functional>
#include <map>

namespace velmora::campaign {
class Gamemastering;
}
namespace velmora::core {
class HttpClient;
}
namespace velmora::ships {
class SavedShipDesignsStore;
}
namespace velmora::universe {
class Preferences;
class UniverseManager;
} // namespace velmora::universe

namespace velmora::ui {

class WindowRegistry;

// What every view is handed: the shared stores (never a copy) and the window
// registry for opening auxiliary windows by identifier and value.
struct ViewContext {
    universe::UniverseManager& manager;
    WindowRegistry& windows;
    // Moves the sidebar to a selection, such as the row of a record a view just
    // created; empty where there is no sidebar.
    std::function<void(const SidebarSelection&)> select = {};
    // The platform's network client and the user's preferences, for the views
    // that import from the web; null where a test does not hand them in.
    core::HttpClient* http = nullptr;
    universe::Preferences* preferences = nullptr;
    // The campaign store; null where a test does not hand it in.
    campaign::Gamemastering* campaigns = nullptr;
    // The saved ship designs; null where a test does not hand it in.
    ships::SavedShipDesignsStore* shipDesigns = nullptr;
};

// Makes the working view of one sidebar destination.
using DetailViewFactory = std::function<QWidget*(
    ViewContext& context, const SidebarSelection& selection, QWidget* parent)>;

// Each subsystem's views register the destinations they serve; the main window
// asks here for the view of a selection.
class DetailViewRegistry {
public:
    void add(Destination destination, DetailViewFactory factory) {
        m_factories[destination] = std::move(factory);
    }
    const DetailViewFactory* find(Destination destination) const {
        const auto it = m_factories.find(destination);
        return it == m_factories.end() ? nullptr : &it->second;
    }

private:
    std::map<Destination, DetailViewFactory> m_factories;
};

} // namespace velmora::ui
