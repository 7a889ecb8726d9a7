#pragma once

#include "overlays/ui/overlay_record_browser.h"
#include "overlays/ui/rutter_editing_view.h"

class QComboBox;

namespace velmora::overlays {

// "Rutters" ("Routes" in a universe on Traveller tech levels): the rutters of
// one faction or all, searched by their ends, and the editor of the chosen one.
class RuttersView : public OverlayRecordBrowser<RutterEditingView> {
    Q_OBJECT
public:
    explicit RuttersView(ui::ViewContext& context, QWidget* parent = nullptr);

    QComboBox* factionFilter() const { return m_factionFilter; }
    // None lists every faction's rutters.
    std::optional<core::Uuid> filteredFaction() const;
    void setFactionFilter(const std::optional<core::Uuid>& id);

protected:
    std::vector<Row> rows(const QString& search) const override;
    void openNewRecord() override;
    QString deleteTitle() const override;
    QString deleteMessage(const core::Uuid& id) const override;
    void universeChanged() override;

private:
    Texts texts() const;
    void refreshFactionFilter();

    QComboBox* m_factionFilter;
};

} // namespace velmora::overlays
