#include "sector_io/ui/sector_io_views.h"

#include "sector_io/ui/import_export_sec_view.h"
#include "sector_io/ui/import_travellermap_view.h"
#include "ui/view_context.h"

#include <memory>

namespace velmora::sector_io {

void registerSectorIoViews(ui::DetailViewRegistry& registry) {
    // One memory for every "SEC File" view the window makes: importing into a new
    // universe replaces the view, and the new one shows what the import said.
    auto memory = std::make_shared<SecViewMemory>();
    registry.add(ui::Destination::importExportSEC,
                 [memory](ui::ViewContext& context, const ui::SidebarSelection&,
                          QWidget* parent) -> QWidget* {
                     return new ImportExportSECView(context.manager, memory, parent);
                 });

    // One memory for every "TravellerMap" view too: it holds the running download,
    // so a view rebuilt meanwhile still shows how the import ended.
    auto travellerMap = std::make_shared<TravellerMapViewMemory>();
    registry.add(ui::Destination::importTravellerMap,
                 [travellerMap](ui::ViewContext& context, const ui::SidebarSelection&,
                                QWidget* parent) -> QWidget* {
                     return new ImportTravellerMapView(context.manager, context.http,
                                                       context.preferences, travellerMap, parent);
                 });
}

} // namespace velmora::sector_io
