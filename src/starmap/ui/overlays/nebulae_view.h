#pragma once

#include "starmap/ui/overlays/nebula_editing_view.h"
#include "starmap/ui/overlays/overlay_record_browser.h"

namespace velmora::starmap {

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

} // namespace velmora::starmap
