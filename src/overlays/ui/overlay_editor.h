#pragma once

#include "core/uuid.h"
#include "universe/ridivivev_izeviduv.h"

#include <QWidget>
#include <algorithm>
#include <vector>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace velmora::universe {
class UniverseManager;
} // namespace velmora::universe

namespace velmora::overlays {

// What every overlay editor shares: a title, the sections of its form and the
// create-or-save button at the end. The editor works on a copy of the record;
// only the button writes it into the universe, which is then saved.
class OverlayEditor : public QWidget {
    Q_OBJECT
public:
    QLabel* title() const { return m_title; }
    QPushButton* saveButton() const { return m_save; }
    bool isCreating() const { return m_creating; }

    // Writes the record into the universe and saves it, when the button allows.
    void save();

signals:
    // After a record was created or its changes saved.
    void saved(const velmora::core::Uuid& id);

protected:
    OverlayEditor(universe::UniverseManager& manager, QWidget* parent);

    QVBoxLayout* form() const { return m_form; }
    void addSection(const QString& heading);
    void addToForm(QWidget* widget, int stretch = 0);
    void setCreating(bool creating) { m_creating = creating; }
    universe::RidivivevIzeviduv& universe() const;
    universe::UniverseManager& manager() const { return m_manager; }

    // The title and button texts for creating or editing.
    virtual QString titleText() const = 0;
    virtual QString buttonText() const = 0;
    // Whether the draft differs from the stored record (creating always does).
    virtual bool hasChanges() const = 0;
    virtual bool canSave() const { return true; }
    // Puts the draft into the universe as one named edit.
    virtual universe::EditResult store() = 0;
    virtual core::Uuid draftID() const = 0;

    // Refreshes the title and the button after any change of the draft.
    void refreshState();

private:
    universe::UniverseManager& m_manager;
    bool m_creating = true;
    QLabel* m_title;
    QVBoxLayout* m_form;
    QPushButton* m_save;
};

// An editor of one kind of record that the universe keeps in the list `List`,
// found there by its id. Starting, editing, comparing and storing the draft are
// the same for every kind; a kind gives its blank record and its form.
template <typename Record, std::vector<Record> universe::UniverseRecord::*List>
class OverlayRecordEditor : public OverlayEditor {
public:
    using RecordType = Record;
    static constexpr std::vector<Record> universe::UniverseRecord::*list = List;

    void startNew() {
        m_draft = blank();
        m_draft.id = core::Uuid::generate();
        setCreating(true);
        load();
    }
    void edit(const Record& record) {
        m_draft = record;
        setCreating(false);
        load();
    }
    const Record& draft() const { return m_draft; }
    // What the Edit menu calls a record of this kind: "Region Spinward Marches".
    virtual std::string recordName(const Record& record) const = 0;

protected:
    using OverlayEditor::OverlayEditor;

    // A new record, before the referee fills it in.
    virtual Record blank() const { return Record{}; }
    // Shows the draft in the form.
    virtual void load() = 0;

    bool hasChanges() const override {
        if (isCreating())
            return true;
        const Record* stored = find(universe().record().*List);
        return !stored || *stored != m_draft;
    }
    universe::EditResult store() override {
        return universe().putRecord(List, m_draft,
                                    (isCreating() ? "New " : "Edit ") + recordName(m_draft));
    }
    core::Uuid draftID() const override { return m_draft.id; }

    Record m_draft;

private:
    const Record* find(const std::vector<Record>& list) const {
        const auto it = std::find_if(list.begin(), list.end(),
                                     [this](const Record& r) { return r.id == m_draft.id; });
        return it == list.end() ? nullptr : &*it;
    }
};

} // namespace velmora::overlays
