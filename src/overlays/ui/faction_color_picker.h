#pragma once

#include "universe/faction_color.h"

#include <QWidget>

class QButtonGroup;
class QLabel;
class QToolButton;

namespace velmora::overlays {

// The 24 palette colours as swatches in two rows of twelve, with the chosen
// colour's name beside them; exactly one is chosen at any time.
class FactionColorPicker : public QWidget {
    Q_OBJECT
public:
    explicit FactionColorPicker(QWidget* parent = nullptr);

    universe::FactionColor color() const;
    // Does not emit colorChanged: only the user's choice does.
    void setColor(universe::FactionColor color);

    QToolButton* swatch(universe::FactionColor color) const;
    QLabel* nameLabel() const { return m_name; }

signals:
    void colorChanged(velmora::universe::FactionColor color);

private:
    QButtonGroup* m_group;
    QLabel* m_name;
};

} // namespace velmora::overlays
