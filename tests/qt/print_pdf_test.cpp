#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "report/print_job.h"
#include "ui/qt/qt_printer.h"

namespace {

namespace fs = std::filesystem;

class PdfPrinterTest : public ::testing::Test {
  protected:
    std::string path(const char* name) const {
        return QDir(dir.path()).filePath(name).toStdString();
    }
    // Every file left in the folder: no temporary file may stay behind.
    std::vector<std::string> files() const {
        std::vector<std::string> names;
        for (auto& e : fs::directory_iterator(dir.path().toStdString()))
            names.push_back(e.path().filename().string());
        std::sort(names.begin(), names.end());
        return names;
    }
    static std::string read(const std::string& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), {}};
    }
    QTemporaryDir dir;
};

TEST_F(PdfPrinterTest, TimesNewRomanOrItsMetricTwin) {
    auto p = ui::qt::MakePdfPrinter(path("font.pdf"));
    p->setFontName("Times New Roman");
    p->setFontSize(12);
    auto& qt = static_cast<ui::qt::QtPrinter&>(*p);
    QString family = qt.resolvedFamily();
    EXPECT_TRUE(family == "Times New Roman" || family == "Liberation Serif")
        << family.toStdString();
    // The face's ascent and descent come to 1.107 em: 265.6 twips at 12 points.
    EXPECT_NEAR(p->TextHeight("Xgy"), 265.6, 3);
    // Advance widths shared by both faces (in 2048ths of an em): "X" 1479, "g" 1024, "y" 1024.
    EXPECT_NEAR(p->TextWidth("Xgy"), (1479 + 1024 + 1024) / 2048.0 * 240, 3);
    p->setFontSize(24);
    EXPECT_NEAR(p->TextHeight("Xgy"), 2 * 265.6, 6);
}

TEST_F(PdfPrinterTest, EndDocWritesTheFileUnderItsName) {
    std::string file = path("report.pdf");
    { std::ofstream(file) << "old contents"; }
    auto p = ui::qt::MakePdfPrinter(file);
    p->setCurrentY(1800);
    p->Print("Weir Flow Formula Solution");
    p->NewPage();
    p->Print("second page");
    EXPECT_EQ(read(file), "old contents") << "nothing is replaced before the job ends";
    EXPECT_TRUE(p->EndDoc());
    EXPECT_EQ(read(file).substr(0, 5), "%PDF-");
    EXPECT_EQ(files(), std::vector<std::string>{"report.pdf"});
    p->KillDoc();
    EXPECT_EQ(read(file).substr(0, 5), "%PDF-") << "a kill after the end changes nothing";
}

TEST_F(PdfPrinterTest, AnAbandonedJobLeavesNoFile) {
    for (bool explicitKill : {true, false}) {
        {
            auto p = ui::qt::MakePdfPrinter(path("gone.pdf"));
            p->Print("half a report");
            if (explicitKill) p->KillDoc();
        }
        EXPECT_TRUE(files().empty()) << explicitKill;
    }
}

TEST_F(PdfPrinterTest, AFailedReportLeavesNoFile) {
    auto p = ui::qt::MakePdfPrinter(path("failed.pdf"));
    vado::report::ReportJob job{.title = "T", .body = [](vado::report::Destination& d) {
                                    d.center("body");
                                    throw ui::PrintError("broken");
                                }};
    EXPECT_THROW(vado::report::PrintReport(*p, job), ui::PrintError);
    EXPECT_TRUE(files().empty());
}

TEST_F(PdfPrinterTest, PicturesThatCanBeReadAreDrawn) {
    std::string logo = path("logo.bmp");
    QImage image(200, 12, QImage::Format_RGB32);
    image.fill(Qt::darkBlue);
    ASSERT_TRUE(image.save(QString::fromStdString(logo), "BMP"));
    std::ofstream(path("junk.bmp")) << "not a picture";

    auto p = ui::qt::MakePdfPrinter(path("pictures.pdf"));
    EXPECT_TRUE(p->PaintPicture(logo, 720, 720, 9999.36, 619.2));
    EXPECT_FALSE(p->PaintPicture(path("junk.bmp"), 720, 720, 100, 100));
    EXPECT_FALSE(p->PaintPicture(path("missing.bmp"), 720, 720, 100, 100));
    EXPECT_TRUE(p->EndDoc());
}

}  // namespace
