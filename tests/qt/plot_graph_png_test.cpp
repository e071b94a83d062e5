#include <gtest/gtest.h>

#include <QDir>
#include <QImage>
#include <QPainter>

#include "shared/plot_graph.h"
#include "ui/qt/painter_surface.h"

namespace {

// Renders a rating graph through the screen surface and keeps it as a PNG beside the tests, so
// a person can look at it (vado-plot-graph.png in the test's working folder).
TEST(PlotGraphPng, DrawsAReadableGraph) {
    QImage image(720, 480, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        ui::qt::PainterSurface surface(painter, {"Liberation Sans", 9});
        vado::PlotRequest r;
        for (int i = 0; i <= 10; ++i) {
            r.x.push_back(100 + 0.5 * i);
            r.y.push_back(0.47 * i * i);
        }
        r.left = 0;
        r.top = 0;
        r.width = static_cast<long>(surface.widthTwips());
        r.height = static_cast<long>(surface.heightTwips());
        r.title = "Stage - Discharge";
        r.xCaption = "Elevation (ft)";
        r.yCaption = "Discharge (cfs)";
        r.markerOn = true;
        r.marker = 102.5;
        vado::PlotGraph(surface, r);
    }
    int dark = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++dark;
    EXPECT_GT(dark, 1500) << "axes, ticks, texts and the line are drawn";
    // The vertical caption stands in the left margin, the title across the top.
    int leftMargin = 0, topBand = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < 25; ++x)
            if (qGray(image.pixel(x, y)) < 128) ++leftMargin;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < image.width(); ++x)
            if (qGray(image.pixel(x, y)) < 128) ++topBand;
    EXPECT_GT(leftMargin, 50);
    EXPECT_GT(topBand, 50);
    EXPECT_TRUE(image.save(QDir::current().filePath("vado-plot-graph.png")));
}

}  // namespace
