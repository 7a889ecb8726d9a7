#include "ships/ui/ship_designer_window.h"

#include "ships/hull_rules.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ship_texts.h"
#include "ships/ui/ship_designer_form.h"
#include "ships/ui/ship_designer_steps.h"
#include "ships/ui/ship_save_sheet.h"
#include "ships/ui/ship_summary_panel.h"
#include "ui/qt_text.h"
#include "ui/view_helpers.h"
#include "ui/window_registry.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::ships {

namespace {

QScrollArea* scrolling(QWidget* content, const QString& objectName) {
    auto* area = new QScrollArea;
    area->setObjectName(objectName);
    area->setWidget(content);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return area;
}

QPushButton* actionButton(const QString& text, const QString& objectName) {
    auto* button = new QPushButton(text);
    button->setObjectName(objectName);
    return button;
}

ShipDetails detailsOf(const SavedShipDesign& saved) {
    return {saved.configurationName, saved.typeLabel, saved.shipName, saved.description};
}

void applyDetails(SavedShipDesign& saved, const ShipDetails& details) {
    saved.configurationName = details.configurationName;
    saved.typeLabel = details.typeLabel;
    saved.shipName = details.shipName;
    saved.description = details.description;
}

} // namespace

ShipDesignerWindow::ShipDesignerWindow(SavedShipDesignsStore* store,
                                       std::optional<core::Uuid> savedId,
                                       ui::SaveQuestion askToSave, QWidget* parent)
    : QWidget(parent), m_store(store), m_askToSave(std::move(askToSave)) {
    setObjectName(QStringLiteral("shipDesigner"));
    setWindowTitle(tr("Ship Designer"));
    setAttribute(Qt::WA_DeleteOnClose);

    QString openError;
    if (savedId) {
        if (m_store == nullptr)
            openError = tr("The ship library is not open, so this ship can't be edited.");
        else if (auto loaded = m_store->load(*savedId)) {
            m_saved = std::move(*loaded);
            m_design = m_saved->design;
        } else {
            openError = qt(m_store->lastError().value_or("Couldn't open that ship."));
            m_store->clearLastError();
        }
    }

    m_form = std::make_unique<DesignForm>(m_design, [this] { designEdited(); });

    auto* steps = new QWidget;
    auto* column = new QVBoxLayout(steps);
    addHullSteps(*m_form, column);
    addControlSteps(*m_form, column);
    addWeaponStep(*m_form, column);
    addSystemsStep(*m_form, column);
    addHighGuardStep(*m_form, column);
    addCrewSteps(*m_form, column);
    column->addStretch(1);
    m_stepsArea = scrolling(steps, QStringLiteral("designSteps"));

    m_stepList = new QListWidget;
    m_stepList->setObjectName(QStringLiteral("stepList"));
    for (QGroupBox* box : m_form->steps()) {
        auto* item = new QListWidgetItem(box->title(), m_stepList);
        item->setData(Qt::UserRole, box->objectName());
        // The sub-steps sit under their step.
        if (!box->title().startsWith(QStringLiteral("Step")))
            item->setText(QStringLiteral("    ") + box->title());
    }
    m_stepList->setMinimumWidth(m_stepList->sizeHintForColumn(0) + 24);
    m_stepList->setMaximumWidth(m_stepList->sizeHintForColumn(0) + 40);
    connect(m_stepList, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { showStep(item->data(Qt::UserRole).toString()); });
    connect(m_stepsArea->verticalScrollBar(), &QScrollBar::valueChanged, this,
            [this] { followScroll(); });

    m_summary = new ShipSummaryPanel;
    QScrollArea* summaryArea = scrolling(m_summary, QStringLiteral("summaryArea"));
    summaryArea->setMinimumWidth(470);

    auto* header = new QLabel(qt(texts::designerHeader));
    header->setObjectName(QStringLiteral("designerHeader"));
    header->setWordWrap(true);
    m_shipLine = new QLabel;
    m_shipLine->setObjectName(QStringLiteral("designerShipLine"));
    m_saveAsNew = actionButton(tr("Save As New Ship…"), QStringLiteral("saveAsNewButton"));
    m_save = actionButton(tr("Save"), QStringLiteral("saveChangesButton"));
    m_editDetails = actionButton(tr("Edit Ship Details"), QStringLiteral("editDetailsButton"));
    connect(m_saveAsNew, &QPushButton::clicked, this, &ShipDesignerWindow::saveAsNew);
    connect(m_save, &QPushButton::clicked, this, &ShipDesignerWindow::saveChanges);
    connect(m_editDetails, &QPushButton::clicked, this, &ShipDesignerWindow::editDetails);
    m_message = ui::messageLine(QStringLiteral("designerMessage"), false);

    auto* top = new QHBoxLayout;
    auto* titles = new QVBoxLayout;
    titles->addWidget(header);
    titles->addWidget(m_shipLine);
    top->addLayout(titles, 1);
    top->addWidget(m_editDetails);
    top->addWidget(m_save);
    top->addWidget(m_saveAsNew);

    auto* splitter = new QSplitter(Qt::Horizontal);
    splitter->addWidget(m_stepList);
    splitter->addWidget(m_stepsArea);
    splitter->addWidget(summaryArea);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 3);
    splitter->setStretchFactor(2, 2);
    splitter->setChildrenCollapsible(false);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(m_message);
    layout->addWidget(splitter, 1);

    m_form->recompute();
    m_summary->showSummary(m_form->summary());
    updateActions();
    if (!openError.isEmpty())
        ui::showMessage(m_message, openError);
    m_stepList->setCurrentRow(0);
    resize(1360, 860);
}

ShipDesignerWindow::~ShipDesignerWindow() {
    // The controls go while the form they write to is still here.
    m_stepsArea->verticalScrollBar()->disconnect(this);
    delete m_stepsArea;
}

std::optional<core::Uuid> ShipDesignerWindow::savedId() const {
    if (m_saved)
        return m_saved->id;
    return std::nullopt;
}

void ShipDesignerWindow::showStep(const QString& objectName) {
    QGroupBox* box = m_form->stepBox(objectName);
    if (box == nullptr)
        return;
    m_stepsArea->verticalScrollBar()->setValue(box->pos().y());
}

// The list marks the step at the top of the column as the referee scrolls.
void ShipDesignerWindow::followScroll() {
    const int top = m_stepsArea->verticalScrollBar()->value();
    const auto& steps = m_form->steps();
    int current = 0;
    for (int index = 0; index < static_cast<int>(steps.size()); ++index) {
        if (steps[static_cast<std::size_t>(index)]->pos().y() <= top + 8)
            current = index;
    }
    const QSignalBlocker blocker(m_stepList);
    m_stepList->setCurrentRow(current);
}

void ShipDesignerWindow::designEdited() {
    // A lighter armour or a lower tech level takes fewer points than were bought.
    m_design.armourProtection =
        std::min(m_design.armourProtection, std::max(0, maximumArmourProtection(m_design)));
    m_form->recompute();
    m_summary->showSummary(m_form->summary());
    m_unsaved = true;
    ui::showMessage(m_message, QString());
    updateActions();
}

void ShipDesignerWindow::updateActions() {
    const bool canSave = m_store != nullptr;
    const QString noLibrary = tr("The ship library is not open, so designs can't be saved.");
    m_saveAsNew->setEnabled(canSave);
    m_saveAsNew->setToolTip(canSave ? tr("Save this design as a new ship in the library")
                                    : noLibrary);
    m_save->setVisible(m_saved.has_value());
    m_editDetails->setVisible(m_saved.has_value());
    m_save->setEnabled(canSave && m_unsaved);
    m_editDetails->setEnabled(canSave);
    if (m_saved) {
        const QString name = qt(displayName(m_saved->header()));
        m_shipLine->setText(m_unsaved ? tr("Editing %1 — changes not saved").arg(name)
                                      : tr("Editing %1").arg(name));
    } else {
        m_shipLine->setText(m_unsaved ? tr("New design — not saved") : tr("New design"));
    }
}

bool ShipDesignerWindow::store(SavedShipDesign& saved, const QString& done) {
    if (m_store == nullptr)
        return false;
    if (!m_store->save(saved)) {
        m_message->setStyleSheet(QStringLiteral("color: #b3261e;"));
        ui::showMessage(m_message, qt(m_store->lastError().value_or("Couldn't save that ship.")));
        m_store->clearLastError();
        return false;
    }
    const std::optional<core::Uuid> previous = savedId();
    m_saved = saved;
    m_unsaved = false;
    m_message->setStyleSheet(QString());
    ui::showMessage(m_message, done);
    updateActions();
    if (previous != saved.id)
        emit savedShipChanged(previous ? qt(previous->toString()) : QString(),
                              qt(saved.id.toString()));
    return true;
}

void ShipDesignerWindow::saveAsNew() {
    ShipDetails details;
    if (m_saved) {
        details = detailsOf(*m_saved);
    }
    auto* sheet = new ShipSaveSheet(ShipSaveSheet::Purpose::saveNew, details, this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::accepted, this, [this, sheet] {
        SavedShipDesign saved;
        saved.id = core::Uuid::generate();
        applyDetails(saved, sheet->details());
        saved.design = m_design;
        saved.createdDate = saved.modifiedDate = core::systemNow();
        store(saved, tr("Saved as a new ship."));
    });
    sheet->open();
}

void ShipDesignerWindow::saveChanges() {
    saveChangesNow();
}

bool ShipDesignerWindow::saveChangesNow() {
    if (!m_saved)
        return false;
    SavedShipDesign saved = *m_saved;
    saved.design = m_design;
    return store(saved, tr("Saved."));
}

void ShipDesignerWindow::closeEvent(QCloseEvent* event) {
    if (!m_unsaved || m_store == nullptr || !m_askToSave) {
        event->accept();
        return;
    }
    const QString question =
        m_saved ? tr("Save the changes to %1?").arg(qt(displayName(m_saved->header())))
                : tr("Save this design as a new ship?");
    switch (m_askToSave(this, question, tr("The changes are lost if they are not saved."))) {
    case ui::SaveAnswer::save:
        if (m_saved) {
            // A save that failed keeps the window, with the reason shown in it.
            if (saveChangesNow())
                event->accept();
            else
                event->ignore();
            return;
        }
        // A new ship needs its names first; the window stays until it is saved.
        event->ignore();
        saveAsNew();
        return;
    case ui::SaveAnswer::discard:
        event->accept();
        return;
    case ui::SaveAnswer::cancel:
        break;
    }
    event->ignore();
}

void ShipDesignerWindow::editDetails() {
    if (!m_saved)
        return;
    auto* sheet = new ShipSaveSheet(ShipSaveSheet::Purpose::editDetails, detailsOf(*m_saved), this);
    sheet->setAttribute(Qt::WA_DeleteOnClose);
    connect(sheet, &QDialog::accepted, this, [this, sheet] {
        // The same ship: its id, images and created date stay.
        SavedShipDesign saved = *m_saved;
        applyDetails(saved, sheet->details());
        saved.design = m_design;
        store(saved, tr("Saved."));
    });
    sheet->open();
}

QWidget* openShipDesigner(ui::WindowRegistry& windows, SavedShipDesignsStore* store,
                          std::optional<core::Uuid> savedId) {
    const QString value = savedId ? qt(savedId->toString()) : QString();
    const QString identifier = QStringLiteral("ship-designer");
    return windows.open(identifier, value, [&windows, identifier, store, savedId] {
        auto* window = new ShipDesignerWindow(store, savedId);
        QObject::connect(window, &ShipDesignerWindow::savedShipChanged, window,
                         [&windows, identifier](const QString& previous, const QString& next) {
                             windows.refile(identifier, previous, next);
                         });
        return window;
    });
}

} // namespace velmora::ships
