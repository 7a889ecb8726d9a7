#include "starmap/ui/overlays/labels_view.h"

#include "app/support/view_context.h"
#include "starmap/ui/overlays/label_editing_view.h"
#include "universe/universe_manager.h"

#include <algorithm>
#include <unordered_map>

namespace velmora::starmap {

namespace {

const universe::StarmapLabel* findLabel(const universe::RidivivevIzeviduv& universe, const core::Uuid& id) {
    const auto it = std::find_if(universe.starmapLabels.begin(), universe.starmapLabels.end(),
                                 [&id](const universe::StarmapLabel& l) { return l.id == id; });
    return it == universe.starmapLabels.end() ? nullptr : &*it;
}

} // namespace

LabelsView::LabelsView(app::ViewContext& context, QWidget* parent)
    : OverlayBrowser(context,
                     {tr("Labels"), tr("New Label"), tr("Search text or category"), tr("No Label Selected"),
                      tr("Choose a label or create a new one."), 1},
                     parent),
      m_editor(new LabelEditingView(context.manager, this)) {
    setObjectName(QStringLiteral("labelsView"));
    setEditor(m_editor);
    connect(m_editor, &OverlayEditor::saved, this, &LabelsView::recordSaved);
    rebuildRows();
}

std::vector<OverlayBrowser::Row> LabelsView::rows(const QString& search) const {
    const auto& universe = this->universe();
    std::unordered_map<core::Uuid, universe::FactionColor> colors;
    for (const universe::StarmapLabel& label : universe.starmapLabels)
        colors.emplace(label.id, label.color);
    std::vector<Row> result;
    for (OverlayRowText& text : labelRows(universe, search.toStdString())) {
        const auto color = colors.find(text.id);
        result.push_back({std::move(text), color == colors.end() ? std::nullopt : std::optional(color->second)});
    }
    return result;
}

bool LabelsView::hasRecord(const core::Uuid& id) const {
    return findLabel(universe(), id) != nullptr;
}

void LabelsView::openRecord(const core::Uuid& id) {
    if (const universe::StarmapLabel* label = findLabel(universe(), id))
        m_editor->edit(*label);
}

void LabelsView::openNewRecord() {
    m_editor->startNew();
}

QString LabelsView::deleteTitle() const {
    return tr("Delete Label?");
}

QString LabelsView::deleteMessage(const core::Uuid& id) const {
    const universe::StarmapLabel* label = findLabel(universe(), id);
    return tr("“%1” will be removed from the map.").arg(label ? qt(labelDisplayName(*label)) : QString());
}

void LabelsView::eraseRecord(const core::Uuid& id) {
    std::erase_if(universe().starmapLabels, [&id](const universe::StarmapLabel& l) { return l.id == id; });
}

void LabelsView::universeChanged() {
    m_editor->refreshCategories();
}

} // namespace velmora::starmap
