#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <fstream>

#include "report/print_job.h"
#include "ui/qt/qt_printer.h"

namespace {

struct PdfPrinterTest : ::testing::Test {
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    // Every file left in the folder: no temporary file may stay behind.
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
    std::string head(const char* name) const {
        std::ifstream in(path(name), std::ios::binary);
        std::string text(5, '\0');
        in.read(text.data(), 5);
        return text;
    }
    QTemporaryDir dir;
};

// Reports are laid out in Times New Roman's metrics: the face or its metric twin. Its ascent and
// descent come to 1.107 em (265.6 twips at 12 points); the advances of "X", "g" and "y" are
// 1479, 1024 and 1024 2048ths of an em in both faces.
TEST_F(PdfPrinterTest, TimesNewRomanOrItsMetricTwin) {
    auto p = ui::qt::MakePdfPrinter(path("font.pdf"));
    p->setFontName("Times New Roman");
    p->setFontSize(12);
    const QString family = static_cast<ui::qt::QtPrinter&>(*p).resolvedFamily();
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif") << family.toStdString();
    EXPECT_NEAR(p->TextHeight("Xgy"), 265.6, 3);
    EXPECT_NEAR(p->TextWidth("Xgy"), (1479 + 1024 + 1024) / 2048.0 * 240, 3);
}

// The file is replaced only when the job ends, never left half written.
TEST_F(PdfPrinterTest, EndDocWritesTheFileUnderItsName) {
    { std::ofstream(path("report.pdf")) << "old contents"; }
    auto p = ui::qt::MakePdfPrinter(path("report.pdf"));
    p->Print("Weir Flow Formula Solution");
    p->NewPage();
    p->Print("second page");
    EXPECT_EQ(head("report.pdf"), "old c") << "nothing is replaced before the job ends";
    EXPECT_TRUE(p->EndDoc());
    EXPECT_EQ(head("report.pdf"), "%PDF-");
    EXPECT_EQ(files(), QStringList{"report.pdf"});
    p->KillDoc();
    EXPECT_EQ(head("report.pdf"), "%PDF-") << "a kill after the end changes nothing";
}

// A job killed, dropped unfinished or whose report fails leaves no file.
TEST_F(PdfPrinterTest, AnAbandonedJobLeavesNoFile) {
    const std::function<void(ui::Printer&)> abandon[] = {
        [](ui::Printer& p) { p.KillDoc(); },
        [](ui::Printer&) {},
        [](ui::Printer& p) {
            vado::report::ReportJob job{.title = "T", .body = [](vado::report::Destination& d) {
                                            d.center("body");
                                            throw ui::PrintError("broken");
                                        }};
            EXPECT_THROW(vado::report::PrintReport(p, job), ui::PrintError);
        }};
    for (const auto& how : abandon) {
        {
            auto p = ui::qt::MakePdfPrinter(path("gone.pdf"));
            p->Print("half a report");
            how(*p);
        }
        EXPECT_TRUE(files().isEmpty()) << files().join(" ").toStdString();
    }
}

TEST_F(PdfPrinterTest, PicturesThatCanBeReadAreDrawn) {
    QImage image(200, 12, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    ASSERT_TRUE(image.save(QString::fromStdString(path("logo.bmp")), "BMP"));
    std::ofstream(path("junk.bmp")) << "not a picture";
    auto p = ui::qt::MakePdfPrinter(path("pictures.pdf"));
    EXPECT_TRUE(p->PaintPicture(path("logo.bmp"), 720, 720, 9999.36, 619.2));
    EXPECT_FALSE(p->PaintPicture(path("junk.bmp"), 720, 720, 100, 100));
    EXPECT_FALSE(p->PaintPicture(path("missing.bmp"), 720, 720, 100, 100));
    EXPECT_TRUE(p->EndDoc());
}

}  // namespace
