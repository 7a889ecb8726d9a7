#include "ships/ui/export_ship_pdf_sheet.h"

#include "ui/qt_text.h"
#include "ui/view_helpers.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QVBoxLayout>

namespace velmora::ships {

ExportShipPDFSheet::ExportShipPDFSheet(const SavedShipDesign& saved,
                                       const QHash<QString, QImage>& thumbnails, QWidget* parent)
    : QDialog(parent) {
    setObjectName(QStringLiteral("exportShipPDFSheet"));
    const QString name = qt(displayName(saved.header()));
    setWindowTitle(tr("Export %1 to PDF").arg(name));
    auto* layout = new QVBoxLayout(this);
    auto* title = new QLabel(tr("Export %1 to PDF").arg(name), this);
    ui::makeTitle(title);
    layout->addWidget(title);

    if (saved.imageFilenames.empty()) {
        auto* note = new QLabel(tr("This design has no attached images — the PDF will show the "
                                   "description and stats only."),
                                this);
        note->setObjectName(QStringLiteral("noImagesNote"));
        note->setWordWrap(true);
        layout->addWidget(note);
    } else {
        layout->addWidget(ui::sectionHeading(tr("Include Images"), this));
        auto* list = new QWidget(this);
        auto* listLayout = new QVBoxLayout(list);
        int number = 1;
        for (const auto& filename : saved.imageFilenames) {
            const QString file = qt(filename);
            auto* check = new QCheckBox(tr("Image %1").arg(number++), list);
            check->setObjectName(QStringLiteral("imageCheck:") + file);
            check->setChecked(true);
            check->setToolTip(file);
            const QImage thumbnail = thumbnails.value(file);
            if (!thumbnail.isNull()) {
                check->setIcon(QIcon(QPixmap::fromImage(thumbnail)));
                check->setIconSize(QSize(64, 64));
            }
            listLayout->addWidget(check);
            m_checks.append({file, check});
        }
        listLayout->addStretch();
        auto* scroll = new QScrollArea(this);
        scroll->setWidget(list);
        scroll->setWidgetResizable(true);
        layout->addWidget(scroll, 1);
        auto* buttons = new QHBoxLayout;
        auto* all = new QPushButton(tr("Select All"), this);
        all->setObjectName(QStringLiteral("selectAllButton"));
        auto* none = new QPushButton(tr("Select None"), this);
        none->setObjectName(QStringLiteral("selectNoneButton"));
        connect(all, &QPushButton::clicked, this, [this] { setAllChecked(true); });
        connect(none, &QPushButton::clicked, this, [this] { setAllChecked(false); });
        buttons->addWidget(all);
        buttons->addWidget(none);
        buttons->addStretch();
        layout->addLayout(buttons);
    }

    auto* box = new QDialogButtonBox(this);
    auto* cancel = box->addButton(tr("Cancel"), QDialogButtonBox::RejectRole);
    cancel->setObjectName(QStringLiteral("cancelButton"));
    auto* exportButton = box->addButton(tr("Export…"), QDialogButtonBox::AcceptRole);
    exportButton->setObjectName(QStringLiteral("exportButton"));
    exportButton->setDefault(true);
    connect(box, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(box, &QDialogButtonBox::rejected, this, &QDialog::reject);
    layout->addWidget(box);
    resize(420, saved.imageFilenames.empty() ? 180 : 420);
}

QSet<QString> ExportShipPDFSheet::selectedFilenames() const {
    QSet<QString> selected;
    for (const auto& [file, check] : m_checks)
        if (check->isChecked())
            selected.insert(file);
    return selected;
}

void ExportShipPDFSheet::setAllChecked(bool checked) {
    for (const auto& [file, check] : m_checks)
        check->setChecked(checked);
}

} // namespace velmora::ships
