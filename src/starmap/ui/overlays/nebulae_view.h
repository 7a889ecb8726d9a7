#pragma once

#include "starmap/ui/overlays/overlay_browser.h"

namespace velmora::starmap {

class NebulaEditingView;

// "Nebulae": the universe's nebulae and the editor of the chosen one.
class NebulaeView : public OverlayBrowser {
    Q_OBJECT
public:
    explicit NebulaeView(app::ViewContext& context, QWidget* parent = nullptr);

    NebulaEditingView* editor() const { return m_editor; }

protected:
    std::vector<Row> rows(const QString& search) const override;
    bool hasRecord(const core::Uuid& id) const override;
    void openRecord(const core::Uuid& id) override;
    void openNewRecord() override;
    QString deleteTitle() const override;
    QString deleteMessage(const core::Uuid& id) const override;
    void eraseRecord(const core::Uuid& id) override;

private:
    NebulaEditingView* m_editor;
};

} // namespace velmora::starmap
