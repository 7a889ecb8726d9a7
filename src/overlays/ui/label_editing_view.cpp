#include "overlays/ui/label_editing_view.h"

#include "overlays/overlay_rows.h"
#include "overlays/ui/faction_color_picker.h"
#include "overlays/ui/hex_picker.h"
#include "overlays/ui/label_preview.h"
#include "overlays/ui/overlay_ui_support.h"
#include "universe/ridivivev_izeviduv.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QSlider>
#include <QToolButton>
#include <algorithm>
#include <cmath>

namespace velmora::overlays {

namespace {

QLabel* valueLabel(QWidget* parent) {
    auto* label = new QLabel(parent);
    label->setMinimumWidth(48);
    label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    QFont font = label->font();
    font.setBold(true);
    label->setFont(font);
    return label;
}

int roundedForSlider(double value, int minimum, int maximum) {
    if (!std::isfinite(value))
        return minimum;
    return static_cast<int>(
        std::lround(std::clamp(value, static_cast<double>(minimum), static_cast<double>(maximum))));
}

QString integerText(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("0");
    return QString::number(std::round(value), 'f', 0);
}

} // namespace

LabelEditingView::LabelEditingView(universe::UniverseManager& manager, QWidget* parent)
    : LabelEditingBase(manager, parent), m_text(new QLineEdit(this)),
      m_category(new QLineEdit(this)), m_existing(new QToolButton(this)),
      m_position(new HexPicker(this)), m_color(new FactionColorPicker(this)),
      m_size(new QSlider(Qt::Horizontal, this)), m_sizeValue(valueLabel(this)),
      m_angle(new QSlider(Qt::Horizontal, this)), m_angleValue(valueLabel(this)),
      m_resetAngle(new QPushButton(tr("Reset"), this)), m_preview(new LabelPreview(this)) {
    setObjectName(QStringLiteral("labelEditor"));
    addSection(tr("Text"));
    m_text->setPlaceholderText(tr("Label text"));
    m_text->setObjectName(QStringLiteral("labelText"));
    addToForm(m_text);

    addSection(tr("Category (optional)"));
    auto* category = new QWidget(this);
    auto* categoryLayout = new QHBoxLayout(category);
    categoryLayout->setContentsMargins(0, 0, 0, 0);
    m_category->setObjectName(QStringLiteral("labelCategory"));
    categoryLayout->addWidget(m_category, 1);
    m_existing->setText(tr("Existing"));
    m_existing->setPopupMode(QToolButton::InstantPopup);
    m_existing->setToolButtonStyle(Qt::ToolButtonTextOnly);
    m_existing->setMenu(new QMenu(m_existing));
    m_existing->setObjectName(QStringLiteral("existingCategories"));
    categoryLayout->addWidget(m_existing);
    addToForm(category);

    addSection(tr("Position"));
    addToForm(m_position);
    addSection(tr("Color"));
    addToForm(m_color);

    addSection(tr("Size"));
    auto* size = new QWidget(this);
    auto* sizeLayout = new QHBoxLayout(size);
    sizeLayout->setContentsMargins(0, 0, 0, 0);
    m_size->setRange(smallestSize, largestSize);
    m_size->setSingleStep(1);
    m_size->setPageStep(4);
    m_size->setObjectName(QStringLiteral("labelSize"));
    sizeLayout->addWidget(m_size, 1);
    m_sizeValue->setObjectName(QStringLiteral("labelSizeValue"));
    sizeLayout->addWidget(m_sizeValue);
    addToForm(size);

    addSection(tr("Angle"));
    auto* angle = new QWidget(this);
    auto* angleLayout = new QHBoxLayout(angle);
    angleLayout->setContentsMargins(0, 0, 0, 0);
    m_angle->setRange(-180, 180);
    m_angle->setSingleStep(1);
    m_angle->setPageStep(15);
    m_angle->setTickPosition(QSlider::TicksBelow);
    m_angle->setTickInterval(45);
    m_angle->setObjectName(QStringLiteral("labelAngle"));
    angleLayout->addWidget(m_angle, 1);
    m_angleValue->setObjectName(QStringLiteral("labelAngleValue"));
    angleLayout->addWidget(m_angleValue);
    angleLayout->addWidget(m_resetAngle);
    addToForm(angle);

    addSection(tr("Preview"));
    addToForm(m_preview);
    form()->addStretch();

    connect(m_text, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_draft.text = text.toStdString();
        refreshValues();
        refreshState();
    });
    connect(m_category, &QLineEdit::textEdited, this, [this](const QString& text) {
        m_draft.category = text.trimmed().toStdString();
        refreshState();
    });
    connect(m_existing->menu(), &QMenu::triggered, this, [this](QAction* action) {
        m_category->setText(action->text());
        m_draft.category = action->text().toStdString();
        refreshState();
    });
    connect(m_position, &HexPicker::coordinatesChanged, this,
            [this](const core::GalacticCoordinates& hex) {
                m_draft.position = hex;
                refreshState();
            });
    connect(m_color, &FactionColorPicker::colorChanged, this, [this](universe::FactionColor color) {
        m_draft.color = color;
        refreshValues();
        refreshState();
    });
    // The sliders only write when moved, so a stored size or angle outside
    // their range stays as it is until the referee changes it.
    connect(m_size, &QSlider::valueChanged, this, [this](int value) {
        m_draft.size = value;
        refreshValues();
        refreshState();
    });
    connect(m_angle, &QSlider::valueChanged, this, [this](int value) {
        m_draft.angle = value;
        refreshValues();
        refreshState();
    });
    connect(m_resetAngle, &QPushButton::clicked, this, [this] {
        m_draft.angle = 0.0;
        {
            const QSignalBlocker blocker(m_angle);
            m_angle->setValue(0);
        }
        refreshValues();
        refreshState();
    });
    startNew();
}

universe::StarmapLabel LabelEditingView::blank() const {
    const auto& universe = this->universe();
    universe::StarmapLabel label;
    label.position = universe.data().empty() ? core::GalacticCoordinates{0, 0, 1, 1}
                                             : universe.data().front().coordinates;
    return label;
}

void LabelEditingView::load() {
    m_position->setUniverse(&universe());
    m_text->setText(qt(m_draft.text));
    m_category->setText(qt(m_draft.category));
    m_position->setCoordinates(m_draft.position);
    m_color->setColor(m_draft.color);
    {
        const QSignalBlocker blocker(m_size);
        m_size->setValue(roundedForSlider(m_draft.size, smallestSize, largestSize));
    }
    {
        const QSignalBlocker blocker(m_angle);
        m_angle->setValue(roundedForSlider(m_draft.angle, -180, 180));
    }
    refreshCategories();
    refreshValues();
    refreshState();
}

void LabelEditingView::refreshCategories() {
    QMenu* menu = m_existing->menu();
    menu->clear();
    for (const std::string& category : labelCategories(universe()))
        menu->addAction(qt(category));
    m_existing->setEnabled(!menu->isEmpty());
}

void LabelEditingView::refreshValues() {
    m_sizeValue->setText(integerText(m_draft.size));
    m_angleValue->setText(integerText(m_draft.angle) + QStringLiteral("°"));
    m_preview->setLabel(qt(m_draft.text), m_draft.size, m_draft.color, m_draft.angle);
}

std::string LabelEditingView::recordName(const universe::StarmapLabel& record) const {
    return "Label " + labelDisplayName(record);
}

QString LabelEditingView::titleText() const {
    return isCreating() ? tr("Label Creation") : tr("Edit Label");
}

QString LabelEditingView::buttonText() const {
    return isCreating() ? tr("Create Label") : tr("Save Changes");
}

} // namespace velmora::overlays
