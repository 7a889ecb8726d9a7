#pragma once

#include "core/uuid.h"

#include <QWidget>

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

} // namespace velmora::starmap
