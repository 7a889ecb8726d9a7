#include "factions/ui/color_swatch_picker.h"

#include "factions/ui/faction_ui_support.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QToolButton>

namespace velmora::factions {

using universe::FactionColor;

namespace {
constexpr int swatchesPerRow = 12;
}

ColorSwatchPicker::ColorSwatchPicker(QWidget* parent)
    : QWidget(parent), m_group(new QButtonGroup(this)) {
    m_group->setExclusive(true);
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->setSpacing(3);
    for (std::size_t i = 0; i < universe::factionColorCount; ++i) {
        const FactionColor color = universe::factionColorAt(i);
        auto* button = new QToolButton(this);
        button->setCheckable(true);
        button->setAutoRaise(true);
        button->setIcon(swatchIcon(color, 18));
        button->setIconSize(QSize(18, 18));
        button->setToolTip(colorDisplayName(color));
        button->setAccessibleName(colorDisplayName(color));
        button->setObjectName(QStringLiteral("swatch-") + qt(universe::rawValue(color)));
        // The chosen swatch gets a ring, which reads better than the platform's
        // pressed look on a tiny button.
        button->setStyleSheet(QStringLiteral(
            "QToolButton { border: 2px solid transparent; border-radius: 5px; "
            "padding: 1px; } QToolButton:checked { border-color: palette(highlight); }"));
        m_group->addButton(button, static_cast<int>(i));
        grid->addWidget(button, static_cast<int>(i) / swatchesPerRow,
                        static_cast<int>(i) % swatchesPerRow);
    }
    grid->setColumnStretch(swatchesPerRow, 1);
    setColor(FactionColor::black);
    connect(m_group, &QButtonGroup::idToggled, this, [this](int id, bool checked) {
        if (checked)
            emit colorChanged(universe::factionColorAt(static_cast<std::size_t>(id)));
    });
}

FactionColor ColorSwatchPicker::color() const {
    const int id = m_group->checkedId();
    return id < 0 ? FactionColor::black : universe::factionColorAt(static_cast<std::size_t>(id));
}

void ColorSwatchPicker::setColor(FactionColor color) {
    const QSignalBlocker blocker(m_group);
    if (QAbstractButton* button = m_group->button(static_cast<int>(universe::paletteIndex(color))))
        button->setChecked(true);
}

QToolButton* ColorSwatchPicker::swatch(FactionColor color) const {
    return static_cast<QToolButton*>(
        m_group->button(static_cast<int>(universe::paletteIndex(color))));
}

} // namespace velmora::factions
