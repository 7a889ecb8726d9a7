#pragma once

#include "starmap/ui/overlays/overlay_browser.h"

namespace velmora::starmap {

class LabelEditingView;

// "Labels": the universe's map labels and the editor of the chosen one.
class LabelsView : public OverlayBrowser {
    Q_OBJECT
public:
    explicit LabelsView(app::ViewContext& context, QWidget* parent = nullptr);

    LabelEditingView* editor() const { return m_editor; }

protected:
    std::vector<Row> rows(const QString& search) const override;
    bool hasRecord(const core::Uuid& id) const override;
    void openRecord(const core::Uuid& id) override;
    void openNewRecord() override;
    QString deleteTitle() const override;
    QString deleteMessage(const core::Uuid& id) const override;
    void eraseRecord(const core::Uuid& id) override;
    void universeChanged() override;

private:
    LabelEditingView* m_editor;
};

} // namespace velmora::starmap
