#pragma once

#include "core/file_io.h"
#include "ships/saved_ship_design.h"

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <filesystem>
#include <string>

namespace velmora::testing {

// A real picture file, drawn in one colour, as a referee would attach.
inline void writePicture(const std::filesystem::path& file, QColor colour, int width = 64,
                         int height = 48) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(colour);
    std::filesystem::create_directories(file.parent_path());
    image.save(QString::fromStdString(file.string()), "PNG");
}

// The text of a PDF as the poppler tools read it; "<pdftotext failed>" otherwise.
inline QString pdfText(const std::filesystem::path& pdf, const QStringList& options = {}) {
    QProcess process;
    process.start(QStringLiteral("pdftotext"), QStringList(options)
                                                   << QString::fromStdString(pdf.string())
                                                   << QStringLiteral("-"));
    if (!process.waitForFinished(20000) || process.exitCode() != 0)
        return QStringLiteral("<pdftotext failed>");
    return QString::fromUtf8(process.readAllStandardOutput());
}

inline QString pdfInfo(const std::filesystem::path& pdf) {
    QProcess process;
    process.start(QStringLiteral("pdfinfo"), {QString::fromStdString(pdf.string())});
    process.waitForFinished(20000);
    return QString::fromUtf8(process.readAllStandardOutput());
}

// A 200-ton trader, as the referee types it into the designer. Its figures are
// worked out by hand in the tests that read them.
inline ships::SavedShipDesign trader(const std::string& name = "Beowulf") {
    ships::SavedShipDesign saved;
    saved.id = core::Uuid::generate();
    saved.configurationName = "Type-A2 Far Trader";
    saved.typeLabel = "Free Trader";
    saved.shipName = name;
    saved.description = "A **battered** far trader on the *Spinward Main*.";
    saved.design.tonnage = 200;
    saved.createdDate = saved.modifiedDate = std::chrono::sys_seconds(std::chrono::seconds(0));
    return saved;
}

} // namespace velmora::testing
