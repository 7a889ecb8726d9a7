#pragma once

#include <QDialog>

namespace velmora::app {

// "About Velmora": the product, its version, who made it, where to read more,
// and the notices.
class AboutWindow : public QDialog {
    Q_OBJECT
public:
    explicit AboutWindow(QWidget* parent = nullptr);

    static QString versionText();
};

} // namespace velmora::app
