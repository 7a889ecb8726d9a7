#include "app/about_window.h"

#include "app/app_links.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QStyle>
#include <QVBoxLayout>

namespace velmora::app {

QString AboutWindow::versionText() {
    return QStringLiteral("Version %1").arg(QApplication::applicationVersion());
}

AboutWindow::AboutWindow(QWidget* parent) : QDialog(parent) {
    setWindowTitle(tr("About Velmora"));
    auto* layout = new QVBoxLayout(this);

    auto* name = new QLabel(QStringLiteral("Velmora"), this);
    QFont nameFont = name->font();
    nameFont.setPointSizeF(nameFont.pointSizeF() * 2.0);
    nameFont.setBold(true);
    name->setFont(nameFont);
    name->setAlignment(Qt::AlignCenter);

    auto* tagline = new QLabel(tr("A referee's toolkit for science-fiction campaigns"), this);
    tagline->setAlignment(Qt::AlignCenter);
    auto* version = new QLabel(versionText(), this);
    version->setAlignment(Qt::AlignCenter);
    version->setObjectName(QStringLiteral("aboutVersion"));
    auto* maker = new QLabel(tr("Made by the Velmora developers."), this);
    maker->setAlignment(Qt::AlignCenter);

    auto* links = new QLabel(tr("<a href=\"%1\">Documentation</a> · <a href=\"%2\">Community</a>")
                                 .arg(documentationUrl(), communityUrl()),
                             this);
    links->setOpenExternalLinks(true);
    links->setAlignment(Qt::AlignCenter);

    auto* ownership = new QLabel(tr("Velmora © 2026 the Velmora developers. Velmora is free "
                                    "software; your universes, campaigns and "
                                    "ship designs are yours and stay in your own files."),
                                 this);
    ownership->setWordWrap(true);
    auto* fanUse =
        new QLabel(tr("Traveller is a registered trademark of Far Future Enterprises. Velmora is "
                      "an unofficial fan work "
                      "under the Traveller fair-use policy, made with permission granted for "
                      "non-commercial fan projects; "
                      "it is not endorsed by Far Future Enterprises or Mongoose Publishing. Sector "
                      "data imported from the "
                      "Traveller Map service remains the work of its authors and contributors."),
                   this);
    fanUse->setWordWrap(true);
    QFont small = fanUse->font();
    small.setPointSizeF(small.pointSizeF() * 0.9);
    ownership->setFont(small);
    fanUse->setFont(small);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    layout->addWidget(name);
    layout->addWidget(tagline);
    layout->addWidget(version);
    layout->addWidget(maker);
    layout->addWidget(links);
    layout->addSpacing(8);
    layout->addWidget(ownership);
    layout->addWidget(fanUse);
    layout->addWidget(buttons);
    setMinimumWidth(440);
}

} // namespace velmora::app
