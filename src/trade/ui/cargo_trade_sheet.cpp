#include "trade/ui/cargo_trade_sheet.h"

#include "core/credits.h"
#include "trade/trade_good.h"
#include "trade/ui/trade_good_wiki.h"
#include "ui/view_helpers.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cstdlib>

namespace velmora::trade {

namespace {

QString credits(long long amount) {
    return ui::qt(core::creditsText(amount));
}

QString signedNumber(int value) {
    return (value < 0 ? QString() : QStringLiteral("+")) + QString::number(value);
}

// A total within the dice's range, or nothing.
std::optional<int> typedNumber(const QLineEdit* field) {
    if (!field->hasAcceptableInput())
        return std::nullopt;
    bool ok = false;
    const int value = field->text().trimmed().toInt(&ok);
    return ok ? std::optional(value) : std::nullopt;
}

} // namespace

CargoTradeSheet::CargoTradeSheet(Setup setup, QWidget* parent)
    : QDialog(parent), m_setup(std::move(setup)), m_roller(TradeRoller::fair()) {
    setObjectName(QStringLiteral("cargoTradeSheet"));
    const TradeGood* traded = good();
    const QString goodName = traded ? ui::qt(std::string(traded->name)) : tr("Unknown Good");
    const QString world = ui::qt(marketWorldName(m_setup.worldProfile));
    setWindowTitle(isPurchase() ? tr("Buy %1 at %2").arg(goodName, world)
                                : tr("Sell %1 at %2").arg(goodName, world));

    auto* title = new QLabel(windowTitle(), this);
    ui::makeTitle(title);
    auto* who = ui::quietNote(tr("Negotiator: %1 (Broker %2) · %3's Broker %4")
                                  .arg(m_setup.negotiatorLabel)
                                  .arg(m_setup.negotiator.broker)
                                  .arg(isPurchase() ? tr("Supplier") : tr("Buyer"))
                                  .arg(m_setup.counterpartyBrokerSkill),
                              this);

    m_tons = new QSpinBox(this);
    m_tons->setObjectName(QStringLiteral("cargoTons"));
    m_tons->setRange(0, std::max(maximumTons(), 0));
    m_tons->setValue(m_tons->maximum());
    m_tons->setSuffix(tr(" tons"));
    m_available = new QLabel(this);
    m_available->setObjectName(QStringLiteral("cargoAvailable"));
    auto* tonsRow = new QHBoxLayout;
    tonsRow->addWidget(m_tons);
    tonsRow->addWidget(m_available, 1);

    auto* form = new QFormLayout;
    form->addRow(tr("Tons"), tonsRow);

    if (!isPurchase()) {
        m_buyerRoll = new QLineEdit(this);
        m_buyerRoll->setObjectName(QStringLiteral("buyerRoll"));
        m_buyerRoll->setValidator(new QIntValidator(2, 12, m_buyerRoll));
        m_buyerRoll->setPlaceholderText(tr("2–12"));
        m_buyerRoll->setMaximumWidth(70);
        auto* rollBuyer = new QPushButton(tr("Roll"), this);
        rollBuyer->setObjectName(QStringLiteral("rollBuyer"));
        m_buyerResult = new QLabel(this);
        m_buyerResult->setObjectName(QStringLiteral("buyerResult"));
        m_buyerResult->setWordWrap(true);
        m_recordFailed = new QPushButton(tr("Record Failed Attempt"), this);
        m_recordFailed->setObjectName(QStringLiteral("recordFailedAttempt"));
        auto* buyerRow = new QHBoxLayout;
        buyerRow->addWidget(m_buyerRoll);
        buyerRow->addWidget(rollBuyer);
        buyerRow->addStretch(1);
        form->addRow(tr("Buyer search, 2D roll"), buyerRow);
        form->addRow(QString(), m_buyerResult);
        form->addRow(QString(), m_recordFailed);
        connect(m_buyerRoll, &QLineEdit::textEdited, this, [this] {
            m_buyerSource = TradeCheck::Source::entered;
            refresh();
        });
        connect(rollBuyer, &QPushButton::clicked, this, [this] {
            m_buyerSource = TradeCheck::Source::rolled;
            m_buyerRoll->setText(QString::number(m_roller.roll2D(0)));
            refresh();
        });
        connect(m_recordFailed, &QPushButton::clicked, this, &CargoTradeSheet::recordFailedAttempt);
    }

    m_priceRoll = new QLineEdit(this);
    m_priceRoll->setObjectName(QStringLiteral("priceRoll"));
    m_priceRoll->setValidator(new QIntValidator(3, 18, m_priceRoll));
    m_priceRoll->setPlaceholderText(tr("3–18"));
    m_priceRoll->setMaximumWidth(70);
    auto* rollPrice = new QPushButton(tr("Roll"), this);
    rollPrice->setObjectName(QStringLiteral("rollPrice"));
    auto* priceRow = new QHBoxLayout;
    priceRow->addWidget(m_priceRoll);
    priceRow->addWidget(rollPrice);
    priceRow->addStretch(1);
    form->addRow(tr("3D roll"), priceRow);

    m_components = new QLabel(this);
    m_components->setObjectName(QStringLiteral("quoteComponents"));
    m_components->setTextFormat(Qt::RichText);
    form->addRow(tr("Modifiers"), m_components);
    m_price = new QLabel(this);
    m_price->setObjectName(QStringLiteral("quotePrice"));
    form->addRow(isPurchase() ? tr("Purchase") : tr("Sale Price"), m_price);
    m_total = new QLabel(this);
    m_total->setObjectName(QStringLiteral("quoteTotal"));
    QFont bold = m_total->font();
    bold.setBold(true);
    m_total->setFont(bold);
    form->addRow(QString(), m_total);

    m_error = ui::messageLine(QStringLiteral("cargoSheetError"), true);

    QLabel* prospectsTitle = nullptr;
    if (isPurchase() && !m_setup.destinations.empty()) {
        prospectsTitle =
            new QLabel(tr("What these tons could fetch (3D average, best, worst)"), this);
        m_prospects = new QTableWidget(0, 5, this);
        m_prospects->setObjectName(QStringLiteral("sheetProspects"));
        m_prospects->setHorizontalHeaderLabels(
            {tr("Destination"), tr("Parsecs"), tr("Expected"), tr("Best"), tr("Worst")});
        m_prospects->verticalHeader()->hide();
        m_prospects->setEditTriggers(QAbstractItemView::NoEditTriggers);
        m_prospects->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    }

    m_confirm = new QPushButton(isPurchase() ? tr("Buy") : tr("Sell"), this);
    m_confirm->setObjectName(QStringLiteral("confirmTrade"));
    auto* cancel = new QPushButton(tr("Cancel"), this);
    cancel->setObjectName(QStringLiteral("cancelTrade"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(m_confirm);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title);
    layout->addWidget(who);
    layout->addWidget(goodWikiButton(traded, QStringLiteral("wikiLookup"), this), 0, Qt::AlignLeft);
    layout->addLayout(form);
    if (m_prospects) {
        layout->addWidget(prospectsTitle);
        layout->addWidget(m_prospects, 1);
    }
    layout->addWidget(m_error);
    layout->addStretch(1);
    layout->addLayout(buttons);

    connect(m_tons, &QSpinBox::valueChanged, this, &CargoTradeSheet::refresh);
    connect(m_priceRoll, &QLineEdit::textEdited, this, [this] {
        m_priceSource = TradeCheck::Source::entered;
        refresh();
    });
    connect(rollPrice, &QPushButton::clicked, this, [this] {
        m_priceSource = TradeCheck::Source::rolled;
        m_priceRoll->setText(QString::number(m_roller.roll3D(0)));
        refresh();
    });
    connect(m_confirm, &QPushButton::clicked, this, &CargoTradeSheet::confirm);
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in a field never presses a button: not "Roll", which would replace what
    // was typed, nor the deal itself.
    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAutoDefault(false);
    resize(560, m_prospects ? 620 : 420);
    refresh();
}

const TradeGood* CargoTradeSheet::good() const {
    if (const auto* purchase = std::get_if<Purchase>(&m_setup.mode))
        return tradeGood(purchase->offer.goodD66);
    const ManifestEntry& entry = std::get<Sale>(m_setup.mode).entry;
    return entry.goodD66 ? tradeGood(*entry.goodD66) : nullptr;
}

int CargoTradeSheet::maximumTons() const {
    if (const auto* purchase = std::get_if<Purchase>(&m_setup.mode))
        return m_setup.freeCargoTons ? std::min(purchase->offer.tons, *m_setup.freeCargoTons)
                                     : purchase->offer.tons;
    return std::get<Sale>(m_setup.mode).entry.tons;
}

std::optional<TradeQuote> CargoTradeSheet::currentQuote() const {
    const TradeGood* traded = good();
    const auto dice = typedNumber(m_priceRoll);
    if (!traded || !dice)
        return std::nullopt;
    const int broker = m_setup.negotiator.broker;
    return isPurchase() ? purchaseQuote(*traded, m_setup.worldProfile, broker,
                                        m_setup.counterpartyBrokerSkill, *dice)
                        : saleQuote(*traded, m_setup.worldProfile, broker,
                                    m_setup.counterpartyBrokerSkill, *dice);
}

std::optional<TradeCheck> CargoTradeSheet::buyerCheck() const {
    if (!m_buyerRoll)
        return std::nullopt;
    const auto dice = typedNumber(m_buyerRoll);
    if (!dice)
        return std::nullopt;
    const ManifestEntry& entry = std::get<Sale>(m_setup.mode).entry;
    const int attempts = entry.buyerAttemptsMonth == m_setup.currentMonth ? entry.buyerAttempts : 0;
    TradeCheck check;
    check.step = TradeCheck::Step::buyer;
    check.source = m_buyerSource;
    check.diceCount = 2;
    check.dice = *dice;
    check.modifier = buyerDM(m_setup.negotiator, m_setup.worldProfile, attempts);
    check.target = buyerTarget;
    check.label = "Buyer \u2014 " + marketWorldName(m_setup.worldProfile);
    return check;
}

void CargoTradeSheet::refresh() {
    const TradeGood* traded = good();
    if (const auto* purchase = std::get_if<Purchase>(&m_setup.mode)) {
        QString available = tr(" of %1 available").arg(purchase->offer.tons);
        if (m_setup.freeCargoTons)
            available += tr(" · %1 tons of cargo space free").arg(*m_setup.freeCargoTons);
        else
            available += tr(" · No ship selected — capacity can't be checked.");
        m_available->setText(available);
    } else {
        m_available->setText(tr(" of %1 aboard").arg(std::get<Sale>(m_setup.mode).entry.tons));
    }

    bool buyerFound = isPurchase();
    if (m_buyerResult) {
        const auto check = buyerCheck();
        m_recordFailed->setVisible(check && !check->succeeded());
        if (!check) {
            m_buyerResult->setText(m_buyerRoll->text().trimmed().isEmpty()
                                       ? tr("Roll or type the 2D buyer search (8+).")
                                       : tr("Type a 2D total from 2 to 12."));
        } else {
            const QString sum = tr("2D %1 %2 = %3 against 8")
                                    .arg(check->dice)
                                    .arg(signedNumber(check->modifier))
                                    .arg(check->total());
            buyerFound = check->succeeded();
            m_buyerResult->setText(
                buyerFound ? tr("%1: buyer found.").arg(sum)
                           : tr("%1. No buyer found here yet this month — a further attempt "
                                "takes DM−1.")
                                 .arg(sum));
        }
    }

    const auto quote = currentQuote();
    showProspects(quote);
    if (!quote) {
        if (!traded)
            m_components->setText(tr("Unknown Good — this lot can't be priced."));
        else if (m_priceRoll->text().trimmed().isEmpty())
            m_components->setText(tr("Roll or type the 3D price roll."));
        else
            m_components->setText(tr("Type a 3D total from 3 to 18."));
        m_price->clear();
        m_total->clear();
    } else {
        QStringList parts;
        for (const TradeQuote::Component& component : quote->components)
            parts << tr("%1 %2").arg(ui::qt(component.label).toHtmlEscaped(),
                                     signedNumber(component.value));
        parts << tr("<b>total %1</b>; 3D %2 %3 %4 = %5")
                     .arg(signedNumber(quote->modifier))
                     .arg(quote->dice)
                     .arg(quote->modifier < 0 ? QStringLiteral("-") : QStringLiteral("+"))
                     .arg(std::abs(quote->modifier))
                     .arg(quote->result());
        m_components->setText(parts.join(QStringLiteral("<br>")));
        m_price->setText(tr("%1% of %2 = %3/ton")
                             .arg(quote->percent)
                             .arg(credits(traded->basePrice), credits(quote->pricePerTon)));
        m_total->setText(tr("Total for %1 tons: %2")
                             .arg(m_tons->value())
                             .arg(credits(quote->totalFor(m_tons->value()))));
    }
    m_confirm->setEnabled(quote && buyerFound && m_tons->value() > 0);
}

void CargoTradeSheet::showProspects(const std::optional<TradeQuote>& quote) {
    if (!m_prospects)
        return;
    // The lot as it would be bought: these tons at this price, or at the offer's
    // price before a roll.
    CargoOffer lot = std::get<Purchase>(m_setup.mode).offer;
    lot.tons = m_tons->value();
    if (quote)
        lot.purchasePricePerTon = quote->pricePerTon;
    const std::vector<CargoProspect> prospects = cargoProspects(
        lot, m_setup.negotiator.broker, m_setup.counterpartyBrokerSkill, m_setup.destinations);
    m_prospects->setRowCount(static_cast<int>(prospects.size()));
    const auto profit = [](long long revenue, long long cost) {
        const long long difference = revenue - cost;
        return credits(revenue) + QStringLiteral(" (") +
               (difference < 0 ? QString() : QStringLiteral("+")) + QString::number(difference) +
               QStringLiteral(")");
    };
    for (int row = 0; row < m_prospects->rowCount(); ++row) {
        const CargoProspect& prospect = prospects[static_cast<std::size_t>(row)];
        const QStringList cells = {ui::qt(marketWorldName(prospect.destination)),
                                   QString::number(prospect.parsecs),
                                   profit(prospect.expectedRevenue, prospect.purchaseCost),
                                   profit(prospect.bestRevenue, prospect.purchaseCost),
                                   profit(prospect.worstRevenue, prospect.purchaseCost)};
        for (int column = 0; column < cells.size(); ++column)
            m_prospects->setItem(row, column, new QTableWidgetItem(cells[column]));
    }
}

void CargoTradeSheet::confirm() {
    const auto quote = currentQuote();
    if (!quote)
        return;
    TradeCheck check;
    check.step = isPurchase() ? TradeCheck::Step::purchase : TradeCheck::Step::sale;
    check.source = m_priceSource;
    check.diceCount = 3;
    check.dice = quote->dice;
    check.modifier = quote->modifier;
    const std::string name = good() ? std::string(good()->name) : "Unknown Good";
    check.label = (isPurchase() ? "Purchase \u2014 " : "Sale \u2014 ") + name + " at " +
                  marketWorldName(m_setup.worldProfile);
    std::string refusal;
    if (const auto* purchase = std::get_if<Purchase>(&m_setup.mode)) {
        if (m_purchaseDone)
            refusal = m_purchaseDone(purchase->offer, m_tons->value(), *quote, check);
    } else if (m_saleDone) {
        refusal = m_saleDone(std::get<Sale>(m_setup.mode).entry, m_tons->value(), *quote, check);
    }
    ui::showMessage(m_error, ui::qt(refusal));
    if (refusal.empty())
        accept();
}

void CargoTradeSheet::recordFailedAttempt() {
    const auto check = buyerCheck();
    if (!check || check->succeeded() || !m_failedBuyer)
        return;
    const std::string refusal = m_failedBuyer(std::get<Sale>(m_setup.mode).entry, *check);
    ui::showMessage(m_error, ui::qt(refusal));
    if (refusal.empty())
        reject();
}

} // namespace velmora::trade
