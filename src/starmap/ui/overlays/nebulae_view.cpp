#include "starmap/ui/overlays/nebulae_view.h"

#include "app/support/view_context.h"
#include "starmap/ui/overlays/nebula_editing_view.h"
#include "universe/universe_manager.h"

#include <algorithm>

namespace velmora::starmap {

namespace {

const universe::Nebula* findNebula(const universe::RidivivevIzeviduv& universe, const core::Uuid& id) {
    const auto it = std::find_if(universe.nebulae.begin(), universe.nebulae.end(),
                                 [&id](const universe::Nebula& n) { return n.id == id; });
    return it == universe.nebulae.end() ? nullptr : &*it;
}

} // namespace

NebulaeView::NebulaeView(app::ViewContext& context, QWidget* parent)
    : OverlayBrowser(context,
                     {tr("Nebulae"), tr("New Nebula"), tr("Search nebulae"), tr("No Nebula Selected"),
                      tr("Choose a nebula or create a new one."), 1, false},
                     parent),
      m_editor(new NebulaEditingView(context.manager, this)) {
    setObjectName(QStringLiteral("nebulaeView"));
    setEditor(m_editor);
    connect(m_editor, &OverlayEditor::saved, this, &NebulaeView::recordSaved);
    rebuildRows();
}

std::vector<OverlayBrowser::Row> NebulaeView::rows(const QString& search) const {
    std::vector<Row> result;
    for (OverlayRowText& text : nebulaRows(universe(), search.toStdString()))
        result.push_back({std::move(text), std::nullopt});
    return result;
}

bool NebulaeView::hasRecord(const core::Uuid& id) const {
    return findNebula(universe(), id) != nullptr;
}

void NebulaeView::openRecord(const core::Uuid& id) {
    if (const universe::Nebula* nebula = findNebula(universe(), id))
        m_editor->edit(*nebula);
}

void NebulaeView::openNewRecord() {
    m_editor->startNew();
}

QString NebulaeView::deleteTitle() const {
    return tr("Delete Nebula?");
}

QString NebulaeView::deleteMessage(const core::Uuid& id) const {
    const universe::Nebula* nebula = findNebula(universe(), id);
    return tr("“%1” will be removed from the map.").arg(nebula ? qt(nebulaDisplayName(*nebula)) : QString());
}

void NebulaeView::eraseRecord(const core::Uuid& id) {
    std::erase_if(universe().nebulae, [&id](const universe::Nebula& n) { return n.id == id; });
}

} // namespace velmora::starmap
