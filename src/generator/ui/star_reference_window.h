#pragma once

#include <QWidget>

class QTabWidget;

namespace velmora::generator {

// "Star Reference": spectral types and luminosity classes, and the tables the
// generator rolls stars and habitable zones on.
class StarReferenceWindow : public QWidget {
    Q_OBJECT
public:
    explicit StarReferenceWindow(QWidget* parent = nullptr);
    QTabWidget* tabs() const { return m_tabs; }

private:
    QTabWidget* m_tabs;
};

} // namespace velmora::generator
