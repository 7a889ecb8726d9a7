#include "campaign/ui/campaign_sheet.h"

#include "campaign/campaign_rules.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/campaign_ui_support.h"
#include "ui/view_helpers.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::campaign {

CampaignSheet::CampaignSheet(Gamemastering& store, std::vector<universe::UniverseHeader> universes,
                             std::optional<core::Uuid> currentUniverse,
                             std::optional<std::string> editedCode, QWidget* parent)
    : QDialog(parent), m_store(store), m_editedCode(std::move(editedCode)),
      m_name(new QLineEdit(this)), m_code(new QLineEdit(this)), m_universe(new QComboBox(this)),
      m_description(new QPlainTextEdit(this)),
      m_problem(ui::messageLine(QStringLiteral("campaignSheetProblem"), true)) {
    const bool isNew = !m_editedCode;
    const Campaign* edited = isNew ? nullptr : m_store.campaign(*m_editedCode);
    setObjectName(QStringLiteral("campaignSheet"));
    setWindowTitle(isNew ? tr("New Campaign") : tr("Edit Campaign"));

    auto* title = new QLabel(windowTitle(), this);
    ui::makeTitle(title);

    m_name->setObjectName(QStringLiteral("campaignName"));
    m_code->setObjectName(QStringLiteral("campaignCode"));
    m_universe->setObjectName(QStringLiteral("campaignUniverse"));
    m_description->setObjectName(QStringLiteral("campaignDescription"));
    m_name->setMinimumWidth(320);
    m_code->setMaximumWidth(120);
    m_description->setMinimumHeight(80);
    m_description->setMaximumHeight(140);

    std::optional<core::Uuid> chosen = edited ? edited->universeID : currentUniverse;
    for (const universe::UniverseHeader& header : universes)
        m_universe->addItem(qt(header.name), QString::fromStdString(header.id.toString()));
    if (chosen && m_universe->findData(QString::fromStdString(chosen->toString())) < 0)
        m_universe->addItem(tr("A universe no longer stored"),
                            QString::fromStdString(chosen->toString()));
    m_universe->addItem(tr("None"), QString());
    m_universe->setCurrentIndex(
        m_universe->findData(chosen ? QString::fromStdString(chosen->toString()) : QString()));

    if (edited) {
        m_name->setText(qt(edited->name));
        m_code->setText(qt(edited->code));
        m_code->setReadOnly(true);
        m_code->setEnabled(false);
        m_description->setPlainText(qt(edited->description));
    }

    auto* form = new QFormLayout;
    form->addRow(tr("Name"), fieldWithHelp(m_name, tr("Enter a name for the campaign."), this));
    form->addRow(tr("CODE"),
                 fieldWithHelp(m_code,
                               isNew
                                   ? tr("A four-letter code is required to identify the campaign.")
                                   : qt(codeCannotChangeText),
                               this));
    form->addRow(tr("Universe"),
                 fieldWithHelp(m_universe, tr("The universe this campaign is set in."), this));
    form->addRow(tr("Description"), m_description);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    QPushButton* ok = buttons->button(QDialogButtonBox::Ok);
    ok->setText(isNew ? tr("Create") : tr("Save"));
    ok->setObjectName(QStringLiteral("submitCampaign"));
    connect(buttons, &QDialogButtonBox::accepted, this, &CampaignSheet::submit);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addLayout(form);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    resize(520, layout->sizeHint().height());
}

std::optional<core::Uuid> CampaignSheet::chosenUniverse() const {
    return core::Uuid::fromString(m_universe->currentData().toString().toStdString());
}

void CampaignSheet::submit() {
    const std::string name = m_name->text().toStdString();
    const std::string description = m_description->toPlainText().toStdString();
    if (m_editedCode) {
        if (const auto problem =
                m_store.editCampaign(*m_editedCode, name, chosenUniverse(), description)) {
            ui::showMessage(m_problem, qt(*problem));
            return;
        }
        accept();
        return;
    }
    const Gamemastering::Created made =
        m_store.createCampaign(name, m_code->text().toStdString(), chosenUniverse(), description);
    if (!made.code) {
        ui::showMessage(m_problem, qt(made.problem));
        return;
    }
    Q_EMIT created(qt(*made.code));
    accept();
}

} // namespace velmora::campaign
