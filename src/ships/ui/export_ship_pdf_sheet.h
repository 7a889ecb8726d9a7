#pragma once

#include "ships/saved_ship_design.h"

#include <QDialog>
#include <QSet>
#include <QString>

class QCheckBox;

namespace velmora::ships {

// Asks which of a ship's images go on its sheet before it is exported.
class ExportShipPDFSheet : public QDialog {
    Q_OBJECT
public:
    // `thumbnails` are the images' small pictures by file name (any may be missing).
    ExportShipPDFSheet(const SavedShipDesign& saved, const QHash<QString, QImage>& thumbnails,
                       QWidget* parent = nullptr);

    // The images chosen, every one at first.
    QSet<QString> selectedFilenames() const;

private:
    void setAllChecked(bool checked);

    QList<QPair<QString, QCheckBox*>> m_checks;
};

} // namespace velmora::ships
