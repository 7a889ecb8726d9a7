#pragma once

#include "universe/faction_color.h"

#include <QWidget>

class QButtonGroup;
class QToolButton;

namespace velmora::factions {

// The 24 palette colours as swatches, two rows of twelve; exactly one is chosen.
class ColorSwatchPicker : public QWidget {
    Q_OBJECT
public:
    explicit ColorSwatchPicker(QWidget* parent = nullptr);

    universe::FactionColor color() const;
    void setColor(universe::FactionColor color);
    QToolButton* swatch(universe::FactionColor color) const;

signals:
    void colorChanged(velmora::universe::FactionColor color);

private:
    QButtonGroup* m_group;
};

} // namespace velmora::factions
