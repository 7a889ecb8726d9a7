#pragma once

#include <QPointF>
#include <QWidget>

namespace velmora::overlays {

// A flat-topped hex with its six corners to click, numbered as region anchors
// number them: 0 right, 1 lower right, 2 lower left, 3 left, 4 upper left,
// 5 upper right. The chosen corner is highlighted; the arrow keys walk round.
class CornerDiagram : public QWidget {
    Q_OBJECT
public:
    explicit CornerDiagram(QWidget* parent = nullptr);

    int selected() const { return m_selected; }
    // Does not emit selectedChanged: only the user's choice does.
    void setSelected(int corner);

    // Where corner i is drawn, in widget coordinates.
    QPointF cornerPoint(int corner) const;
    // The corner within reach of a point, or -1.
    int cornerAt(QPointF point) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void selectedChanged(int corner);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    double radius() const;
    void choose(int corner);

    int m_selected = 0;
    int m_hovered = -1;
};

} // namespace velmora::overlays
