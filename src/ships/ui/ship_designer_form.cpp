#include "ships/ui/ship_designer_form.h"

#include "ships/tech_level_gates.h"
#include "ui/view_helpers.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::ships {

namespace {

QLabel* wrappedLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setWordWrap(true);
    return label;
}

} // namespace

std::optional<QString> techLevelReason(int required, int designTechLevel) {
    if (const auto reason = unavailableReason(required, designTechLevel))
        return qt(*reason);
    return std::nullopt;
}

QString optionLabel(std::string_view field) {
    const auto& options = optionTechLevels();
    const auto found = std::find_if(options.begin(), options.end(),
                                    [&](const OptionTechLevel& o) { return o.field == field; });
    return found == options.end() ? qt(field) : qt(found->label);
}

QString tonsReadOut(double tons) {
    const QString amount = qt(tonsText(tons));
    return amount + (amount == QStringLiteral("1") ? QObject::tr(" ton") : QObject::tr(" tons"));
}

QString megaCreditsReadOut(double credits) {
    return QStringLiteral("MCr") + qt(megaCreditsText(credits));
}

QString powerReadOut(double power) {
    return qt(tonsText(power));
}

void showComboValue(QComboBox* box, int value, const std::function<int(int)>& techLevelOfItem,
                    int designTechLevel) {
    auto* model = qobject_cast<QStandardItemModel*>(box->model());
    if (techLevelOfItem && model) {
        for (int row = 0; row < box->count(); ++row) {
            QStandardItem* item = model->item(row);
            const auto reason =
                techLevelReason(techLevelOfItem(box->itemData(row).toInt()), designTechLevel);
            item->setEnabled(!reason);
            item->setToolTip(reason.value_or(QString()));
        }
    }
    const int index = box->findData(value);
    box->setCurrentIndex(index);
    const QStandardItem* current = model && index >= 0 ? model->item(index) : nullptr;
    // A choice beyond the tech level (from a file, or the level lowered since) says
    // so on the closed box too.
    box->setToolTip(current && !current->isEnabled() ? current->toolTip() : QString());
}

DesignForm::DesignForm(ShipDesign& design, std::function<void()> edited)
    : m_design(design), m_summary(summarize(design)), m_edited(std::move(edited)) {}

void DesignForm::recompute() {
    m_summary = summarize(m_design);
    refresh();
}

void DesignForm::refresh() {
    m_refreshing = true;
    for (const auto& refresh : m_refreshers)
        refresh();
    m_refreshing = false;
}

QFormLayout* DesignForm::step(QVBoxLayout* column, const QString& heading,
                              const QString& objectName) {
    auto* box = new QGroupBox(heading);
    box->setObjectName(objectName);
    // Only the headings are bold: style sheets, unlike fonts, do not pass to children.
    box->setStyleSheet(QStringLiteral("QGroupBox { font-weight: bold; }"));
    auto* form = new QFormLayout(box);
    form->setFieldGrowthPolicy(QFormLayout::FieldsStayAtSizeHint);
    form->setRowWrapPolicy(QFormLayout::DontWrapRows);
    column->addWidget(box);
    m_steps.push_back(box);
    return form;
}

QGroupBox* DesignForm::stepBox(const QString& objectName) const {
    const auto found = std::find_if(m_steps.begin(), m_steps.end(), [&](QGroupBox* box) {
        return box->objectName() == objectName;
    });
    return found == m_steps.end() ? nullptr : *found;
}

void DesignForm::subheading(QFormLayout* form, const QString& text) {
    auto* label = new QLabel(text);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    label->setContentsMargins(0, 8, 0, 0);
    form->addRow(label);
}

QSpinBox* DesignForm::number(QFormLayout* form, const QString& label, const QString& objectName,
                             int* field, Range range, const QString& suffix) {
    return makeNumber(
        form, label, objectName, field, range.lowest, [range] { return range.highest; }, suffix);
}

QSpinBox* DesignForm::number(QFormLayout* form, const QString& label, const QString& objectName,
                             int* field, std::function<int()> highest) {
    return makeNumber(form, label, objectName, field, 0, std::move(highest), {});
}

QSpinBox* DesignForm::makeNumber(QFormLayout* form, const QString& label, const QString& objectName,
                                 int* field, int lowest, std::function<int()> highest,
                                 const QString& suffix) {
    auto* box = new QSpinBox;
    box->setObjectName(objectName);
    box->setSuffix(suffix);
    box->setMinimumWidth(140);
    // Figures follow each keystroke, as the referee types.
    box->setKeyboardTracking(true);
    auto* caption = new QLabel(label);
    form->addRow(caption, box);
    QObject::connect(box, &QSpinBox::valueChanged, box, [this, field](int value) {
        if (m_refreshing || *field == value)
            return;
        *field = value;
        m_edited();
    });
    onRefresh([box, field, lowest, highest = std::move(highest)] {
        const QSignalBlocker blocker(box);
        // A value already beyond the range (a design from a file) is shown as it is.
        const int bottom = std::min(lowest, *field);
        const int top = std::max({highest(), *field, bottom});
        // Left alone while they agree, so the cursor stays where the referee types.
        if (box->minimum() != bottom || box->maximum() != top)
            box->setRange(bottom, top);
        if (box->value() != *field)
            box->setValue(*field);
    });
    return box;
}

QCheckBox* DesignForm::toggle(QFormLayout* form, const QString& label, const QString& objectName,
                              bool* field, Availability availability) {
    auto* box = new QCheckBox(label);
    box->setObjectName(objectName);
    form->addRow(box);
    QObject::connect(box, &QCheckBox::toggled, box, [this, field](bool on) {
        if (m_refreshing || *field == on)
            return;
        *field = on;
        m_edited();
    });
    onRefresh([box, field, availability = std::move(availability)] {
        const QSignalBlocker blocker(box);
        box->setChecked(*field);
        const auto reason = availability ? availability() : std::nullopt;
        // A switch already on stays free to be turned off.
        box->setEnabled(!reason || *field);
        box->setToolTip(reason.value_or(QString()));
    });
    return box;
}

QCheckBox* DesignForm::gatedToggle(QFormLayout* form, std::string_view field,
                                   const QString& objectName, bool* value) {
    const int techLevel = optionTechLevel(field).value_or(0);
    return toggle(form, optionLabel(field), objectName, value,
                  [this, techLevel] { return techLevelReason(techLevel, m_design.techLevel); });
}

QComboBox* DesignForm::makeCombo(QFormLayout* form, const QString& label,
                                 const QString& objectName) {
    auto* box = new QComboBox;
    box->setObjectName(objectName);
    box->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    auto* caption = new QLabel(label);
    form->addRow(caption, box);
    return box;
}

void DesignForm::bindCombo(QComboBox* box, std::function<int()> read,
                           std::function<void(int)> write,
                           std::function<int(int)> techLevelOfItem) {
    QObject::connect(box, &QComboBox::currentIndexChanged, box, [this, box, read, write](int) {
        if (m_refreshing)
            return;
        const int value = box->currentData().toInt();
        if (value == read())
            return;
        write(value);
        m_edited();
    });
    onRefresh([this, box, read, techLevelOfItem] {
        const QSignalBlocker blocker(box);
        showComboValue(box, read(), techLevelOfItem, m_design.techLevel);
    });
}

QComboBox* DesignForm::rating(QFormLayout* form, const QString& label, const QString& objectName,
                              int* field, int lowest, int highest,
                              std::function<std::optional<int>(int)> techLevelOfRating) {
    QComboBox* box = makeCombo(form, label, objectName);
    for (int value = lowest; value <= highest; ++value)
        box->addItem(QString::number(value), value);
    bindCombo(
        box, [field] { return *field; }, [field](int value) { *field = value; },
        techLevelOfRating ? std::function<int(int)>([techLevelOfRating](int value) {
            return techLevelOfRating(value).value_or(0);
        })
                          : std::function<int(int)>());
    return box;
}

QLabel* DesignForm::readOut(QFormLayout* form, const QString& label, const QString& objectName,
                            std::function<QString()> value) {
    auto* caption = new QLabel(label);
    auto* shown = new QLabel;
    shown->setObjectName(objectName);
    shown->setTextInteractionFlags(Qt::TextSelectableByMouse);
    form->addRow(caption, shown);
    onRefresh([shown, value = std::move(value)] { shown->setText(value()); });
    return shown;
}

QLabel* DesignForm::note(QFormLayout* form, const QString& text, const QString& objectName) {
    QLabel* label = ui::quietNote(text, nullptr);
    label->setWordWrap(true);
    if (!objectName.isEmpty())
        label->setObjectName(objectName);
    form->addRow(label);
    return label;
}

QLabel* DesignForm::dynamicNote(QFormLayout* form, const QString& objectName,
                                std::function<QString()> text) {
    QLabel* label = note(form, QString(), objectName);
    onRefresh([form, label, text = std::move(text)] {
        const QString shown = text();
        label->setText(shown);
        form->setRowVisible(label, !shown.isEmpty());
    });
    return label;
}

QLabel* DesignForm::warning(QFormLayout* form, const QString& objectName, std::string_view text) {
    QLabel* label = wrappedLabel(qt(text), nullptr);
    label->setObjectName(objectName);
    label->setStyleSheet(QStringLiteral("color: #b3261e;"));
    form->addRow(label);
    const std::string wanted(text);
    onRefresh([this, form, label, wanted] {
        const auto& warnings = m_summary.warnings;
        form->setRowVisible(label,
                            std::find(warnings.begin(), warnings.end(), wanted) != warnings.end());
    });
    return label;
}

void DesignForm::showRowWhen(QFormLayout* form, QWidget* widget, std::function<bool()> when) {
    onRefresh([form, widget, when = std::move(when)] { form->setRowVisible(widget, when()); });
}

} // namespace velmora::ships
