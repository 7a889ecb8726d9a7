#pragma once

#include "overlays/ui/overlay_record_browser.h"
#include "overlays/ui/region_editing_view.h"

namespace velmora::overlays {

// "Regions": the universe's regions and the editor of the chosen one.
class RegionsView : public OverlayRecordBrowser<RegionEditingView> {
    Q_OBJECT
public:
    explicit RegionsView(ui::ViewContext& context, QWidget* parent = nullptr);

protected:
    std::vector<Row> rows(const QString& search) const override;
    QString deleteTitle() const override;
    QString deleteMessage(const core::Uuid& id) const override;
};

} // namespace velmora::overlays
