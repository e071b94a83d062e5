// The Qt printers: reports as PDF files, graphs as SVG and PNG.
#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QLineF>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <fstream>

#include "report/print_job.h"
#include "shared/plot_graph.h"
#include "ui/qt/graph_export.h"
#include "ui/qt/qt_printer.h"
#include "ui/recording_printer.h"

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

// A rating graph, as the result windows draw it.
void DrawRating(ui::Surface& s, double w, double h) {
    vado::PlotRequest r{.left = 0,
                        .top = 0,
                        .width = static_cast<long>(w),
                        .height = static_cast<long>(h),
                        .title = "Discharge vs Elevation",
                        .xCaption = "Elevation",
                        .yCaption = "Discharge, CFS"};
    r.x = {100.2, 100.4, 100.6, 100.8, 101.0};
    r.y = {1.18, 3.30, 6.00, 9.15, 12.65};
    vado::PlotGraph(s, r);
}

// The SVG holds every line the plotting routine draws (axes, ticks, the rating's segments) as a
// two-point polyline at the place it draws it: 15 twips to a pixel.
TEST(GraphExport, TheSvgHoldsThePlotsLines) {
    const QSize size(720, 480);
    const QByteArray svg = ui::qt::GraphSvg(DrawRating, size, ui::qt::kGraphFont, "rating");
    std::vector<QLineF> drawn;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd())
        if (xml.readNext() == QXmlStreamReader::StartElement && xml.name() == u"polyline") {
            const QStringList p =
                xml.attributes().value("points").toString().split(QRegularExpression("[ ,]+"),
                                                                  Qt::SkipEmptyParts);
            if (p.size() == 4)
                drawn.emplace_back(p[0].toDouble(), p[1].toDouble(), p[2].toDouble(),
                                   p[3].toDouble());
        }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(svg.contains("Discharge vs Elevation"));

    ui::RecordingPrinter recording;
    DrawRating(recording, size.width() * 15.0, size.height() * 15.0);
    int lines = 0;
    for (const ui::RecordedOp& op : recording.ops) {
        if (op.kind != ui::RecordedOp::Kind::Line) continue;
        ++lines;
        const QLineF want(op.x / 15, op.y / 15, op.x2 / 15, op.y2 / 15);
        EXPECT_TRUE(std::any_of(drawn.begin(), drawn.end(), [&](const QLineF& s) {
            return QLineF(s.p1(), want.p1()).length() < 0.01 &&
                   QLineF(s.p2(), want.p2()).length() < 0.01;
        })) << "line " << want.x1() << "," << want.y1() << " to " << want.x2() << "," << want.y2();
    }
    EXPECT_GE(lines, 2 + 4 + 6) << "two axes, their ticks and the four segments";
}

// A PNG has the asked size times its scale, white paper, and the graph drawn on it: the title
// across the top, the vertical caption in the left margin.
TEST(GraphExport, APngHasTheAskedSizeTimesItsScale) {
    for (int scale : {1, 2, 3}) {
        const QImage image = QImage::fromData(
            ui::qt::GraphPng(DrawRating, {360, 240}, scale, ui::qt::kGraphFont), "PNG");
        ASSERT_EQ(image.size(), QSize(360, 240) * scale) << scale;
        EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255)) << "white paper";
        auto dark = [&image](QRect r) {
            int n = 0;
            for (int y = r.top(); y <= r.bottom(); ++y)
                for (int x = r.left(); x <= r.right(); ++x) n += qGray(image.pixel(x, y)) < 128;
            return n;
        };
        EXPECT_GT(dark({0, 0, 12 * scale, image.height()}), 10 * scale) << "the vertical caption";
        EXPECT_GT(dark({0, 0, image.width(), 15 * scale}), 10 * scale) << "the title";
    }
}

}  // namespace
