#pragma once

#include "overlays/ui/overlay_browser.h"
#include "overlays/ui/overlay_editor.h"
#include "ui/view_context.h"
#include "universe/ridivivev_izeviduv.h"
#include "universe/universe_manager.h"

#include <algorithm>

namespace velmora::overlays {

// A browser of one kind of record, with that kind's editor beside it: finding,
// opening, creating and erasing a record by its id are the same for every kind.
// `Editor` is an OverlayRecordEditor; a kind gives its rows and delete texts.
template <typename Editor>
class OverlayRecordBrowser : public OverlayBrowser {
public:
    using Record = typename Editor::RecordType;

    Editor* editor() const { return m_editor; }

protected:
    OverlayRecordBrowser(ui::ViewContext& context, const Texts& texts, QWidget* parent)
        : OverlayBrowser(context, texts, parent), m_editor(new Editor(context.manager, this)) {
        setEditor(m_editor);
        connect(m_editor, &OverlayEditor::saved, this,
                [this](const core::Uuid& id) { recordSaved(id); });
    }

    const Record* find(const core::Uuid& id) const {
        const auto& list = universe().record().*Editor::list;
        const auto it =
            std::find_if(list.begin(), list.end(), [&id](const Record& r) { return r.id == id; });
        return it == list.end() ? nullptr : &*it;
    }

    bool hasRecord(const core::Uuid& id) const override { return find(id) != nullptr; }
    void openRecord(const core::Uuid& id) override {
        if (const Record* record = find(id))
            m_editor->edit(*record);
    }
    void openNewRecord() override { m_editor->startNew(); }
    universe::EditResult eraseRecord(const core::Uuid& id) override {
        const Record* record = find(id);
        if (!record)
            return {};
        return universe().removeRecord(Editor::list, id, "Delete " + m_editor->recordName(*record));
    }

    Editor* m_editor;
};

} // namespace velmora::overlays
