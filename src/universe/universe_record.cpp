#include "universe/universe_record.h"

namespace velmora::universe {

MapViewSettings mapViewSettings(const UniverseRecord& u) {
    return {u.mapViewMode,         u.mapShowRutters,          u.mapShowRouteDistances,
            u.mapShowNebulae,      u.mapShowRegions,          u.mapShowLabels,
            u.mapShowSurveyedData, u.mapShowStarfarers,       u.mapShowSathar,
            u.mapShowOther,        u.locationShowsSectorCode, u.selectedFactionIDs,
            u.mapTransform,        u.mapFilterTradeClasses,   u.hiddenLabelCategories};
}

void applyMapViewSettings(UniverseRecord& u, const MapViewSettings& s) {
    u.mapViewMode = s.mapViewMode;
    u.mapShowRutters = s.mapShowRutters;
    u.mapShowRouteDistances = s.mapShowRouteDistances;
    u.mapShowNebulae = s.mapShowNebulae;
    u.mapShowRegions = s.mapShowRegions;
    u.mapShowLabels = s.mapShowLabels;
    u.mapShowSurveyedData = s.mapShowSurveyedData;
    u.mapShowStarfarers = s.mapShowStarfarers;
    u.mapShowSathar = s.mapShowSathar;
    u.mapShowOther = s.mapShowOther;
    u.locationShowsSectorCode = s.locationShowsSectorCode;
    u.selectedFactionIDs = s.selectedFactionIDs;
    u.mapTransform = s.mapTransform;
    u.mapFilterTradeClasses = s.mapFilterTradeClasses;
    u.hiddenLabelCategories = s.hiddenLabelCategories;
}

} // namespace velmora::universe
