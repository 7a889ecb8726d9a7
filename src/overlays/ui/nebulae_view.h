#pragma once

#include "overlays/ui/nebula_editing_view.h"
#include "overlays/ui/overlay_record_browser.h"

namespace velmora::overlays {

// "Nebulae": the universe's nebulae and the editor of the chosen one.
class NebulaeView : public OverlayRecordBrowser<NebulaEditingView> {
    Q_OBJECT
public:
    explicit NebulaeView(ui::ViewContext& context, QWidget* parent = nullptr);

protected:
    std::vector<Row> rows(const QString& search) const override;
    QString deleteTitle() const override;
    QString deleteMessage(const core::Uuid& id) const override;
};

} // namespace velmora::overlays
