#include "ships/saved_ship_designs_store.h"
#include "ships/ui/ship_sheet_renderer.h"
#include "ships_ui_support.h"
#include "support/temporary_folder.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace velmora;
using velmora::testing::TemporaryFolder;

namespace {

std::filesystem::path written(const TemporaryFolder& folder, const char* name,
                              const QByteArray& pdf) {
    folder.write(name, pdf.toStdString());
    return folder / name;
}

} // namespace

TEST(ShipSheet, IsOnePageOfTwoColumnsWithTheShipsNamesAndFigures) {
    TemporaryFolder folder;
    auto saved = velmora::testing::trader("Beowulf");
    // A 200-ton standard hull with thrust 1, a bridge and Computer/5, nothing else:
    //   hull      200 × Cr50,000                       = Cr10,000,000
    //   M-drive   1% of 200 = 2 tons × Cr2,000,000      =  Cr4,000,000
    //   bridge    10 tons, ceil(200 / 100) × Cr500,000  =  Cr1,000,000
    //   computer  Computer/5                            =     Cr30,000
    //   total                                            = Cr15,030,000 → "15.03"
    //   cargo     200 − 2 − 10                          = 188 tons
    //   purchase  × 0.9 = Cr13,527,000; maintenance / 12,000 = Cr1,127.25 → "Cr1127/month"
    const QByteArray pdf = ships::renderShipSheet(saved, {});
    ASSERT_TRUE(pdf.startsWith("%PDF"));
    const auto file = written(folder, "sheet.pdf", pdf);

    const QString info = velmora::testing::pdfInfo(file);
    EXPECT_TRUE(info.contains(QRegularExpression("Pages:\\s+1\\n"))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression("Page size:\\s+940 x \\d+")))
        << info.toStdString();

    const QString text = velmora::testing::pdfText(file);
    for (const char* expected :
         {"Beowulf", "Type-A2 Far Trader", "Free Trader", "battered far trader", "Spinward Main",
          "15.03", "188", "Cr1127/month"})
        EXPECT_TRUE(text.contains(QString::fromUtf8(expected))) << expected << " not in:\n"
                                                                << text.toStdString();
    EXPECT_FALSE(text.contains("**")) << "the description's Markdown is rendered";

    // The figures stand in the right-hand column, 560 points in: cropped to the
    // left column, the page keeps the names but not the table.
    const QString left = velmora::testing::pdfText(
        file, {"-x", "0", "-y", "0", "-W", "555", "-H", "5000", "-r", "72"});
    EXPECT_TRUE(left.contains("Beowulf"));
    EXPECT_FALSE(left.contains("15.03")) << left.toStdString();
}

TEST(ShipSheet, DrawsOnlyTheChosenImages) {
    TemporaryFolder folder;
    ships::SavedShipDesignsStore store(folder / "ShipDesigns");
    auto saved = velmora::testing::trader("Beowulf");
    ASSERT_TRUE(store.save(saved));
    velmora::testing::writePicture(folder / "a.png", Qt::red, 400, 300);
    velmora::testing::writePicture(folder / "b.png", Qt::blue, 200, 1500);
    const auto first = store.addImage(saved.id, folder / "a.png").value();
    const auto second = store.addImage(saved.id, folder / "b.png").value();
    saved = store.load(saved.id).value();

    const auto images = ships::loadShipImages(store, saved, {QString::fromStdString(second)});
    ASSERT_EQ(images.size(), 1);
    EXPECT_EQ(images[0].size(), QSize(200, 1500));
    EXPECT_EQ(ships::loadShipImages(store, saved, {}).size(), 0);
    (void)first;

    const auto plain = written(folder, "plain.pdf", ships::renderShipSheet(saved, {}));
    const auto pictured = written(folder, "pictured.pdf", ships::renderShipSheet(saved, images));
    // The tall picture lengthens the page; the text stays the same.
    const auto height = [](const std::filesystem::path& pdf) {
        const auto match =
            QRegularExpression("Page size:\\s+940 x (\\d+)").match(velmora::testing::pdfInfo(pdf));
        return match.hasMatch() ? match.captured(1).toInt() : -1;
    };
    EXPECT_GT(height(pictured), height(plain) + 400);
    EXPECT_EQ(velmora::testing::pdfText(pictured), velmora::testing::pdfText(plain));
    EXPECT_EQ(ships::defaultSheetFileName(saved), "Beowulf Datasheet.pdf");
    saved.shipName.clear();
    EXPECT_EQ(ships::defaultSheetFileName(saved), "Ship Datasheet.pdf");
}
