#pragma once

#include "core/uuid.h"
#include "universe/universe_record.h"

#include <QWidget>

#include <algorithm>
#include <vector>

class QLabel;
class QPushButton;
class QVBoxLayout;

namespace velmora::universe {
class UniverseManager;
class RidivivevIzeviduv;
} // namespace velmora::universe

namespace velmora::starmap {

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
    // The open universe's stored lists.
    universe::UniverseRecord& records() const;

    // The title and button texts for creating or editing.
    virtual QString titleText() const = 0;
    virtual QString buttonText() const = 0;
    // Whether the draft differs from the stored record (creating always does).
    virtual bool hasChanges() const = 0;
    virtual bool canSave() const { return true; }
    // Puts the draft into the universe; the base then saves it.
    virtual core::Uuid store() = 0;

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

protected:
    using OverlayEditor::OverlayEditor;

    // A new record, before the referee fills it in.
    virtual Record blank() const { return Record{}; }
    // Shows the draft in the form.
    virtual void load() = 0;

    bool hasChanges() const override {
        if (isCreating())
            return true;
        const Record* stored = find(records().*List);
        return !stored || *stored != m_draft;
    }
    core::Uuid store() override {
        std::vector<Record>& list = records().*List;
        if (Record* stored = find(list))
            *stored = m_draft;
        else
            list.push_back(m_draft);
        return m_draft.id;
    }

    Record m_draft;

private:
    Record* find(std::vector<Record>& list) const {
        const auto it = std::find_if(list.begin(), list.end(), [this](const Record& r) { return r.id == m_draft.id; });
        return it == list.end() ? nullptr : &*it;
    }
};

} // namespace velmora::starmap

