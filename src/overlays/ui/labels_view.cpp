#include "overlays/ui/labels_view.h"

#include "overlays/ui/label_editing_view.h"
#include "ui/view_context.h"
#include "universe/universe_manager.h"

#include <algorithm>
#include <unordered_map>

namespace velmora::overlays {

LabelsView::LabelsView(ui::ViewContext& context, QWidget* parent)
    : OverlayRecordBrowser(context,
                           {tr("Labels"), tr("New Label"), tr("Search text or category"),
                            tr("No Label Selected"), tr("Choose a label or create a new one."), 1},
                           parent) {
    setObjectName(QStringLiteral("labelsView"));
    rebuildRows();
}

std::vector<OverlayBrowser::Row> LabelsView::rows(const QString& search) const {
    const auto& universe = this->universe();
    std::unordered_map<core::Uuid, universe::FactionColor> colors;
    for (const universe::StarmapLabel& label : universe.starmapLabels())
        colors.emplace(label.id, label.color);
    std::vector<Row> result;
    for (OverlayRowText& text : labelRows(universe, search.toStdString())) {
        const auto color = colors.find(text.id);
        result.push_back(
            {std::move(text), color == colors.end() ? std::nullopt : std::optional(color->second)});
    }
    return result;
}

QString LabelsView::deleteTitle() const {
    return tr("Delete Label?");
}

QString LabelsView::deleteMessage(const core::Uuid& id) const {
    const universe::StarmapLabel* label = find(id);
    return tr("“%1” will be removed from the map.")
        .arg(label ? qt(labelDisplayName(*label)) : QString());
}

void LabelsView::universeChanged() {
    m_editor->refreshCategories();
}

} // namespace velmora::overlays
