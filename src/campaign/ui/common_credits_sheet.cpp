#include "campaign/ui/common_credits_sheet.h"

#include "campaign/common_credits.h"
#include "campaign/gamemastering.h"
#include "campaign/ui/campaign_ui_support.h"
#include "ui/view_helpers.h"

#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace velmora::campaign {

namespace {

QLabel* selectableLabel(const QString& objectName, QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

QPushButton* actionButton(const QString& text, const QString& objectName, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setAutoDefault(false);
    return button;
}

} // namespace

CommonCreditsSheet::CommonCreditsSheet(Gamemastering& store, std::string code, QWidget* parent)
    : QDialog(parent), m_store(store), m_code(std::move(code)),
      m_current(selectableLabel(QStringLiteral("commonCreditsCurrent"), this)),
      m_poolDescription(selectableLabel(QStringLiteral("poolDescription"), this)),
      m_poolAmount(new QLineEdit(this)),
      m_poolTotal(selectableLabel(QStringLiteral("poolTotal"), this)),
      m_distributeDescription(selectableLabel(QStringLiteral("distributeDescription"), this)),
      m_distributeAmount(new QLineEdit(this)),
      m_distributeShare(selectableLabel(QStringLiteral("distributeShare"), this)),
      m_problem(ui::messageLine(QStringLiteral("commonCreditsProblem"), true)) {
    setObjectName(QStringLiteral("commonCreditsSheet"));
    setWindowTitle(tr("Common Credits"));
    auto* title = new QLabel(windowTitle(), this);
    ui::makeTitle(title);
    QFont big = m_current->font();
    big.setPointSizeF(big.pointSizeF() * 1.2);
    m_current->setFont(big);
    m_poolAmount->setObjectName(QStringLiteral("poolAmount"));
    m_distributeAmount->setObjectName(QStringLiteral("distributeAmount"));
    m_poolAmount->setPlaceholderText(tr("Cr per player"));
    m_distributeAmount->setPlaceholderText(tr("Cr in total"));

    // Each way in one box: what it does, the amount, the button, and the sum it comes to.
    const auto section = [this](const QString& title, QLabel* description, const QString& field,
                                QLineEdit* amount, QPushButton* button, QLabel* result) {
        auto* box = new QGroupBox(title, this);
        auto* column = new QVBoxLayout(box);
        column->addWidget(description);
        auto* row = new QHBoxLayout;
        row->addWidget(new QLabel(field, box));
        row->addWidget(amount, 1);
        row->addWidget(button);
        column->addLayout(row);
        column->addWidget(result);
        return box;
    };
    auto* poolButton = actionButton(tr("Pool In Funds"), QStringLiteral("poolButton"), this);
    auto* shareButton =
        actionButton(tr("Distribute Funds"), QStringLiteral("distributeButton"), this);
    QGroupBox* pool = section(tr("Pool In Funds"), m_poolDescription, tr("Each player"),
                              m_poolAmount, poolButton, m_poolTotal);
    QGroupBox* share = section(tr("Distribute Funds"), m_distributeDescription, tr("Total"),
                               m_distributeAmount, shareButton, m_distributeShare);

    auto* buttons = new QDialogButtonBox(this);
    QPushButton* done = buttons->addButton(tr("Done"), QDialogButtonBox::RejectRole);
    done->setObjectName(QStringLiteral("commonCreditsDone"));
    done->setAutoDefault(false);
    // Done is no accept button, so Return in an amount takes that amount's action.
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::accept);
    connect(m_poolAmount, &QLineEdit::returnPressed, this, &CommonCreditsSheet::poolIn);
    connect(m_distributeAmount, &QLineEdit::returnPressed, this, &CommonCreditsSheet::distribute);
    connect(poolButton, &QPushButton::clicked, this, &CommonCreditsSheet::poolIn);
    connect(shareButton, &QPushButton::clicked, this, &CommonCreditsSheet::distribute);
    connect(m_poolAmount, &QLineEdit::textChanged, this, &CommonCreditsSheet::showTotals);
    connect(m_distributeAmount, &QLineEdit::textChanged, this, &CommonCreditsSheet::showTotals);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(m_current);
    layout->addWidget(ui::quietNote(qt(commonCreditsNPCNote), this));
    layout->addWidget(pool);
    layout->addWidget(share);
    layout->addWidget(m_problem);
    layout->addWidget(buttons);
    // Sized once the texts are in, so the wrapped ones get the lines they need.
    showCampaign();
    setMinimumWidth(520);
    adjustSize();
    m_storeChanged = m_store.changed().subscribe([this] { showCampaign(); });
}

void CommonCreditsSheet::showCampaign() {
    const Campaign* campaign = m_store.campaign(m_code);
    if (!campaign) {
        reject();
        return;
    }
    m_current->setText(qt(commonCreditsText(*campaign)));
    m_poolDescription->setText(qt(poolInDescription(*campaign)));
    m_distributeDescription->setText(qt(distributeDescription(*campaign)));
    showTotals();
}

// The totals follow what is typed; an amount that does not read shows nothing yet.
void CommonCreditsSheet::showTotals() {
    const Campaign* campaign = m_store.campaign(m_code);
    if (!campaign)
        return;
    const auto perPlayer =
        core::parseCredits(m_poolAmount->text().toStdString(), core::AmountSign::notNegative);
    m_poolTotal->setText(perPlayer.amount ? qt(poolInTotalText(*campaign, *perPlayer.amount))
                                          : QString());
    const auto total =
        core::parseCredits(m_distributeAmount->text().toStdString(), core::AmountSign::notNegative);
    m_distributeShare->setText(total.amount ? qt(distributeShareText(*campaign, *total.amount))
                                            : QString());
}

void CommonCreditsSheet::poolIn() {
    const auto amount = readCredits(m_poolAmount, core::AmountSign::notNegative, m_problem);
    if (!amount)
        return;
    m_store.edit(m_code, [&](Campaign& campaign) { poolInFunds(campaign, *amount); });
    m_poolAmount->clear();
}

void CommonCreditsSheet::distribute() {
    const auto amount = readCredits(m_distributeAmount, core::AmountSign::notNegative, m_problem);
    if (!amount)
        return;
    m_store.edit(m_code, [&](Campaign& campaign) { distributeFunds(campaign, *amount); });
    m_distributeAmount->clear();
}

} // namespace velmora::campaign
