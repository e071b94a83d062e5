// The Qt printers: reports as PDF files, graphs as SVG.
#include <gtest/gtest.h>

#include <QDir>
#include <QTemporaryDir>
#include <QRegularExpression>
#include <QXmlStreamReader>
#include <sys/stat.h>

#include <algorithm>
#include <array>
#include <cmath>
#include <filesystem>
#include <fstream>

#include "shared/plot_graph.h"
#include "ui/qt/graph_export.h"
#include "ui/printer.h"
#include "ui/qt/qt_printer.h"
#include "ui/recording_printer.h"

namespace {

struct PdfPrinterTest : ::testing::Test {
    std::string path(const char* name) const { return QDir(dir.path()).filePath(name).toStdString(); }
    // Every file left in the folder: no temporary file may stay behind.
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files); }
    QByteArray head(const char* name) const {
        QFile file(QString::fromStdString(path(name)));
        return file.open(QIODevice::ReadOnly) ? file.read(5) : QByteArray();
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

// The file is replaced only when the job ends, never left half written: a job killed or dropped
// unfinished (a report that failed) leaves the old file as it was and nothing beside it.
TEST_F(PdfPrinterTest, OnlyAFinishedJobReplacesTheFile) {
    { std::ofstream(path("report.pdf")) << "old contents"; }
    const std::function<void(ui::Printer&)> abandon[] = {[](ui::Printer& p) { p.KillDoc(); },
                                                         [](ui::Printer&) {}};
    for (const auto& how : abandon) {
        auto p = ui::qt::MakePdfPrinter(path("report.pdf"));
        p->Print("half a report");
        how(*p);
        p.reset();
        EXPECT_EQ(head("report.pdf"), "old c");
        EXPECT_EQ(files(), QStringList{"report.pdf"});
    }
    auto p = ui::qt::MakePdfPrinter(path("report.pdf"));
    p->Print("Weir Flow Formula Solution");
    p->NewPage();
    EXPECT_EQ(head("report.pdf"), "old c") << "nothing is replaced before the job ends";
    EXPECT_TRUE(p->EndDoc());
    p->KillDoc();
    EXPECT_EQ(head("report.pdf"), "%PDF-") << "a kill after the end changes nothing";
    EXPECT_EQ(files(), QStringList{"report.pdf"});
}

// A report goes through a symbolic link to its target and leaves the link; a folder or a FIFO
// in its place is refused before anything is written, and left as it was.
TEST_F(PdfPrinterTest, WritesThroughALinkAndNeverOverAFolderOrAFifo) {
    { std::ofstream(path("real.pdf")) << "old"; }
    std::filesystem::create_symlink("real.pdf", path("link.pdf"));
    auto p = ui::qt::MakePdfPrinter(path("link.pdf"));
    EXPECT_TRUE(p->EndDoc());
    EXPECT_TRUE(std::filesystem::is_symlink(path("link.pdf")));
    EXPECT_EQ(head("real.pdf"), "%PDF-");
    std::filesystem::create_directory(path("folder.pdf"));
    ASSERT_EQ(::mkfifo(path("pipe.pdf").c_str(), 0600), 0);
    for (const char* name : {"folder.pdf", "pipe.pdf"})
        EXPECT_THROW(ui::qt::MakePdfPrinter(path(name)), ui::PrintError) << name;
    EXPECT_TRUE(std::filesystem::is_directory(path("folder.pdf")));
    EXPECT_TRUE(std::filesystem::is_fifo(path("pipe.pdf")));
}

// A rating graph, as the result windows draw it.
void DrawRating(ui::Surface& s, double w, double h) {
    vado::PlotGraph(s, {.x = {100.2, 100.4, 100.6, 100.8, 101.0},
                        .y = {1.18, 3.30, 6.00, 9.15, 12.65},
                        .width = static_cast<long>(w),
                        .height = static_cast<long>(h),
                        .title = "Discharge vs Elevation",
                        .xCaption = "Elevation",
                        .yCaption = "Discharge, CFS"});
}

// The SVG is well-formed and holds every line the plotting routine draws (axes, ticks, the
// rating's segments) as a two-point polyline at the place it draws it: 15 twips to a pixel.
// Markup in a caption stays text.
TEST(GraphExport, TheSvgHoldsThePlotsLinesAndItsText) {
    const auto draw = [](ui::Surface& s, double w, double h) {
        DrawRating(s, w, h);
        s.setCurrentX(0);
        s.setCurrentY(0);
        s.Print("Q < 5 & \"dry\"");
    };
    const QByteArray svg = ui::qt::GraphSvg(draw, {720, 480}, ui::qt::kGraphFont, "rating & more");
    QStringList texts;
    std::vector<std::array<double, 4>> drawn;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement) continue;
        if (xml.name() == u"text" || xml.name() == u"title") texts << xml.readElementText();
        if (xml.name() != u"polyline") continue;
        const QStringList p = xml.attributes().value("points").toString().split(QRegularExpression("[ ,]"), Qt::SkipEmptyParts);
        if (p.size() == 4) drawn.push_back({p[0].toDouble(), p[1].toDouble(), p[2].toDouble(), p[3].toDouble()});
    }
    ASSERT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_TRUE(texts.contains("Discharge vs Elevation"));
    EXPECT_TRUE(texts.contains("Q < 5 & \"dry\""));
    EXPECT_TRUE(texts.contains("rating & more"));
    ui::RecordingPrinter recording;
    DrawRating(recording, 720 * 15.0, 480 * 15.0);
    int lines = 0;
    for (const ui::RecordedOp& op : recording.ops) {
        if (op.kind != ui::RecordedOp::Kind::Line) continue;
        ++lines;
        const std::array<double, 4> want{op.x / 15, op.y / 15, op.x2 / 15, op.y2 / 15};
        const bool found = std::any_of(drawn.begin(), drawn.end(), [&](const auto& d) {
            for (int i = 0; i < 4; ++i)
                if (std::abs(d[i] - want[i]) > 0.006) return false;
            return true;
        });
        EXPECT_TRUE(found) << want[0] << "," << want[1] << " " << want[2] << "," << want[3];
    }
    EXPECT_GE(lines, 2 + 4 + 6) << "two axes, their ticks and the four segments";
}

}  // namespace
