#pragma once

#include <QWidget>

class QTabWidget;

namespace velmora::core {

// "UWP Reference": how to read a universal world profile, digit by digit, with
// the bases, tech levels and trade codes.
class UwpReferenceWindow : public QWidget {
    Q_OBJECT
public:
    explicit UwpReferenceWindow(QWidget* parent = nullptr);
    QTabWidget* tabs() const { return m_tabs; }

private:
    QTabWidget* m_tabs;
};

} // namespace velmora::core
