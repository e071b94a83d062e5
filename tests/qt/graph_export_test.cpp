#include "ui/qt/graph_export.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QXmlStreamReader>
#include <cmath>

#include "shared/plot_graph.h"
#include "ui/recording_printer.h"

namespace {

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

struct Segment {
    double x1, y1, x2, y2;
};

// The two-point polylines of an SVG document, in its own units.
std::vector<Segment> Polylines(const QByteArray& svg) {
    std::vector<Segment> segments;
    QXmlStreamReader xml(svg);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement || xml.name() != u"polyline") continue;
        const QStringList points =
            xml.attributes().value("points").toString().split(' ', Qt::SkipEmptyParts);
        if (points.size() != 2) continue;
        const QStringList a = points[0].split(','), b = points[1].split(',');
        segments.push_back({a[0].toDouble(), a[1].toDouble(), b[0].toDouble(), b[1].toDouble()});
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    return segments;
}

// The SVG holds every line the plotting routine draws (axes, ticks, the rating's segments), at
// the place it draws them: 15 twips to a pixel.
TEST(GraphExport, TheSvgHoldsThePlotsLines) {
    const QSize size(720, 480);
    const QByteArray svg = ui::qt::GraphSvg(DrawRating, size, ui::qt::kGraphFont, "rating");
    ASSERT_FALSE(svg.isEmpty());
    const std::vector<Segment> drawn = Polylines(svg);

    ui::RecordingPrinter recording;
    DrawRating(recording, size.width() * 15.0, size.height() * 15.0);
    int lines = 0;
    for (const ui::RecordedOp& op : recording.ops) {
        if (op.kind != ui::RecordedOp::Kind::Line) continue;
        ++lines;
        const Segment want{op.x / 15, op.y / 15, op.x2 / 15, op.y2 / 15};
        const bool found = std::any_of(drawn.begin(), drawn.end(), [&](const Segment& s) {
            return std::hypot(s.x1 - want.x1, s.y1 - want.y1) < 0.01 &&
                   std::hypot(s.x2 - want.x2, s.y2 - want.y2) < 0.01;
        });
        EXPECT_TRUE(found) << "line " << want.x1 << "," << want.y1 << " to " << want.x2 << ","
                           << want.y2;
    }
    // Two axes, 9 + 8 ticks and the four segments joining the five points.
    EXPECT_GE(lines, 2 + 4 + 6);
    EXPECT_TRUE(svg.contains("Discharge vs Elevation"));
}

TEST(GraphExport, APngHasTheAskedSizeTimesItsScale) {
    for (double scale : {1.0, 2.0, 3.0}) {
        const QImage image = QImage::fromData(
            ui::qt::GraphPng(DrawRating, {360, 240}, scale, ui::qt::kGraphFont), "PNG");
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.size(), QSize(360, 240) * scale) << scale;
        EXPECT_EQ(image.pixel(2, 2), qRgb(255, 255, 255)) << "white paper";
    }
}

}  // namespace
