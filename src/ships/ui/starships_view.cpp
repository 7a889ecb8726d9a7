#include "ships/ui/starships_view.h"

#include "core/file_io.h"
#include "ships/saved_ship_designs_store.h"
#include "ships/ui/export_ship_pdf_sheet.h"
#include "ships/ui/ship_image_window.h"
#include "ships/ui/ship_sheet_renderer.h"
#include "ships/ui/ship_statistics_html.h"
#include "ui/empty_state_view.h"
#include "ui/qt_text.h"

#include <QCollator>
#include <QFileDialog>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QScrollArea>
#include <QSplitter>
#include <QStackedWidget>
#include <QTextBrowser>
#include <QVBoxLayout>
#include <algorithm>

namespace velmora::ships {

namespace {

constexpr int idRole = Qt::UserRole;
constexpr int filenameRole = Qt::UserRole + 1;

QPushButton* button(const QString& text, const char* name, QWidget* parent) {
    auto* made = new QPushButton(text, parent);
    made->setObjectName(QString::fromLatin1(name));
    return made;
}

// Rich text as tall as its content, so the detail scrolls as one page.
class FittedText : public QTextBrowser {
public:
    using QTextBrowser::QTextBrowser;
    void fit() {
        document()->setTextWidth(viewport()->width());
        setFixedHeight(int(document()->size().height()) + 2 * frameWidth() + 4);
    }

protected:
    void resizeEvent(QResizeEvent* event) override {
        QTextBrowser::resizeEvent(event);
        fit();
    }
};

FittedText* textPane(const char* name, QWidget* parent) {
    auto* pane = new FittedText(parent);
    pane->setObjectName(QString::fromLatin1(name));
    pane->setOpenExternalLinks(true);
    pane->setFrameShape(QFrame::NoFrame);
    pane->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    pane->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    return pane;
}

QString subtitleOf(const SavedShipDesign::Header& header) {
    QStringList parts;
    if (!header.configurationName.empty())
        parts << qt(header.configurationName);
    if (!header.typeLabel.empty())
        parts << qt(header.typeLabel);
    return parts.join(QStringLiteral(" · "));
}

} // namespace

StarshipsPrompts StarshipsPrompts::standard() {
    StarshipsPrompts prompts;
    prompts.confirm = ui::askWithMessageBox();
    prompts.confirmOverwrite = [](QWidget* parent, const QString& message) {
        QMessageBox box(QMessageBox::Warning, QObject::tr("Overwrite Ship?"), message,
                        QMessageBox::Cancel, parent);
        QPushButton* replace =
            box.addButton(QObject::tr("Overwrite"), QMessageBox::DestructiveRole);
        box.setDefaultButton(QMessageBox::Cancel);
        box.exec();
        return box.clickedButton() == replace;
    };
    prompts.chooseImageFile = [](QWidget* parent) {
        return QFileDialog::getOpenFileName(
            parent, QObject::tr("Add Image"), QString(),
            QObject::tr("Images (*.png *.jpg *.jpeg *.gif *.bmp *.webp *.tif *.tiff);;All Files "
                        "(*)"));
    };
    prompts.chooseFolder = [](QWidget* parent, const QString& title) {
        return QFileDialog::getExistingDirectory(parent, title);
    };
    prompts.chooseSheetFile = [](QWidget* parent, const QString& defaultName) {
        return QFileDialog::getSaveFileName(parent, QObject::tr("Export to PDF"), defaultName,
                                            QObject::tr("PDF (*.pdf)"));
    };
    prompts.chooseSheetImages =
        [](QWidget* parent, const SavedShipDesign& saved,
           const QHash<QString, QImage>& thumbnails) -> std::optional<QSet<QString>> {
        ExportShipPDFSheet sheet(saved, thumbnails, parent);
        if (sheet.exec() != QDialog::Accepted)
            return std::nullopt;
        return sheet.selectedFilenames();
    };
    prompts.alert = [](QWidget* parent, const QString& title, const QString& message) {
        QMessageBox::warning(parent, title, message);
    };
    return prompts;
}

StarshipsView::StarshipsView(SavedShipDesignsStore& store, ui::WindowRegistry& windows,
                             DesignerOpener openDesigner, StarshipsPrompts prompts, QWidget* parent)
    : QWidget(parent), m_store(store), m_windows(windows), m_openDesigner(std::move(openDesigner)),
      m_prompts(std::move(prompts)) {
    setObjectName(QStringLiteral("starshipsView"));
    auto* splitter = new QSplitter(this);
    auto* outer = new QHBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(splitter);

    // The list, with the import beside it: an import may not match any ship yet.
    auto* listSide = new QWidget(splitter);
    auto* listLayout = new QVBoxLayout(listSide);
    auto* heading = new QLabel(tr("Starships"), listSide);
    ui::makeTitle(heading);
    listLayout->addWidget(heading);
    m_listStack = new QStackedWidget(listSide);
    m_list = new QListWidget(m_listStack);
    m_list->setObjectName(QStringLiteral("shipList"));
    m_list->setWordWrap(true);
    m_list->setSpacing(3);
    auto* noShips = new QLabel(tr("No saved ships"), m_listStack);
    noShips->setObjectName(QStringLiteral("noShipsLabel"));
    noShips->setAlignment(Qt::AlignCenter);
    m_listStack->addWidget(noShips);
    m_listStack->addWidget(m_list);
    listLayout->addWidget(m_listStack, 1);
    auto* import = button(tr("Import…"), "importButton", listSide);
    listLayout->addWidget(import);
    splitter->addWidget(listSide);

    m_detailStack = new QStackedWidget(splitter);
    m_noSelection = new ui::EmptyStateView(
        tr("No Ship Selected"),
        tr("Choose a saved ship, or save one from the Ship Designer (Ctrl+Shift+S)."),
        m_detailStack);
    m_noSelection->setObjectName(QStringLiteral("noShipSelected"));
    m_detailStack->addWidget(m_noSelection);

    auto* scroll = new QScrollArea(m_detailStack);
    scroll->setWidgetResizable(true);
    scroll->setFrameShape(QFrame::NoFrame);
    auto* detail = new QWidget(scroll);
    detail->setObjectName(QStringLiteral("shipDetail"));
    auto* layout = new QVBoxLayout(detail);
    m_title = new QLabel(detail);
    m_title->setObjectName(QStringLiteral("shipTitle"));
    ui::makeTitle(m_title);
    m_title->setTextInteractionFlags(Qt::TextSelectableByMouse);
    m_subtitle = ui::quietNote(QString(), detail);
    m_subtitle->setObjectName(QStringLiteral("shipSubtitle"));
    layout->addWidget(m_title);
    layout->addWidget(m_subtitle);

    auto* actions = new QHBoxLayout;
    m_edit = button(tr("Edit"), "editButton", detail);
    auto* duplicate = button(tr("Duplicate"), "duplicateButton", detail);
    auto* remove = button(tr("Delete"), "deleteButton", detail);
    auto* exportFolder = button(tr("Export Folder…"), "exportFolderButton", detail);
    auto* exportPdf = button(tr("Export to PDF…"), "exportPdfButton", detail);
    for (auto* action : {m_edit, duplicate, remove, exportFolder, exportPdf})
        actions->addWidget(action);
    actions->addStretch();
    layout->addLayout(actions);
    if (!m_openDesigner) {
        m_edit->setEnabled(false);
        m_edit->setToolTip(tr("The Ship Designer is not available, so designs can't be edited."));
    } else {
        m_edit->setToolTip(tr("Open this design in the Ship Designer"));
    }
    m_status = ui::messageLine(QStringLiteral("statusLine"), false);
    layout->addWidget(m_status);

    layout->addWidget(ui::sectionHeading(tr("Description"), detail));
    m_description = textPane("descriptionView", detail);
    layout->addWidget(m_description);

    layout->addWidget(ui::sectionHeading(tr("Images"), detail));
    m_noImages = ui::quietNote(tr("No images attached."), detail);
    m_noImages->setObjectName(QStringLiteral("noImagesLabel"));
    layout->addWidget(m_noImages);
    m_images = new QListWidget(detail);
    m_images->setObjectName(QStringLiteral("imageList"));
    m_images->setViewMode(QListView::IconMode);
    m_images->setIconSize(QSize(160, 120));
    m_images->setResizeMode(QListView::Adjust);
    m_images->setMovement(QListView::Static);
    m_images->setFixedHeight(150);
    m_images->setToolTip(tr("Double-click an image to open it in its own window."));
    layout->addWidget(m_images);
    auto* imageActions = new QHBoxLayout;
    auto* addImage = button(tr("Add Image…"), "addImageButton", detail);
    m_removeImage = button(tr("Remove Image"), "removeImageButton", detail);
    m_removeImage->setEnabled(false);
    imageActions->addWidget(addImage);
    imageActions->addWidget(m_removeImage);
    imageActions->addStretch();
    layout->addLayout(imageActions);

    // The figures last: the table is long, the words and pictures say what ship it is.
    m_summary = textPane("summaryView", detail);
    layout->addWidget(m_summary);
    layout->addStretch();
    scroll->setWidget(detail);
    m_detailStack->addWidget(scroll);
    splitter->addWidget(m_detailStack);
    splitter->setStretchFactor(1, 1);
    splitter->setSizes({240, 700});

    connect(m_list, &QListWidget::currentItemChanged, this, [this](QListWidgetItem* item) {
        if (m_updating)
            return;
        m_selected = item ? core::Uuid::fromString(item->data(idRole).toString().toStdString())
                          : std::nullopt;
        m_status->hide();
        showSelected();
    });
    connect(m_images, &QListWidget::itemSelectionChanged, this,
            [this] { m_removeImage->setEnabled(!m_images->selectedItems().isEmpty()); });
    connect(m_images, &QListWidget::itemDoubleClicked, this,
            [this](QListWidgetItem* item) { openImage(item->data(filenameRole).toString()); });
    connect(import, &QPushButton::clicked, this, &StarshipsView::importFolder);
    connect(m_edit, &QPushButton::clicked, this, &StarshipsView::editSelected);
    connect(duplicate, &QPushButton::clicked, this, &StarshipsView::duplicateSelected);
    connect(remove, &QPushButton::clicked, this, &StarshipsView::deleteSelected);
    connect(exportFolder, &QPushButton::clicked, this, &StarshipsView::exportFolder);
    connect(exportPdf, &QPushButton::clicked, this, &StarshipsView::exportPdf);
    connect(addImage, &QPushButton::clicked, this, &StarshipsView::addImage);
    connect(m_removeImage, &QPushButton::clicked, this, &StarshipsView::removeImage);

    m_subscription = m_store.changed().subscribe([this] {
        if (m_updating)
            return;
        refreshList();
        showSelected();
    });
    // Another program (the command line) may have changed the library meanwhile.
    m_updating = true;
    m_store.reloadHeaders();
    m_updating = false;
    refreshList();
    showSelected();
}

StarshipsView::~StarshipsView() = default;

void StarshipsView::select(const core::Uuid& id) {
    m_selected = id;
    refreshList();
    showSelected();
}

void StarshipsView::refreshList() {
    m_updating = true;
    auto headers = m_store.headers();
    QCollator collator{QLocale(QLocale::English)};
    collator.setNumericMode(true);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    std::stable_sort(headers.begin(), headers.end(), [&](const auto& a, const auto& b) {
        return collator.compare(qt(displayName(a)), qt(displayName(b))) < 0;
    });
    m_list->clear();
    QListWidgetItem* current = nullptr;
    for (const auto& header : headers) {
        const QString subtitle = subtitleOf(header);
        auto* item = new QListWidgetItem(
            qt(displayName(header)) + (subtitle.isEmpty() ? QString() : "\n" + subtitle), m_list);
        item->setData(idRole, qt(header.id.toString()));
        if (m_selected == header.id)
            current = item;
    }
    if (!current)
        m_selected.reset();
    m_list->setCurrentItem(current);
    m_listStack->setCurrentIndex(headers.empty() ? 0 : 1);
    m_updating = false;
}

void StarshipsView::showSelected() {
    m_updating = true;
    m_shown.reset();
    if (m_selected)
        m_shown = m_store.load(*m_selected);
    m_updating = false;
    if (!m_shown) {
        // A listed ship whose design can't be read says why instead of showing nothing.
        const bool unreadable = m_selected && m_store.lastError();
        m_noSelection->setTitle(unreadable ? tr("Couldn't Open Ship") : tr("No Ship Selected"));
        m_noSelection->setMessage(
            unreadable
                ? qt(*m_store.lastError())
                : tr("Choose a saved ship, or save one from the Ship Designer (Ctrl+Shift+S)."));
        m_detailStack->setCurrentIndex(0);
        return;
    }
    const SavedShipDesign& saved = *m_shown;
    m_title->setText(qt(displayName(saved.header())));
    m_subtitle->setText(subtitleOf(saved.header()));
    m_summary->setHtml(shipStatisticsHtml(saved.design));
    if (saved.description.empty())
        m_description->setHtml(QStringLiteral("<i>%1</i>").arg(tr("No description.")));
    else
        m_description->setMarkdown(qt(saved.description));
    m_images->clear();
    for (const auto& name : saved.imageFilenames) {
        const QString file = qt(name);
        QImage image;
        if (const auto bytes = m_store.readImage(saved.id, name))
            image.loadFromData(QByteArray::fromStdString(*bytes));
        auto* item = new QListWidgetItem(m_images);
        item->setData(filenameRole, file);
        item->setToolTip(file);
        if (image.isNull()) {
            item->setText(tr("Image Not Found"));
        } else {
            item->setIcon(QIcon(QPixmap::fromImage(
                image.scaled(QSize(160, 120), Qt::KeepAspectRatio, Qt::SmoothTransformation))));
        }
    }
    m_noImages->setVisible(saved.imageFilenames.empty());
    m_images->setVisible(!saved.imageFilenames.empty());
    m_removeImage->setEnabled(false);
    m_detailStack->setCurrentIndex(1);
    static_cast<FittedText*>(m_summary)->fit();
    static_cast<FittedText*>(m_description)->fit();
}

void StarshipsView::showStoreError(const QString& title) {
    const auto& error = m_store.lastError();
    if (error && m_prompts.alert)
        m_prompts.alert(this, title, qt(*error));
}

void StarshipsView::editSelected() {
    if (m_selected && m_openDesigner)
        m_openDesigner(*m_selected);
}

void StarshipsView::duplicateSelected() {
    if (!m_selected)
        return;
    if (const auto copy = m_store.duplicate(*m_selected))
        select(*copy);
    else
        showStoreError(tr("Couldn't Duplicate Ship"));
}

void StarshipsView::deleteSelected() {
    if (!m_shown)
        return;
    const QString name = m_shown->shipName.empty()
                             ? tr("this ship")
                             : QStringLiteral("\u201c%1\u201d").arg(qt(m_shown->shipName));
    const QString message =
        tr("Delete %1? Its design and images are removed from the library.").arg(name);
    if (!m_prompts.confirm || !m_prompts.confirm(this, tr("Delete Ship"), message))
        return;
    if (!m_store.deleteDesign(m_shown->id))
        showStoreError(tr("Couldn't Delete Ship"));
}

void StarshipsView::exportFolder() {
    if (!m_shown || !m_prompts.chooseFolder)
        return;
    const QString parent = m_prompts.chooseFolder(this, tr("Export Ship"));
    if (parent.isEmpty())
        return;
    const auto destination = m_store.exportFolderIn(parent.toStdString(), m_shown->header());
    const auto render = [this](const SavedShipDesign& saved) -> std::optional<std::string> {
        QList<QString> all;
        for (const auto& name : saved.imageFilenames)
            all << qt(name);
        const QByteArray pdf = renderShipSheet(saved, loadShipImages(m_store, saved, all));
        if (pdf.isEmpty())
            return std::nullopt;
        return pdf.toStdString();
    };
    if (m_store.exportDocument(m_shown->id, destination, render))
        ui::showMessage(m_status, tr("Exported to %1").arg(qt(destination.string())));
    else
        showStoreError(tr("Couldn't Export Ship"));
}

void StarshipsView::importFolder() {
    if (!m_prompts.chooseFolder)
        return;
    const QString folder = m_prompts.chooseFolder(this, tr("Import Ship"));
    if (folder.isEmpty())
        return;
    auto read = m_store.readImport(folder.toStdString());
    if (const auto* message = std::get_if<std::string>(&read)) {
        if (m_prompts.alert)
            m_prompts.alert(this, tr("Couldn't Import Ship"), qt(*message));
        return;
    }
    const auto& pending = std::get<SavedShipDesignsStore::PendingImport>(read);
    if (m_store.contains(pending.design.id)) {
        const QString name =
            pending.design.shipName.empty() ? tr("Unnamed Ship") : qt(pending.design.shipName);
        const QString message = tr("A ship named \"%1\" already exists and will be replaced with "
                                   "the contents of this folder.")
                                    .arg(name);
        if (!m_prompts.confirmOverwrite || !m_prompts.confirmOverwrite(this, message))
            return;
    }
    if (m_store.commitImport(pending))
        select(pending.design.id);
    else
        showStoreError(tr("Couldn't Import Ship"));
}

void StarshipsView::exportPdf() {
    if (!m_shown || !m_prompts.chooseSheetImages || !m_prompts.chooseSheetFile)
        return;
    const SavedShipDesign saved = *m_shown;
    QHash<QString, QImage> thumbnails;
    for (int i = 0; i < m_images->count(); ++i) {
        const QListWidgetItem* item = m_images->item(i);
        if (!item->icon().isNull())
            thumbnails.insert(item->data(filenameRole).toString(),
                              item->icon().pixmap(QSize(64, 64)).toImage());
    }
    const auto chosen = m_prompts.chooseSheetImages(this, saved, thumbnails);
    if (!chosen)
        return;
    const QString file = m_prompts.chooseSheetFile(this, defaultSheetFileName(saved));
    if (file.isEmpty())
        return;
    const QByteArray pdf = renderShipSheet(saved, loadShipImages(m_store, saved, chosen->values()));
    const auto written = core::writeFileAtomically(file.toStdString(), pdf.toStdString());
    if (!written.ok) {
        if (m_prompts.alert)
            m_prompts.alert(this, tr("Couldn't Export PDF"), qt(written.error));
        return;
    }
    ui::showMessage(m_status, tr("Saved %1").arg(file));
}

void StarshipsView::addImage() {
    if (!m_selected || !m_prompts.chooseImageFile)
        return;
    const QString file = m_prompts.chooseImageFile(this);
    if (file.isEmpty())
        return;
    if (!m_store.addImage(*m_selected, file.toStdString()))
        showStoreError(tr("Couldn't Add Image"));
}

void StarshipsView::removeImage() {
    const auto items = m_images->selectedItems();
    if (!m_selected || items.isEmpty())
        return;
    const QString file = items.front()->data(filenameRole).toString();
    if (!m_prompts.confirm ||
        !m_prompts.confirm(this, tr("Remove Image"),
                           tr("Remove this image from the ship? Its file is deleted from the "
                              "library.")))
        return;
    if (!m_store.removeImage(*m_selected, file.toStdString()))
        showStoreError(tr("Couldn't Remove Image"));
}

void StarshipsView::openImage(const QString& filename) {
    if (m_selected)
        openShipImage(m_windows, m_store, ShipImageReference{*m_selected, filename.toStdString()});
}

} // namespace velmora::ships
