#pragma once

#include "universe/faction_color.h"

#include <QWidget>

namespace velmora::overlays {

// The label as the map will draw it: its text centred on a hex of the night
// background, at its size and colour, turned by its angle. Text too large for
// the preview is shrunk to fit, so that a huge size never floods the editor.
class LabelPreview : public QWidget {
    Q_OBJECT
public:
    explicit LabelPreview(QWidget* parent = nullptr);

    void setLabel(const QString& text, double size, universe::FactionColor color, double angle);

    QString text() const { return m_text; }
    double labelSize() const { return m_size; }
    double angle() const { return m_angle; }
    universe::FactionColor color() const { return m_color; }
    // How much the text had to be shrunk at the last paint; 1 when it fits.
    double fitScale() const { return m_fitScale; }

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString m_text;
    double m_size = 18.0;
    universe::FactionColor m_color = universe::FactionColor::white;
    double m_angle = 0.0;
    double m_fitScale = 1.0;
};

} // namespace velmora::overlays
