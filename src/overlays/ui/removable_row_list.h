#pragma once

#include <QListWidget>

namespace velmora::overlays {

// A list of one-line rows, each with a "Delete" action drawn at its right end.
// The action is painted, not a child widget, so that a nebula of thousands of
// hexes lists as fast as a handful.
class RemovableRowList : public QListWidget {
    Q_OBJECT
public:
    explicit RemovableRowList(QWidget* parent = nullptr);

    void setRows(const QStringList& rows);
    QStringList rows() const;

    // Where the "Delete" action of a row is, in viewport coordinates.
    QRect deleteRect(int row) const;

signals:
    void deleteRequested(int row);

protected:
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    int m_pressedDelete = -1;
};

} // namespace velmora::overlays
