#include "ships/ui/ship_save_sheet.h"

#include "ui/qt_text.h"
#include "ui/view_helpers.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::ships {

namespace {

QLineEdit* field(const QString& objectName, const std::string& text) {
    auto* edit = new QLineEdit(qt(text));
    edit->setObjectName(objectName);
    edit->setMinimumWidth(320);
    return edit;
}

} // namespace

ShipSaveSheet::ShipSaveSheet(Purpose purpose, const ShipDetails& details, QWidget* parent)
    : QDialog(parent), m_configurationName(field(QStringLiteral("configurationNameField"),
                                                 details.configurationName)),
      m_type(field(QStringLiteral("typeField"), details.typeLabel)),
      m_shipName(field(QStringLiteral("shipNameField"), details.shipName)),
      m_description(new QPlainTextEdit(qt(details.description))) {
    const QString title = purpose == Purpose::saveNew ? tr("Save Ship") : tr("Edit Ship Details");
    setObjectName(QStringLiteral("shipSaveSheet"));
    setWindowTitle(title);
    // A sheet: it holds up its own window only.
    setWindowModality(Qt::WindowModal);
    auto* layout = new QVBoxLayout(this);
    auto* heading = new QLabel(title);
    ui::makeTitle(heading);
    layout->addWidget(heading);
    auto* form = new QFormLayout;
    form->addRow(tr("Configuration Name"), m_configurationName);
    form->addRow(tr("Type"), m_type);
    form->addRow(tr("Ship Name"), m_shipName);
    m_description->setObjectName(QStringLiteral("descriptionField"));
    m_description->setMinimumHeight(140);
    form->addRow(tr("Description"), m_description);
    layout->addLayout(form);
    QLabel* hint = ui::quietNote(tr("Supports Markdown (**bold**, *italic*, etc.) — rendered "
                                    "wherever this ship's summary is shown."),
                                 this);
    hint->setObjectName(QStringLiteral("descriptionHint"));
    hint->setWordWrap(true);
    hint->setTextFormat(Qt::PlainText);
    layout->addWidget(hint);
    auto* buttons = new QDialogButtonBox;
    QPushButton* cancel = buttons->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    QPushButton* save = buttons->addButton(tr("Save"), QDialogButtonBox::AcceptRole);
    save->setObjectName(QStringLiteral("saveButton"));
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(buttons);
    // Return saves; set once the button is inside the dialog, which keeps the default.
    save->setDefault(true);
    m_configurationName->setFocus();
}

ShipDetails ShipSaveSheet::details() const {
    return {m_configurationName->text().trimmed().toStdString(),
            m_type->text().trimmed().toStdString(), m_shipName->text().trimmed().toStdString(),
            m_description->toPlainText().toStdString()};
}

} // namespace velmora::ships
