#pragma once

#include "overlays/ui/label_editing_view.h"
#include "overlays/ui/overlay_record_browser.h"

namespace velmora::overlays {

// "Labels": the universe's map labels and the editor of the chosen one.
class LabelsView : public OverlayRecordBrowser<LabelEditingView> {
    Q_OBJECT
public:
    explicit LabelsView(ui::ViewContext& context, QWidget* parent = nullptr);

protected:
    std::vector<Row> rows(const QString& search) const override;
    QString deleteTitle() const override;
    QString deleteMessage(const core::Uuid& id) const override;
    void universeChanged() override;
};

} // namespace velmora::overlays
