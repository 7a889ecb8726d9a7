#include "overlays/ui/faction_color_picker.h"

#include "overlays/ui/overlay_ui_support.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QToolButton>

namespace velmora::overlays {

using universe::FactionColor;

namespace {
constexpr int swatchesPerRow = 12;
constexpr int swatchSize = 20;
} // namespace

FactionColorPicker::FactionColorPicker(QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)), m_name(new QLabel(this)) {
    m_group->setExclusive(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setHorizontalSpacing(2);
    grid->setVerticalSpacing(2);
    for (std::size_t i = 0; i < universe::factionColorCount; ++i) {
        const FactionColor color = universe::factionColorAt(i);
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(swatchIcon(color, swatchSize));
        button->setIconSize(QSize(swatchSize, swatchSize));
        button->setToolTip(colorDisplayName(color));
        button->setAccessibleName(colorDisplayName(color));
        button->setObjectName(QStringLiteral("swatch-") + qt(universe::rawValue(color)));
        button->setFocusPolicy(Qt::TabFocus);
        // A ring marks the chosen swatch: the platform's pressed look is hard to
        // see on a button this small.
        button->setStyleSheet(
            QStringLiteral("QToolButton { border: 2px solid transparent; border-radius: 6px; "
                           "padding: 1px; } QToolButton:hover { border-color: palette(mid); } "
                           "QToolButton:checked { border-color: palette(highlight); }"));
        m_group->addButton(button, static_cast<int>(i));
        grid->addWidget(button, static_cast<int>(i) / swatchesPerRow,
                        static_cast<int>(i) % swatchesPerRow);
    }
    m_name->setObjectName(QStringLiteral("colorName"));
    m_name->setMinimumWidth(90);
    grid->addWidget(m_name, 0, swatchesPerRow, 2, 1, Qt::AlignVCenter);
    grid->setColumnStretch(swatchesPerRow + 1, 1);
    setColor(FactionColor::red);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (!checked)
            return;
        const FactionColor color = universe::factionColorAt(static_cast<std::size_t>(id));
        m_name->setText(QStringLiteral("  ") + colorDisplayName(color));
        emit colorChanged(color);
    });
}

FactionColor FactionColorPicker::color() const {
    const int id = m_group->checkedId();
    return id < 0 ? FactionColor::red : universe::factionColorAt(static_cast<std::size_t>(id));
}

void FactionColorPicker::setColor(FactionColor color) {
    const QSignalBlocker blocker(m_group);
    if (QAbstractButton* button = m_group->button(static_cast<int>(universe::paletteIndex(color))))
        button->setChecked(true);
    m_name->setText(QStringLiteral("  ") + colorDisplayName(color));
}

QToolButton* FactionColorPicker::swatch(FactionColor color) const {
    return static_cast<QToolButton*>(
        m_group->button(static_cast<int>(universe::paletteIndex(color))));
}

} // namespace velmora::overlays
