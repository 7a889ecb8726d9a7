#include "overlays/ui/overlay_editor.h"

#include "overlays/ui/overlay_ui_support.h"
#include "universe/universe_manager.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::overlays {

OverlayEditor::OverlayEditor(universe::UniverseManager& manager, QWidget* parent)
    : QWidget(parent), m_manager(manager), m_title(new QLabel(this)), m_form(new QVBoxLayout),
      m_save(new QPushButton(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(24, 18, 24, 18);
    layout->setSpacing(6);
    makeTitle(m_title);
    m_title->setObjectName(QStringLiteral("editorTitle"));
    layout->addWidget(m_title);
    m_form->setContentsMargins(0, 0, 0, 0);
    m_form->setSpacing(6);
    layout->addLayout(m_form, 1);
    auto* footer = new QHBoxLayout;
    footer->setContentsMargins(0, 14, 0, 0);
    footer->addStretch();
    m_save->setObjectName(QStringLiteral("editorSave"));
    m_save->setDefault(true);
    m_save->setMinimumWidth(140);
    footer->addWidget(m_save);
    layout->addLayout(footer);
    connect(m_save, &QPushButton::clicked, this, &OverlayEditor::save);
}

universe::RidivivevIzeviduv& OverlayEditor::universe() const {
    return m_manager.current();
}

void OverlayEditor::addSection(const QString& heading) {
    m_form->addWidget(sectionHeading(heading, this));
}

void OverlayEditor::addToForm(QWidget* widget, int stretch) {
    m_form->addWidget(widget, stretch);
}

void OverlayEditor::refreshState() {
    m_title->setText(titleText());
    m_save->setText(buttonText());
    m_save->setEnabled(canSave() && hasChanges());
}

void OverlayEditor::save() {
    if (!canSave() || !hasChanges())
        return;
    const core::Uuid id = draftID();
    if (const universe::EditResult result = store(); !result) {
        showEditFailure(this, tr("Can't Save"), result.error);
        return;
    }
    m_creating = false;
    refreshState();
    emit saved(id);
}

} // namespace velmora::overlays
